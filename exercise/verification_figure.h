#pragma once
// The checks of what the pupil built on the statement figure: the statistics diagram set by
// dragging its bars or boundaries, and the surface coloured on its cell grid.

#include "exercise/donnees_communes.h"

// The diagram's values against the statement figure's parametres 1..n: right, or the first
// category whose bar or sector is too big or too small. A right diagram is locked.
void verifierDiagramme(TdonneesCommunes& donnees);
// Each fails with its message, the question beep and no attempt counted, and each asks what the
// one before it asks: some cell coloured, then all of them in one piece, then no hole in it.
bool verifierSurfaceCreee(TdonneesCommunes& donnees);
bool verifierSurfaceUnique(TdonneesCommunes& donnees);
bool verifierSurfaceNonTrouee(TdonneesCommunes& donnees);
