#pragma once
// What a table object holds: its body in text units (columns of the text pitch, lines of the
// line pitch), its rows and columns, and its cells.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/types.h"

constexpr int rangeesTableauMax = 5;
constexpr int colonnesTableauMax = 16;
constexpr std::size_t longueurCaseTableau = 43;

struct TcaseTableau {
    // The cell's left column and top line, and where its text starts from there.
    double x = 0, y = 0;
    double decalageX = 0, decalageY = 0;
    TColor couleur = 0;
    std::string texte;
};

// Rows 1..nbRangees and columns 1..nbColonnes; slot 0 is never used.
struct Ttableau {
    int nbRangees = 0;
    int nbColonnes = 0;
    // The body: left and right in columns, top and bottom in lines.
    double gauche = 0, droite = 0;
    double haut = 0, bas = 0;
    std::array<double, colonnesTableauMax + 1> largeurs{};
    std::array<double, rangeesTableauMax + 1> hauteurs{};
    // On the heap: a table is rare, and every object of a surface is as large as its largest kind.
    std::vector<std::array<TcaseTableau, colonnesTableauMax + 1>> cases =
        std::vector<std::array<TcaseTableau, colonnesTableauMax + 1>>(rangeesTableauMax + 1);
    // The spreadsheet look: a header column and a header row.
    bool entetes = false;
};
