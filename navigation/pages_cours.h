#pragma once
// PROVISOIRE
#include "exercise/donnees_communes.h"
void afficherPageCours(TdonneesCommunes& donnees, int code);
void pageCoursSuivante(TdonneesCommunes& donnees);
void pageCoursPrecedente(TdonneesCommunes& donnees);
void pageCoursRetour(TdonneesCommunes& donnees);
