#pragma once
// What each step of a stepped animation shows and hides, and the points the pupil drags at the
// end. Names are lists separated by blanks.

#include <span>

#include "exercise/donnees_communes.h"

struct TetapeImagiciel {
    const char* textesMontres;
    const char* textesCaches;
    const char* objetsMontres;
    const char* objetsCaches;
};

// A point put back where the construction starts, in the step before the last; the draggable
// ones are then fixed and black, and at the last step draggable and blue. Its name stands at the
// offset given, in columns and lines, on the side away from the figure.
struct TpointDepart {
    const char* nom;
    double x, y;
    bool deplacable;
    double etiquetteX = -1.2, etiquetteY = 0.2;
};

struct TimagicielEtapes {
    int code;
    std::span<const TetapeImagiciel> etapes;
    std::span<const TpointDepart> points;
};

// The steps of a stepped animation; null for the others.
const TimagicielEtapes* etapesImagiciel(int code);
// Where an animation's points start.
std::span<const TpointDepart> pointsDepart(int code);
