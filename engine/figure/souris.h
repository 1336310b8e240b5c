#pragma once
// The mouse on a figure: what it takes under the pointer, and the dispatcher the main window
// calls for every mouse event on a paint box. The cursor numbers are the toolkit's (crDefault,
// crCross over a draggable point, crHandPoint over an instrument part or a clickable cell,
// crSizeNS over a diagram bar).

#include "engine/figure/figure.h"

enum TphaseSouris : int { sourisEnfoncee = 1, sourisRelachee = 2, sourisDeplacee = 3 };

// Mouse down (1), up (2) and move (3) at a pixel of the surface. A down that takes a point or an
// instrument part starts a drag; every move drags it; the up always ends it and repaints. The
// surface's diagram or checkerboard, when it has one, takes the mouse instead.
void gererSouris(Tfigure& figure, int px, int py, int phase);
// What the mouse takes at the pixel: the first created visible draggable point within 10 pixels
// (an object index), else an instrument part (minus the instrument's number, with its held part
// and grab offset set), else 0; and the cursor for that.
int saisirSouris(Tfigure& figure, int px, int py, int& curseur);
// Lets go of what the mouse holds, as a release does: the drag's layers go with it, and one full
// paint puts everything back in its order.
void terminerGlissement(Tfigure& figure);
