#pragma once
// What several chapters share: exercise 249, the check and the solution that chapters fall back
// on, and two statement lines.

#include "exercise/donnees_communes.h"

// Poses exercise 249; any other exercise number poses nothing.
void enonceExercicesCommuns(TdonneesCommunes& donnees);
// The default check, for every exercise number but 0.
void verifierExercicesCommuns(TdonneesCommunes& donnees);
// The solution of exercise 249, or the default solution of any other exercise.
void solutionExercicesCommuns(TdonneesCommunes& donnees);
// The advice of exercises that expect a list, as a statement line.
void ecrireConseilPointVirgule(TdonneesCommunes& donnees, double ligne);
void ecrireRemarquePlusieursChapitres(TdonneesCommunes& donnees);

// Exercise 249: are the two lines parallel, perpendicular, or neither? Three questions, one cell
// to tick in each.
void poserDroitesPerpendiculairesOuParalleles(TdonneesCommunes& donnees);
void corrigerDroitesPerpendiculairesOuParalleles(TdonneesCommunes& donnees);
