#pragma once
// What the creators share: parents found by name, name lists, automatic names, pixel positions
// of text units.

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/figure/figure.h"

// Parent slots in order, each the index of the first object bearing the name (0 for none).
void lierParents(const Tfigure& figure, Tobjet& objet, std::initializer_list<std::string> noms);
// Computes the object just appended and gives it back; null stays null.
Tobjet* calculerDernier(Tfigure& figure, Tobjet* objet);
// The names of a list separated by single blanks; two blanks in a row give an empty name.
std::vector<std::string> nomsDeLaListe(const std::string& liste);
// The prefix followed by the index the next object takes.
std::string nomAutomatique(const Tfigure& figure, const std::string& prefixe);
// Text units: a column is 8 pixels, shifted by the surface's column offset; a line 18 pixels.
constexpr double pixelsParColonne = 8;
constexpr double pixelsParLigne = 18;
double colonneEnPixels(const Tfigure& figure, double colonne);
double ligneEnPixels(double ligne);
