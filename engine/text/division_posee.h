#pragma once
// The long division as it is written in class: the dividend top left, the divisor right of a
// vertical bar, the quotient under it, and under the dividend the successive remainders with the
// digits brought down, optionally preceded by the subtracted products (the detailed division).
// It works digit by digit on decimal digit strings and continues into the decimals wanted,
// stopping early when the remainder becomes 0.

#include <array>
#include <cstdint>
#include <string>

#include "platform/canevas.h"

constexpr int etapesDivisionMax = 52;
constexpr int stadesDivisionMax = 48;
constexpr std::size_t longueurTexteEtapeMax = 12;

// One text written under the dividend: a remainder, a product ("-" in front) or a digit brought
// down.
struct TetapeDiv {
    int position = 0;  // the dividend position (from 1) its last character stands under
    int rangee = 0;    // 0: the dividend's own row
    std::string texte;
    int stade = 0;
    bool abaisse = false;  // a digit brought down
};

// Built, computed, drawn and forgotten within one drawing. Positions are digit indices in the
// dividend, from 1; stages number the events of the computation so that it can be drawn up to
// any of them.
struct TblocDiv {
    std::string dividende;  // the digits without comma, zeros added for the decimals
    std::string diviseur;
    std::string quotient;
    std::string reste;      // the current partial dividend
    int decimales = 0;
    int positionVirgule = 0;  // the first decimal digit's position; length + 1 without comma
    int longueurPremier = 0;  // digits of the first partial dividend
    int longueurDividende = 0;
    int chiffresQuotient = 0;
    int largeurDroite = 0;
    double haut = 0;
    double ligneQuotient = 0;
    double gauche = 0;
    double xDiviseur = 0;
    double xBarre = 0;
    bool detaillee = false;
    int nbLignes = 0;
    double largeurColonne = 0;
    double hauteurRangee = 0;
    std::array<TetapeDiv, etapesDivisionMax> etapes;
    std::array<int, stadesDivisionMax + 1> longueurQuotientEtape{};  // index 1..48
    int etapeVirgule = 0;
    bool premierTropCourt = false;
    int zerosFinaux = 0;
    int nbEtapes = 0;
    int virguleQuotient = 0;  // quotient digits before its comma; 0: no comma
    double yBas = 0;
    double xDroite = 0;
    int position = 0;
    int etape = 0;
    int etapeLimite = 0;
    int epaisseur = 1;
    double echelle = 1;
};

// Draws the division of the dividend (decimal comma or point) by the whole divisor, with the
// quotient carried to `decimales` decimals at most. Nothing is drawn when the dividend or the
// divisor is not a number, the divisor is 0 or has a decimal part, or the division needs more
// than the record holds (52 texts, 48 stages, 12 characters a text).
void dessinerDivisionPosee(Canevas& canevas, const std::string& dividende,
                           const std::string& diviseur, double echelle, double haut,
                           double gauche, bool detaillee, std::uint8_t decimales);

// Fills the record for the texts and computes the division; false when it cannot be posed.
bool preparerDivision(TblocDiv& bloc, const std::string& dividende, const std::string& diviseur,
                      bool detaillee, std::uint8_t decimales);
// The steps and the quotient, stage by stage; false when the record is full.
bool calculerDivision(TblocDiv& bloc);
void calculerMiseEnPageDivision(TblocDiv& bloc, double echelle, double haut, double gauche);
void dessinerDivision(Canevas& canevas, TblocDiv& bloc);

// Decimal digits only, at least one.
bool estChiffres(const std::string& s);
// Digit strings without sign or leading zeros.
// a ≤ b as numbers.
bool comparerNombresTexte(const std::string& a, const std::string& b);
// "0" in front until s has n characters.
void completerZerosGauche(std::size_t n, std::string& s);
// a − b for a ≥ b, leading zeros removed (one digit kept).
void soustraireTexte(const std::string& a, const std::string& b, std::string& resultat);
// s × chiffre (0..9).
void multiplierTexteChiffre(int chiffre, const std::string& s, std::string& resultat);
// The text made decimal (comma, no blanks, no useless zeros), the position of its comma from 1
// (0 without one) noted and the comma deleted; valide is 2 when what is left is digits only and
// not empty, 1 otherwise.
void lireDividende(std::string& texte, int& positionVirgule, int& valide);
