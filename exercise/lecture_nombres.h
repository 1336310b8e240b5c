#pragma once
// The small readers of what the pupil types as a number: unsigned integers, decimals with a comma
// or a point, fractions, a leading sign. They answer with a reading code, never by failing.

#include <string>

// Reading codes; 1 and 7 are failures, every other code is a number.
constexpr int lectureIncomprise = 1;
constexpr int lectureEntier = 2;
constexpr int lectureDecimal = 3;
constexpr int lectureFraction = 4;
constexpr int lectureFractionDecimaux = 5;
constexpr int lectureDenominateurNul = 7;

bool lectureReussie(int code);

// '0' to '9'.
inline bool estChiffre(char c) { return c >= '0' && c <= '9'; }

// 1 to 15 digits and nothing else. On failure valeur is 0.
void lireNombre(const std::string& texte, double& valeur, int& code);
// An integer, or a decimal whose two parts around the first "," (else the first ".") are both
// present.
void lireNombreOuFraction(const std::string& texte, double& valeur, int& code);
// As above, or two such numbers around the first "/". A text without "/" reads as numerateur/1.
void lireFraction(const std::string& texte, double& valeur, int& code, double& numerateur,
                  double& denominateur);
// Blanks anywhere and one leading sign allowed; the sign applies to valeur only.
void lireNombreSigne(const std::string& texte, double& valeur, int& code, double& numerateur,
                     double& denominateur);

// True when both are whole numbers with a common divisor greater than 1 (a reducible fraction).
bool termesReductibles(double numerateur, double denominateur);
