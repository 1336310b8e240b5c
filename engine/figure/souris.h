#pragma once
// PROVISOIRE
#include "engine/figure/figure.h"
void gererSouris(Tfigure& figure, int px, int py, int phase);
