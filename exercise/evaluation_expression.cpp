// The value of a parsed expression for the current values of its variables.

#include <cmath>

#include "exercise/expression.h"

namespace {

constexpr double denominateurMin = 1e-20;
constexpr double radicandeMin = -1e-10;

// False when the value cannot be computed. A result that is not a finite number (an overflow of
// powers or products) is such a failure too, so that no infinity or NaN reaches a comparison.
bool evaluerBranche(const Texpression& e, int numero, double& valeur)
{
    const Tbranche& b = e.branches[static_cast<std::size_t>(numero)];
    double g = 0;
    double d = 0;
    if (b.gauche != 0 && !evaluerBranche(e, b.gauche, g)) return false;
    if (b.droite != 0 && !evaluerBranche(e, b.droite, d)) return false;
    switch (b.genreBranche) {
    case brancheAddition: valeur = g + d; break;
    case brancheSoustraction: valeur = g - d; break;
    case brancheProduit: valeur = g * d; break;
    case brancheQuotient:
        if (std::fabs(d) <= denominateurMin) return false;
        valeur = g / d;
        break;
    case branchePuissance: {
        // The parser only lets whole exponents from 2 to 9 through.
        const long exposant = std::lround(d);
        valeur = g;
        for (long i = 1; i < exposant; ++i) valeur *= g;
        break;
    }
    case brancheRacine:
        if (g < radicandeMin) return false;
        valeur = g <= 0 ? 0 : std::sqrt(g);
        break;
    case brancheOppose: valeur = -g; break;
    case brancheParentheses:
    case brancheSignePlus: valeur = g; break;
    case brancheNombre: valeur = b.valeur; break;
    case brancheVariable:
        valeur = e.valeursVariables[static_cast<std::size_t>(b.numeroVariable - 1)];
        break;
    default: return false;
    }
    return std::isfinite(valeur);
}

}  // namespace

void evaluerExpression(Texpression& expression)
{
    double valeur = 0;
    // A tree whose parse failed may be half built: it has no value.
    expression.erreurCalcul = expression.erreurAnalyse != 0 || !evaluerBranche(expression, 1, valeur);
    if (!expression.erreurCalcul) expression.valeur = valeur;
}
