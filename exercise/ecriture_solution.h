#pragma once
// Writing in the solution text surface: a line at a given place, the running lines of the checks'
// messages, and the default solution.

#include <string>

#include "exercise/donnees_communes.h"

// A $-markup text in black at column 14, its top at ligne × 18 pixels.
void ecrireSolution(TdonneesCommunes& donnees, const std::string& texte, double ligne);
// At the running line ligneSolution, which then moves one line down. After the first line since
// the validation, a line holding a tall markup ("$5", "$3", "$F") gets some room above it.
void ecrireLigneSolution(TdonneesCommunes& donnees, const std::string& texte);
// texteSolution at line 3, when there is one.
void ecrireTexteSolution(TdonneesCommunes& donnees);
