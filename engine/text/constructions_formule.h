#pragma once
// What the drawing of one construct needs from the formula being drawn.

#include <string>

#include "engine/text/formule.h"
#include "platform/canevas.h"

// Table cells and system lines are formulas of their own; beyond this depth they are drawn as
// plain text, so that nested systems (whose reader may hand the same text to every line) stay a
// bounded amount of work.
constexpr int imbricationFormuleMax = 3;

struct Tformule {
    Canevas& canevas;
    std::string& texte;
    double x;
    double y;
    double c;  // column pitch
    double L;  // line pitch
    int profondeur;

    // The left edge of the column of the character at index p.
    double colonne(std::size_t p) const { return x + static_cast<double>(p) * c; }
};

// Draws a nested formula (a table cell, a system line) one level deeper.
void dessinerFormuleImbriquee(Canevas& canevas, std::string texte, double x, double y,
                              int profondeur);

// Draws the construct and rewrites its argument in the text (blanks, deletion) as it requires.
void dessinerConstruction(Tformule& formule, const Tconstruction& construction);
