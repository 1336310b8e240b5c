#pragma once
// PROVISOIRE
#include "exercise/donnees_communes.h"
void lancerImagiciel(TdonneesCommunes& donnees);
void etapeSuivanteImagiciel(TdonneesCommunes& donnees);
void etapePrecedenteImagiciel(TdonneesCommunes& donnees);
