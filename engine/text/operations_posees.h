#pragma once
// Additions, subtractions and multiplications posed the way a pupil writes them: the numbers
// right-aligned in columns, the sign on the left, a bar, the result, and the carries, borrows or
// partial products. (x0, y0) is the top-left corner of the operation on the canvas.
//
// What these layouts cannot show draws nothing: a text that is not made of non-negative decimal
// numbers, more than 10 terms, a subtraction that is not of two terms with the first the larger,
// more than 9 decimals, and values that, once scaled to whole numbers, do not fit in 32 bits.

#include <string>

#include "platform/canevas.h"

constexpr int termesAdditionMax = 10;

// The terms joined by "+", with "," or "." as decimal separator; blanks are ignored.
void dessinerAdditionPosee(Canevas& canevas, const std::string& texte, double x0, double y0);
// Two terms joined by "-", the first not smaller than the second; the borrows are marked the way
// of equal additions (ten added to the digit of the first term, one to the next digit of the
// second).
void dessinerSoustractionPosee(Canevas& canevas, const std::string& texte, double x0, double y0);
// The factors are multiplied as whole numbers: their decimal point and final zeros are not shown.
// Nothing is drawn when the longer factor has one digit or the other is 0 or 1.
void dessinerMultiplicationPosee(Canevas& canevas, const std::string& facteur1,
                                 const std::string& facteur2, double x0, double y0);
