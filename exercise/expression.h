#pragma once
// Algebraic expressions typed by the pupil or written by an exercise: a binary tree of at most 50
// nodes over up to three one-letter variables, its evaluation, and the form marks the checks use
// (expanded, reduced, factorised, simplifiable). Texts are Windows-1252 bytes.

#include <array>
#include <cstdint>
#include <string>

constexpr int nbBranchesMax = 50;
constexpr int nbVariablesMax = 3;

// Private bytes of the prepared text, in place of the words "pi", "rac" and "cos".
constexpr char codePi = '\xE1';       // 225
constexpr char codeRacine = '\xE2';   // 226
constexpr char codeCosinus = '\xE3';  // 227

// Node kinds.
constexpr int brancheAddition = 1;
constexpr int brancheSoustraction = 2;
constexpr int brancheOppose = 3;
constexpr int brancheProduit = 4;
constexpr int brancheQuotient = 5;
constexpr int branchePuissance = 6;
constexpr int brancheRacine = 7;
constexpr int brancheParentheses = 8;
constexpr int brancheSignePlus = 9;
constexpr int brancheNombre = 10;
constexpr int brancheVariable = 11;
constexpr int brancheCosinus = 13;

// Parse errors (erreurAnalyse).
constexpr int erreurParentheses = 1;
constexpr int erreurSyntaxe = 2;
constexpr int erreurVariable = 4;
constexpr int erreurExposant = 5;
constexpr int erreurQuotientProduit = 6;
constexpr int erreurTexteVide = 8;
constexpr int erreurRacineVariable = 9;

struct Tbranche {
    int genreBranche = 0;
    int gauche = 0;  // node numbers of the children, 0 when absent
    int droite = 0;
    std::string texte;
    double valeur = 0;
    bool constante = true;        // no variable below
    bool polynomiale = true;      // no variable in a denominator or under a root
    bool monome = true;           // a product of factors with no sum at its top
    bool avecCoefficient = false; // a numeric or sign factor
    bool negative = false;        // a minus sign factor
    bool avecNombre = false;      // a number literal factor other than pi
    bool sommeNombres = false;    // a constant term built of number literals
    bool avecRacine = false;      // a square-root factor
    bool sommeRacines = false;
    bool entiere = false;         // a whole-number literal
    std::array<int, nbVariablesMax> degres{};  // degree in variable numeroVariable, at [numero - 1]
    int nbFacteurs = 0;           // non-constant factors; a sum counts as one
    std::int64_t valeurEntiere = 0;
    int numeroVariable = 0;       // 1 to 3 for a variable node
};

struct Texpression {
    std::string texte;  // the prepared text
    int nbBranches = 0;
    int nbFacteurs = 0;
    std::array<Tbranche, nbBranchesMax + 1> branches;  // nodes 1 to 50, node 1 the root
    int nbVariables = 0;  // the number of letters given, which may exceed the three kept
    std::string variables;
    std::array<double, nbVariablesMax> valeursVariables{};  // value of variable i at [i - 1]
    double valeur = 0;
    bool erreurCalcul = false;
    int erreurAnalyse = 0;
    bool polynomiale = true;
    bool constante = true;
    bool developpee = true;
    bool simplifiable = false;
    int nbTermes = 1;
    bool nonReduite = false;
    bool avecDecimale = false;
};

// Prepares and parses texte; erreurAnalyse tells whether it succeeded. A constant expression is
// evaluated at once. The expression is reset first, so one record may serve several texts.
void construireExpression(Texpression& expression, const std::string& texte, const std::string& variables);
// Evaluates with the current valeursVariables: erreurCalcul, and valeur when it succeeded.
void evaluerExpression(Texpression& expression);

// The square root of x is closer than 1e-10 to a whole number.
bool estCarreParfait(double x);
// x is a whole number greater than 1 that is not a perfect square.
bool estEntierNonCarre(double x);
// Some root factor of the first text times some root factor of the second is a perfect square;
// never when either text holds pi.
bool produitRacinesSimplifiable(const std::string& texte1, const std::string& texte2);
