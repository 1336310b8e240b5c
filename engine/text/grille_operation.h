#pragma once
// The grid a posed operation is laid out on, and the reading of its terms.
//
// Column 1 is the rightmost and row 1 the bottom one (the subtraction also uses a row 0);
// fractional columns place commas and marks between the digits.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canevas.h"

constexpr TColor couleurOperande = 0x000000;
constexpr TColor couleurRetenue = 0x0000FF;
constexpr TColor couleurProduit = 0xFF0000;

class TgrilleOperation {
public:
    // Sets the canvas font to 11 points; a column is `facteurColonne` column pitches wide and a
    // row `facteurRangee` line pitches high. W columns, R rows.
    TgrilleOperation(Canevas& canevas, double x0, double y0, double facteurColonne,
                     double facteurRangee, int colonnes, int rangees);

    // One character alone in its cell.
    void ecrire(char caractere, double rangee, double colonne, TColor couleur);
    // A number, its last character in `colonne`.
    void ecrireNombre(const std::string& chiffres, double rangee, int colonne, TColor couleur);
    // A black bar at the top of the row, from the left edge of column `largeur` to the right
    // edge of column 1.
    void barre(double rangee, int largeur);

private:
    double x(double colonne) const;
    double y(double rangee) const;

    Canevas& canevas_;
    double x0_;
    double y0_;
    double largeurColonne_;
    double hauteurRangee_;
    int colonnes_;
    int rangees_;
};

// The terms of an addition or a subtraction, scaled by 10^decimales to whole numbers.
struct TtermesOperation {
    std::vector<std::int64_t> valeurs;
    int decimales = 0;
};

// Splits the text (blanks removed) at each separator and scales the terms by their digits. False
// when a term is not a non-negative decimal number, has more than 9 decimals, or a scaled term
// does not fit in 32 bits.
bool lireTermesOperation(const std::string& texte, char separateur, TtermesOperation& termes);
// The digits of a scaled value, with zeros in front up to the units digit: 5 with 2 decimals
// is "005", shown 0,05.
std::string chiffresOperation(std::int64_t valeur, int decimales);
// True when the value fits in a 32-bit integer.
bool tientSur32Bits(std::int64_t valeur);
// The value of a string of decimal digits (an empty one is 0); false when it does not fit in a
// 32-bit integer.
bool lireValeur32Bits(const std::string& chiffres, std::int64_t& valeur);
