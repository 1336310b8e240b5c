#pragma once
// A system of equations to draw, beside a left brace: the record, its reader and its brace, shared
// by the formula notation and the markup's "$s" code.
//
// A description reads: n "\" height "\" offset 1 "\" … "\" offset n "\" line 1 "\" … "\" line n,
// numbers with a decimal comma or point; a "\" inside parentheses belongs to its argument.

#include <array>
#include <cstdint>
#include <string>

#include "platform/canevas.h"

constexpr int nbLignesSystemeMax = 4;
// Formula texts keep their positions in a byte: a description is read from its first 255
// characters.
constexpr std::size_t longueurSystemeMax = 255;

struct TsystemeAdessiner {
    // 0..4.
    std::uint8_t n = 0;
    // What is still to be read.
    std::string source;
    // Lines 1..n, at most 120 characters each; slot 0 is never used.
    std::array<std::string, nbLignesSystemeMax + 1> lignes;
    // Each line's top, in line pitches from the text line's top.
    std::array<double, nbLignesSystemeMax + 1> decalages{};
    // Half the brace's height, in line pitches.
    double hauteur = 0;
};

// Fills the record from its source. A count beyond 4 keeps the first four lines (the offsets of
// the others are read past); a negative count gives none.
void lireSysteme(TsystemeAdessiner& systeme);
// The next argument, up to the first "\" outside parentheses, removed from the source with its
// "\"; with no such "\" before the last character, the whole source, which keeps it.
std::string lireArgumentSysteme(TsystemeAdessiner& systeme);
// The next argument read as a number, a leading "$" dropped (the markup writes its minus "$-").
double lireNombreSysteme(TsystemeAdessiner& systeme);

// The brace of a system in the font colour, at x on a text line whose top is y, for the line
// pitch L.
void tracerAccoladeSysteme(Canevas& canevas, const TsystemeAdessiner& systeme, double x, double y,
                           double L);
