#pragma once
// PROVISOIRE
#include "exercise/donnees_communes.h"
void lancerExercice(TdonneesCommunes& donnees, int n);
void poserQuestion(TdonneesCommunes& donnees, bool suivante);
void validerReponse(TdonneesCommunes& donnees);
void reessayer(TdonneesCommunes& donnees);
void aide(TdonneesCommunes& donnees);
void redessinerZonesExercice(TdonneesCommunes& donnees);
void effacerZonesReponse(TdonneesCommunes& donnees);
