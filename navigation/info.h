#pragma once
// PROVISOIRE
#include "exercise/donnees_communes.h"
void afficherInfo(TdonneesCommunes& donnees, int code);
void fermerInfo();
extern bool infoAffichee;
