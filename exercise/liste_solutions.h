#pragma once
// A list of values typed as "v1;v2;...": solutions of an equation, lists, coordinates, bounds.
// Each value is a constant expression; its written form tells whether it could be simpler.

#include <array>
#include <string>

constexpr int nbSolutionsMax = 10;
constexpr std::size_t longueurSolutionMax = 40;
constexpr int erreurListe = 2;

// Forms of an item besides the reading codes lectureEntier .. lectureFractionDecimaux.
constexpr int formeIllisible = 1;     // not a constant expression, or no value
constexpr int formeExpression = 10;   // a constant expression that is not a plain number (2*3, a root)

struct Tsolution {
    std::string texte;
    double valeur = 0;
    int forme = formeIllisible;
    bool simplifiable = false;
};

struct TlisteSolutions {
    std::string texte;  // the cleaned text
    std::array<Tsolution, nbSolutionsMax> solutions;  // items 1 to nbSolutions at [0 .. nbSolutions - 1]
    int nbSolutions = 0;
    int erreur = 0;        // 0, or erreurListe: an unreadable item or more than 10 items
    bool doublon = false;  // two items within 1e-9 (sorted lists only)
};

// Reads the items of texte; with trier, sorts them in ascending order and detects duplicates.
void lireListeSolutions(TlisteSolutions& liste, const std::string& texte, bool trier);
// Reads solution.texte into its valeur, forme and simplifiable.
void lireSolution(Tsolution& solution);
// Ascending order; stops at the first two items within 1e-9, setting doublon.
void trier(TlisteSolutions& liste);
