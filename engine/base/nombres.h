#pragma once
// Numbers written as the pupil reads them (decimal comma, no trailing zeros, fractions in the
// $-markup) and read back from what was typed; a few integer helpers.

#include <string>

#include "platform/types.h"

// "." as separator, at most 11 decimals: 2.5 gives "2.5", 100 gives "100", 1e-12 gives "0" and
// -1e-12 "-0"; NaN and the infinities give "NaN", "Inf" and "-Inf".
std::string reelVersChaine(double x);
// The formatter every chapter uses: "," as separator, at most 120 characters.
std::string reelVersTexte(double x);
// x rounded to `decimales` decimals (0..11), or in the form "1.5 x 10^(12)" when it is too large
// or too small for them.
std::string notationScientifique(int decimales, double x);
std::string notationScientifiqueTexte(int decimales, double x);
// "$F3;4;" and its kin; "0" for a zero numerator, the integer alone for a denominator of 1; a
// zero denominator is written as given, never simplified.
std::string fractionVersTexte(int numerateur, int denominateur, bool simplifier);
// Rewrites s as a decimal text with a comma, without blanks, leading or trailing zeros.
void texteDecimalVirgule(std::string& s);

// Reads a number typed with a comma or a point, blanks around it allowed; 0 for a text that is
// not a number, or one beyond the range of a double.
double chaineVersReel(const std::string& s);

// Greatest common divisor, never negative but for 2³¹ (INT_MIN with 0 or with itself), which
// wraps to INT_MIN; pgcd(a, 0) = |a|.
int pgcd(int a, int b);
// True when a/b can be reduced: a and b have a common divisor greater than 1.
bool ontDiviseurCommun(int a, int b);
// Sum of the decimal digits; negative for a negative n.
int sommeChiffres(int n);
double maxReel(double a, double b);
int maxEntier(int a, int b);
TColor rvb(int r, int g, int b);

// Reals closer than this are equal: the figure engine's and the checks' equality, and the default
// tolerance of an answer.
constexpr double toleranceParDefaut = 1e-9;
// |b - a| < 1e-9, strictly.
bool presqueEgal(double a, double b);
