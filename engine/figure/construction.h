#pragma once
// Recomputing constructed objects from their parents. Parents stand before their dependants in
// the table, so one pass in index order brings every dependant up to date.

#include "engine/figure/figure.h"

// Recomputes object i from its parents and sets its undefined flag: undefined when a parent is
// undefined or designates no object, or when the construction degenerates; an undefined object
// keeps its last data. Free points, texts, frames, pictures and composites are left as they are.
void recalculerObjet(Tfigure& figure, int i);
// recalculerObjet for every object from the first index to the last, in order.
void recalculerDepuis(Tfigure& figure, int premier);
