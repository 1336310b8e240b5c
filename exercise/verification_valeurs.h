#pragma once
// What the checks of lists, inequalities and bounds share: reading one value, comparing values
// and the refusals they all write. The numeric check reads its tolerance the same way.

#include <cstdint>
#include <string>

#include "exercise/donnees_communes.h"
#include "exercise/liste_solutions.h"

// A tolerance of exactly 0 stands for the default.
double toleranceNonNulle(double tolerance);
// The values differ by more than the tolerance.
bool ecartTrop(double a, double b, double tolerance);
// The given value could be written more simply than the expected one is.
bool valeurSimplifiable(const Tsolution& attendue, const Tsolution& donnee);
// One value read as a list item; a text longer than an item holds is unreadable rather than cut.
Tsolution lireValeur(const std::string& texte);

// The exercise's own expected text cannot be read: resultatNonCompris and one line.
void refuserExpressionProf(TdonneesCommunes& donnees, std::uint8_t& resultat);
// resultatNonCompris, the question beep, then the line.
void refuserAvecLigne(TdonneesCommunes& donnees, const std::string& ligne, std::uint8_t& resultat);
// resultatNonCompris, "n'a pas été comprise." and the question beep.
void refuserIncomprise(TdonneesCommunes& donnees, const std::string& tete, std::uint8_t& resultat);
// resultatForme: a right value that can be simplified.
void refuserSimplifiable(TdonneesCommunes& donnees, const std::string& tete, std::uint8_t& resultat);
