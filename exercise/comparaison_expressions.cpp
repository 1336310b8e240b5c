#include "exercise/comparaison_expressions.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "engine/base/nombres.h"
#include "exercise/codes_reponse.h"
#include "exercise/expression.h"

namespace {

// Below this answer kind, a variable in a denominator or under a root is refused.
constexpr int genrePremierSansPolynome = 19;

// What a parse error of the answer tells the pupil; other errors read as "cannot be read".
constexpr std::array<std::pair<int, int>, 5> comparaisonsSelonErreur = {{
    {erreurParentheses, comparaisonParenthesage},
    {erreurVariable, comparaisonVariableInconnue},
    {erreurExposant, comparaisonPuissance},
    {erreurQuotientProduit, comparaisonQuotientProduit},
    {erreurRacineVariable, comparaisonRacineVariable},
}};

int comparaisonSelonErreur(int erreur)
{
    for (const auto& [e, comparaison] : comparaisonsSelonErreur)
        if (e == erreur) return comparaison;
    return comparaisonReponseIllisible;
}

// The last values computed. Where the expected expression has no value the point says nothing;
// where only the answer has none, the answer is not the expected expression.
bool egales(const Texpression& reponse, const Texpression& attendu, double tolerance)
{
    if (attendu.erreurCalcul) return true;
    if (reponse.erreurCalcul) return false;
    return std::fabs(reponse.valeur - attendu.valeur) < tolerance;
}

bool egalesAuPoint(Texpression& reponse, Texpression& attendu, double x, double y, double z,
                   double tolerance)
{
    for (Texpression* e : {&reponse, &attendu}) {
        e->valeursVariables[0] = x;
        e->valeursVariables[1] = y;
        e->valeursVariables[2] = z;
        evaluerExpression(*e);
    }
    return egales(reponse, attendu, tolerance);
}

bool memesValeurs(Texpression& reponse, Texpression& attendu, double tolerance)
{
    switch (reponse.nbVariables) {
    case 0:
        return egales(reponse, attendu, tolerance);  // both constants were evaluated when built
    case 1:
        for (int x = -5; x <= 5; ++x)
            if (!egalesAuPoint(reponse, attendu, x, 0, 0, tolerance)) return false;
        return true;
    case 2:
        for (int x = -4; x <= 4; ++x)
            for (int y = -4; y <= 4; ++y)
                if (!egalesAuPoint(reponse, attendu, x, y, 0, tolerance)) return false;
        return true;
    default:
        // Three variables: compared at the 343 points with every coordinate among -3 to 3, so
        // that "x" is not taken for "x+y+z".
        for (int x = -3; x <= 3; ++x)
            for (int y = -3; y <= 3; ++y)
                for (int z = -3; z <= 3; ++z)
                    if (!egalesAuPoint(reponse, attendu, x, y, z, tolerance)) return false;
        return true;
    }
}

int comparerFormes(const Texpression& reponse, const Texpression& attendu, int genre)
{
    const bool developpeeDemandee = genre == typeExpressionDeveloppee || genre == typeExpressionSansParentheses;
    if (genre == typeExpressionSansParentheses && reponse.texte.find('(') != std::string::npos)
        return comparaisonParenthesesInterdites;
    if (developpeeDemandee && !reponse.developpee) return comparaisonNonDeveloppee;
    if (developpeeDemandee && reponse.nbTermes > attendu.nbTermes) return comparaisonTropDeTermes;
    if (genre == typeExpressionFactorisee) {
        if (reponse.nbFacteurs < 2) return comparaisonNonFactorisee;
        if (reponse.nbFacteurs < attendu.nbFacteurs) return comparaisonPasAssezFactorisee;
        if (reponse.nonReduite) return comparaisonNonReduite;
    }
    const bool decimaleEnTrop = reponse.avecDecimale && !attendu.avecDecimale;
    if (reponse.simplifiable || decimaleEnTrop) return comparaisonSimplifiable;
    return comparaisonJuste;
}

}  // namespace

int comparerExpressions(const std::string& reponse, const std::string& attendu, const std::string& variables,
                        double tolerance, int genre)
{
    // Both records live for this call only.
    Texpression r;
    Texpression a;
    construireExpression(r, reponse, variables);
    if (r.erreurAnalyse != 0) return comparaisonSelonErreur(r.erreurAnalyse);
    construireExpression(a, attendu, variables);
    if (a.erreurAnalyse != 0) return comparaisonAttenduIllisible;
    if (genre < genrePremierSansPolynome && !r.polynomiale) return comparaisonNonPolynomiale;
    // A tolerance of 0 would make every pair of values unequal, and every answer wrong.
    if (!(tolerance > 0)) tolerance = toleranceParDefaut;
    if (!memesValeurs(r, a, tolerance)) return comparaisonValeursDifferentes;
    return comparerFormes(r, a, genre);
}
