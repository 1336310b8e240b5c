#pragma once
// Rectangles, grids of cells and the points of solids drawn in perspective, built from hidden
// points named from the prefix so that they follow their points.

#include <string>

#include "engine/figure/figure.h"

// An axis-parallel rectangle from two opposite corners, its polygon filled by the motif (0 the
// outline).
Tobjet* creerRectangle(Tfigure& figure, const std::string& nom, TColor couleur, double x1,
                       double y1, double x2, double y2, int motif);
// A parallelogram of m by n cells from A, one cell B - A along the first direction and C - A
// along the second; its border nodes are hidden points named prefix_i_j.
void creerQuadrillage(Tfigure& figure, const std::string& nom, const std::string& a,
                      const std::string& b, const std::string& c, int m, int n, TColor couleur);
// A vertex name of a solid at the depth z, in the oblique perspective of the boxes.
Tobjet* creerPointPerspective(Tfigure& figure, const std::string& nom, TColor couleur, double z,
                              double x, double y, double dx, double dy);
// The 25 points "A" to "Y" two units apart, row by row from (-4, 4), under a light grey grid "q1".
void creerGrillePoints(Tfigure& figure);
