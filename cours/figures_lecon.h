#pragma once
// The statements of a lesson's figure, one per line, each made by a creator of the figure engine
// from named points: "point A 1 2 gauche", "segment A B rouge", "cercle c O A", ...

#include "cours/source_lecon.h"
#include "engine/figure/figure.h"

// Around a figure's box, the painter looks this many pixels far for the ink of points and labels,
// which would be cut on the page; a statement refuses a point shown further out.
constexpr int margeVerifieeFigure = 40;

void creerObjetFigure(Tfigure& figure, const TinstructionLecon& instruction);
