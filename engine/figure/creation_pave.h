#pragma once
// The box drawn in perspective as a stack of unit cells.

#include <string>

#include "engine/figure/figure.h"

// The cells of every (x, y, z) within the bounds, each of the model's shape (1..7), in the
// surface's perspective.
Tobjet* creerPave(Tfigure& figure, const std::string& nom, int zMin, int zMax, int xMin, int xMax,
                  int yMin, int yMax, int modele);
