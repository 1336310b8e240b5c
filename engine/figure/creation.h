#pragma once
// The base of every creator: appending one object to a surface.

#include <string>

#include "engine/figure/figure.h"

// Appends an object of the kind under the name (at most 20 characters kept), with the kind's
// defaults, neither computed nor drawn. A surface that already holds 650 objects, or a kind the
// program does not create, is refused: null, and the surface is left as it was.
Tobjet* ajouterObjet(Tfigure& figure, const std::string& nom, TgenreObjet genre);
