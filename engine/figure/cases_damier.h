#pragma once
// The checkerboard the pupil colours: its creation, the cell under a point, and the measures of
// the coloured shape (area, perimeter, one piece, hole) that the checks read. Neighbours are the
// four cells sharing a side, without wrap-around from the end of a row to the start of the next.

#include <cstdint>

#include "engine/figure/figure.h"

// Appends the checkerboard "Damier" with its defaults and makes it the surface's grid for clicks.
Tobjet* creerDamier(Tfigure& figure);
void initialiserDamier(Tdamier& damier);
// The clickable cell strictly inside the grid under the world point; 0 for none.
std::uint8_t caseDamierSousPoint(const Tdamier& damier, double x, double y);
// The area in cells.
std::uint8_t nombreCases(const Tdamier& damier);
// The coloured neighbours of the cell.
int aretesCommunes(const Tdamier& damier, int numero);
// In cell sides.
int perimetreCases(const Tdamier& damier);
// No coloured cell is one piece.
bool estDUnSeulTenant(const Tdamier& damier);
// Some uncoloured cell cannot reach the border through uncoloured cells.
bool aUnTrou(const Tdamier& damier);
// Empties the coloured cells and gives every cell of rows first..last, columns first..last.
void remplirBlocCases(Tdamier& damier, int premiereRangee, int premiereColonne,
                      int derniereRangee, int derniereColonne);
