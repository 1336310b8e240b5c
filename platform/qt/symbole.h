#pragma once
// The "Symbol" font places mathematical signs and Greek letters on the byte positions of ordinary
// characters. The program draws such bytes (0xB9 for "≠", "p" for "π"); no font here has that
// layout, so the bytes become the Unicode signs they stand for and a Unicode font draws them.

#include <QString>
#include <string>

// The sign the Symbol font shows at this byte; a blank where the font has no sign, and control
// bytes unchanged.
char16_t signeSymbole(unsigned char octet);

// A Symbol-encoded text as the Unicode signs it shows.
QString versUnicodeSymbole(const std::string& texte);
