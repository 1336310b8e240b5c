#pragma once
// The form marks of one parsed node, computed from its children's (used by the parser only).

#include "exercise/expression.h"

// Sets the marks of node numero, whose children are already marked, and the marks of the
// expression that it changes (developpee, simplifiable, nbTermes, nonReduite).
void marquerBranche(Texpression& expression, int numero);
