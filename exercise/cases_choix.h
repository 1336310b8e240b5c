#pragma once
// PROVISOIRE
#include "exercise/donnees_communes.h"
void dessinerChoix(TdonneesCommunes& donnees);
void cliquerZoneEnonce(TdonneesCommunes& donnees);
