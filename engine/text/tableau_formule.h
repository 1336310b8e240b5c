#pragma once
// A table of the formula notation: the record and its reader.
//
// A description reads: C ";" R ";" column width ";" row height ";" cell 1,1 ";" … ";" cell R,C,
// row after row, numbers with a decimal comma or point; a ";" inside parentheses belongs to its
// cell, which may hold constructs of its own.

#include <array>
#include <cstdint>
#include <string>

constexpr int dimensionTableauMax = 7;

struct TtableauAdessiner {
    // 0..7 each; a description beyond 7 × 7 (or below 0) gives an empty table.
    std::uint8_t lignes = 0;
    std::uint8_t colonnes = 0;
    // What is still to be read.
    std::string source;
    double largeurColonne = 0;  // in text columns
    double hauteurLigne = 0;    // in line pitches
    // [row][column] from 0, at most 120 characters each.
    std::array<std::array<std::string, dimensionTableauMax>, dimensionTableauMax> cellules;
    // Text columns the table takes in its line: round(columns × column width), kept within
    // 0..255 (a formula line holds no more).
    int largeurTotale = 0;
};

// Fills the record from its source.
void lireTableau(TtableauAdessiner& tableau);
// The next argument, up to the first ";" outside parentheses (the last character is never a
// separator), removed from the source with its ";". The last argument empties the source, so that
// the cells a description leaves out stay empty.
std::string lireArgumentTableau(TtableauAdessiner& tableau);
double lireNombreTableau(TtableauAdessiner& tableau);
