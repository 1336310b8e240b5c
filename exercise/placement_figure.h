#pragma once
// Where the statement figure stands beside the statement text, and the placing of any surface's
// paint box. Each placing resets the surface: its objects are freed and the origin goes to the
// middle of the new size, at min(width, height) / 10 pixels a unit.

#include "exercise/donnees_communes.h"

// A square as high as the statement box less 10 pixels, 5 pixels from its top right corner.
void placerFigureEnonce(TdonneesCommunes& donnees);
// Of that size, 5 pixels from the bottom right corner of the statement box.
void placerFigureEnonceBas(TdonneesCommunes& donnees, int largeur, int hauteur);
// Of that size, at (dx, dy) from the top left corner of the statement box.
void placerFigureEnonceDecalee(TdonneesCommunes& donnees, int dx, int dy, int largeur, int hauteur);
void placerZone(Tfigure& figure, int gauche, int haut, int largeur, int hauteur);
