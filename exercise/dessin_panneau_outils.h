#pragma once
// PROVISOIRE
#include "exercise/donnees_communes.h"
void dessinerPanneauOutils(TdonneesCommunes& donnees, Canevas& canevas);
void cliquerPanneauOutils(TdonneesCommunes& donnees, int x, int y, int clic);
