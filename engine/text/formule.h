#pragma once
// The formula notation: a text laid out one character per column, in which keywords cut out the
// constructs that need more than one line (fractions, roots, exponents, indices, arrows, tables,
// systems). Each construct is drawn as lines and smaller texts over the columns it occupies; what
// is left of the text is then drawn in one fixed-pitch run.

#include <cstddef>
#include <string>

#include "platform/canevas.h"

enum TcodeConstruction : int {
    constructionAngle = 1,                   // "ang(": hat over an angle
    constructionRacine,                      // "rac(": square root
    constructionVecteur,                     // "vec(": vector arrow
    constructionExposant,                    // "^("
    constructionFraction,                    // "frac(": numerator ";" denominator
    constructionFractionHaute,               // "fracS(": the denominator a little higher
    constructionIndice,                      // "ind("
    constructionTableau,                     // "tab("
    constructionFleche,                      // "flec(": right arrow
    constructionRacineFraction,              // "racFrac(": a root over a whole fraction
    constructionFractionRacineNumerateur,    // "fracRacN("
    constructionFractionRacineDenominateur,  // "fracRacD("
    constructionFractionRacines,             // "fracRacND("
    constructionSysteme                      // "syst("
};

// A construct found in the text: its code, the index of its argument's first character
// (0-based: the argument's first column is x + p·c) and the argument's length.
struct Tconstruction {
    int code = 0;
    std::size_t p = 0;
    std::size_t n = 0;
};

// Positions in a formula are bytes: a longer text is drawn from its first 255 characters.
constexpr std::size_t longueurFormuleMax = 255;

// Draws the formula with its first column at x and its line top at y, in the column and line
// pitch of the canvas's font size.
void dessinerFormule(Canevas& canevas, std::string texte, double x, double y);

// Finds the construct to handle next (the keyword found earliest in the text; on a tie, the one
// searched first), deletes its keyword and closing parenthesis ("rac(" keeps a blank for the
// sign), and tells where its argument lies. An argument left open runs to the end of the text.
bool chercherConstruction(std::string& texte, Tconstruction& construction);

// A run of the formula: the private sign bytes become Symbol characters, then the fixed-pitch
// renderer draws it in the font colour.
void dessinerTexteFormule(Canevas& canevas, std::string texte, double x, double y);
