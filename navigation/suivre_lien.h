#pragma once
// PROVISOIRE
#include "exercise/donnees_communes.h"
void suivreLien(TdonneesCommunes& donnees);
