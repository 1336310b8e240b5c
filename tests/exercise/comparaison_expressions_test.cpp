#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exercise/codes_reponse.h"
#include "exercise/comparaison_expressions.h"

namespace {

struct Cas {
    std::string reponse;
    std::string attendu;
    std::string variables;
    int genre;
    int code;
    double tolerance = 1e-9;
};

void verifier(const std::vector<Cas>& cas)
{
    for (const Cas& c : cas) {
        SCOPED_TRACE("reponse \"" + c.reponse + "\", attendu \"" + c.attendu + "\", genre " +
                     std::to_string(c.genre));
        EXPECT_EQ(comparerExpressions(c.reponse, c.attendu, c.variables, c.tolerance, c.genre), c.code);
    }
}

TEST(ComparerExpressions, ValeursEgalesOuDifferentes)
{
    verifier({
        {"2x+3", "2*x+3", "x", typeExpression, comparaisonJuste},
        {"3+x*2", "2*x+3", "x", typeExpression, comparaisonJuste},
        {"2*x+3", "3+x*2", "x", typeExpression, comparaisonJuste},
        {"x²", "x^2", "x", typeExpression, comparaisonJuste},
        {"xp2", "x*x", "x", typeExpression, comparaisonJuste},
        {" 2 x + 3 ", "2x+3", "x", typeExpression, comparaisonJuste},
        {"2x+4", "2x+3", "x", typeExpression, comparaisonValeursDifferentes},
        {"x+y", "y+x", "xy", typeExpression, comparaisonJuste},
        {"x-y", "y-x", "xy", typeExpression, comparaisonValeursDifferentes},
        {"(x+y)^2", "x^2+2xy+y^2", "xy", typeExpressionLibre, comparaisonJuste},
        {"(x+y)^2", "x^2+y^2", "xy", typeExpressionLibre, comparaisonValeursDifferentes},
        // Equal at the whole points -5 to 5 only, and -4 to 4 with two variables.
        {"x(x^2-1)(x^2-4)(x^2-9)(x^2-16)(x^2-25)+x", "x", "x", typeExpressionLibre, comparaisonJuste},
        {"x(x^2-1)(x^2-4)(x^2-9)(x^2-16)+x", "x", "x", typeExpressionLibre, comparaisonValeursDifferentes},
        {"x(x^2-1)(x^2-4)(x^2-9)(x^2-16)y+x", "x", "xy", typeExpressionLibre, comparaisonJuste},
        {"x(x^2-1)(x^2-4)(x^2-9)y+x", "x", "xy", typeExpressionLibre, comparaisonValeursDifferentes},
        {"2", "2", "", typeExpression, comparaisonJuste},
        {"3", "2", "", typeExpression, comparaisonValeursDifferentes},
        {"2pi", "pi+pi", "", typeExpressionLibre, comparaisonJuste},
        {"pi+pi", "2pi", "", typeExpressionLibre, comparaisonJuste},
        // Three variables: compared at the points -3 to 3 of each.
        {"x+y+z", "x", "xyz", typeExpressionLibre, comparaisonValeursDifferentes},
        {"x+y+z", "z+x+y", "xyz", typeExpressionLibre, comparaisonJuste},
        {"x(y+z)", "xy+xz", "xyz", typeExpressionLibre, comparaisonJuste},
        {"x+y+z", "x", "xyzt", typeExpressionLibre, comparaisonValeursDifferentes},
    });
}

TEST(ComparerExpressions, Tolerance)
{
    verifier({
        {"3,14", "pi", "", typeExpressionLibre, comparaisonSimplifiable, 0.01},
        {"3,14", "pi", "", typeExpressionLibre, comparaisonValeursDifferentes, 0.001},
        // A difference of exactly the tolerance is unequal.
        {"1,5", "1", "", typeExpressionLibre, comparaisonValeursDifferentes, 0.5},
        {"1,25", "1", "", typeExpressionLibre, comparaisonSimplifiable, 0.5},
        // A tolerance of 0 stands for 1e-9, or nothing could ever be equal.
        {"2x+3", "2x+3", "x", typeExpression, comparaisonJuste, 0},
        {"2x+3", "2x+3+1/1000000", "x", typeExpressionLibre, comparaisonValeursDifferentes, 0},
        {"2x+3", "2x+3", "x", typeExpression, comparaisonJuste, -1},
    });
}

TEST(ComparerExpressions, ErreursDeLaReponseEtDeLAttendu)
{
    verifier({
        {"x^10", "x^2", "x", typeExpression, comparaisonPuissance},
        {"x^1", "x", "x", typeExpression, comparaisonPuissance},
        {"2^x", "4", "x", typeExpression, comparaisonPuissance},
        {"a/b*c", "(a/b)*c", "abc", typeExpressionLibre, comparaisonQuotientProduit},
        {"(a/b)*c", "a*c/b", "abc", typeExpressionLibre, comparaisonJuste},
        {"1/2*x", "x/2", "x", typeExpression, comparaisonQuotientProduit},
        {"rac(x)", "x", "x", typeExpression, comparaisonRacineVariable},
        {"(x+1", "x+1", "x", typeExpression, comparaisonParenthesage},
        {"x+1)", "x+1", "x", typeExpression, comparaisonParenthesage},
        {"y+1", "x+1", "x", typeExpression, comparaisonVariableInconnue},
        {"3X", "3x", "x", typeExpression, comparaisonVariableInconnue},
        {"", "x", "x", typeExpression, comparaisonReponseIllisible},
        {"2x+", "2x", "x", typeExpression, comparaisonReponseIllisible},
        {"2x=4", "2x", "x", typeExpression, comparaisonReponseIllisible},
        {"cos(x)", "0", "x", typeExpression, comparaisonReponseIllisible},
        {"x", "x+", "x", typeExpression, comparaisonAttenduIllisible},
        {"x", "", "x", typeExpression, comparaisonAttenduIllisible},
        {"x", "y", "x", typeExpression, comparaisonAttenduIllisible},
        // The answer is read first: its error wins over the expected text's.
        {"(x", "x+", "x", typeExpression, comparaisonParenthesage},
    });
}

TEST(ComparerExpressions, VariableAuDenominateur)
{
    verifier({
        {"1/x", "1/x", "x", typeExpression, comparaisonNonPolynomiale},
        {"1/x", "1/x", "x", typeExpressionLibre, comparaisonJuste},
        {"1/x", "2/x", "x", typeExpressionLibre, comparaisonValeursDifferentes},
        // The points where x or y is 0 have no value on either side and are skipped.
        {"1/(x*y)", "1/(x*y)", "xy", typeExpressionLibre, comparaisonJuste},
        {"1/(x*y)", "2/(x*y)", "xy", typeExpressionLibre, comparaisonValeursDifferentes},
        {"1/(xy)", "1/x/y", "xy", typeExpressionLibre, comparaisonJuste},
        // Where only the answer has no value, it is not the expected expression.
        {"1/(x-1)+1-1/(x-1)", "1", "x", typeExpressionLibre, comparaisonValeursDifferentes},
        {"1/0", "0", "", typeExpressionLibre, comparaisonValeursDifferentes},
        {"rac(-1)", "0", "", typeExpressionLibre, comparaisonValeursDifferentes},
        {"((10^9)^9)^9", "0", "", typeExpressionLibre, comparaisonValeursDifferentes},
        // Where only the expected expression has none, the point says nothing.
        {"x", "x^2/x", "x", typeExpressionLibre, comparaisonJuste},
    });
}

TEST(ComparerExpressions, FormesDemandees)
{
    constexpr int factorisee = typeExpressionFactorisee;
    constexpr int developpee = typeExpressionDeveloppee;
    constexpr int sansParentheses = typeExpressionSansParentheses;
    verifier({
        {"2(x+1)", "2x+2", "x", developpee, comparaisonNonDeveloppee},
        {"2x+1+1", "2x+2", "x", developpee, comparaisonTropDeTermes},
        {"2x+2", "2x+2", "x", developpee, comparaisonJuste},
        {"2+2x", "2x+2", "x", developpee, comparaisonJuste},
        {"1+2x+x^2", "x²+2x+1", "x", developpee, comparaisonJuste},
        // The expected text of an expanded answer is itself expanded: it gives the number of terms.
        {"x^2+2x+1", "(x+1)^2", "x", developpee, comparaisonTropDeTermes},
        {"x²+2x+1", "x^2+2x+1", "x", sansParentheses, comparaisonJuste},
        {"(2x)+2", "2x+2", "x", sansParentheses, comparaisonParenthesesInterdites},
        {"2(x+1)", "2x+2", "x", sansParentheses, comparaisonParenthesesInterdites},
        {"x²+x", "x(x+1)", "x", factorisee, comparaisonNonFactorisee},
        {"x(x+1)", "x(x+1)", "x", factorisee, comparaisonJuste},
        {"(x+1)x", "x(x+1)", "x", factorisee, comparaisonJuste},
        {"2(x+1)", "2x+2", "x", factorisee, comparaisonNonFactorisee},
        {"2(x+1)", "2(x+1)", "x", factorisee, comparaisonNonFactorisee},
        {"x(x²+x)", "x*x*(x+1)", "x", factorisee, comparaisonPasAssezFactorisee},
        {"(2x+3x)(x+1)", "5x(x+1)", "x", factorisee, comparaisonNonReduite},
        {"0,5x", "x/2", "x", typeExpression, comparaisonJuste},
        {"x/2", "0.5x", "x", typeExpression, comparaisonJuste},
        {"2,0x", "2x", "x", typeExpression, comparaisonSimplifiable},
        {"2,5x", "5x/2", "x", typeExpression, comparaisonJuste},
        {"2x*3", "6x", "x", typeExpression, comparaisonSimplifiable},
        {"1x", "x", "x", typeExpression, comparaisonSimplifiable},
        {"x+0", "x", "x", typeExpression, comparaisonSimplifiable},
        {"rac(4)", "2", "", typeExpression, comparaisonSimplifiable},
        {"rac(8)", "2rac(2)", "", typeExpression, comparaisonJuste},
        {"2rac(3)+3rac(3)", "5rac(3)", "", typeExpression, comparaisonSimplifiable},
    });
}

}  // namespace
