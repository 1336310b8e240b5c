#pragma once
// The statistics diagram "Diagramme" of a surface, laid out in the surface's pixels.

#include <string>

#include "engine/figure/figure.h"

// n categories (1 to 6) whose values and names are items separated by "\"; a name item may be
// followed by "\" and the title of the frequency scale. Type 1 bars, 2 full sector diagram of
// angles, 3 half disc of angles, 4 and 5 bars with a frequency table and a half disc or a full
// sector diagram. For types 2 and 3 the last angle is what the others leave of 360° or 180°. A
// locked diagram shows no handles and does not take the mouse. It becomes the surface's diagram.
Tobjet* creerDiagramme(Tfigure& figure, int n, const std::string& valeurs,
                       const std::string& categories, int type, bool verrouille);
