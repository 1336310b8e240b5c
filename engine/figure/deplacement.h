#pragma once
// One drag step: the held point moves under the rules of its kind, or the held part of an
// instrument follows the mouse; then the surface repaints.

#include <string>

#include "engine/figure/figure.h"

// With the mouse at (xSouris, ySouris): a held point moves (within the window, its bounds, its
// steps or its graduations) and every later object is recomputed; a held instrument snaps its
// centre onto a snap point within 0.2, moves its held part and, with linked radii, gives its
// radius to all three.
void deplacerSaisie(Tfigure& figure);
// Moves the held part of the instrument to the world point: the body (centre within -5..5), an
// edge or an arm (turns it), the radius (at least 0.5) or the sliding edge (0 within 0.1).
void deplacerOutil(Toutil& outil, double x, double y);
// Instrument i centred on point A, pointing towards B; nothing when A and B are closer than
// 1e-10 or a name designates no point.
void placerOutil(Tfigure& figure, int i, const std::string& nomA, const std::string& nomB);
