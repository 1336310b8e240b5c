#pragma once
// Framed blocks and tables as the figure painter draws them, in pixels of the surface.

#include "engine/figure/figure.h"
#include "engine/figure/tableau.h"
#include "platform/canevas.h"

// Framed block i by its style 1..13: boxes with a heading tab (1 property, 6 statement, 10
// action), plain boxes (2, 3, 13), buttons to the exercises (5), back to the course (7), "?"
// (12), a rounded button showing its title (11), a "Voir aussi" link (4), an underlined link (9)
// and a bare click zone above a blue line (8). Styles 4, 5, 7, 8, 9, 11 and 12 register their
// zone with the block's link code in the current link-zone list, while one is published. Any
// other style draws nothing.
void dessinerCadre(Tfigure& figure, Canevas& canevas, int i);

// A table in its colour, at 11 points: its text units become pixels by the column and line
// pitch of that size. Without headers a pale yellow body ruled in the table's colour; with
// headers a white body ruled in grey, with numbered row headers and lettered column headers.
// The top-left cell is left open when its text is empty.
void dessinerTableau(Canevas& canevas, const Ttableau& tableau, TColor couleur);
