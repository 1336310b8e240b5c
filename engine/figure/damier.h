#pragma once
// The colourable cell grid of a surface: its place in world units, its columns and rows, and the
// sets of cells given, clickable, expected, shown as the solution and coloured by the pupil. The
// cell in row r (1 at the top) and column c (1 at the left) is number nbColonnes × (r − 1) + c.

#include <cstddef>
#include <cstdint>

#include "engine/base/ensemble.h"

// Cells 1..100: every cell of the default 10 × 10 grid.
inline Ensemble256 centPremieresCases()
{
    Ensemble256 cases;
    for (int i = 1; i <= 100; ++i) cases.set(static_cast<std::size_t>(i));
    return cases;
}

struct Tdamier {
    // The world point of the grid's top-left corner and its size in world units.
    double xGauche = -5, yHaut = 5;
    double largeur = 10, hauteur = 10;
    std::uint8_t nbColonnes = 10, nbRangees = 10;
    Ensemble256 casesDonnees;
    Ensemble256 casesCliquables = centPremieresCases();
    Ensemble256 casesAttendues;
    Ensemble256 casesSolution;
    Ensemble256 casesColoriees;
    bool solutionVisible = false;
    // Clicks colour cells.
    bool cliquable = true;
};
