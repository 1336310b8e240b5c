#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exercise/comparaison_expressions.h"

namespace {

constexpr int genreExpression = 14;
constexpr int genreExpressionLibre = 43;

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
        {"2x+3", "2*x+3", "x", genreExpression, comparaisonJuste},
        {"3+x*2", "2*x+3", "x", genreExpression, comparaisonJuste},
        {"2*x+3", "3+x*2", "x", genreExpression, comparaisonJuste},
        {"x²", "x^2", "x", genreExpression, comparaisonJuste},
        {"xp2", "x*x", "x", genreExpression, comparaisonJuste},
        {" 2 x + 3 ", "2x+3", "x", genreExpression, comparaisonJuste},
        {"2x+4", "2x+3", "x", genreExpression, comparaisonValeursDifferentes},
        {"x+y", "y+x", "xy", genreExpression, comparaisonJuste},
        {"x-y", "y-x", "xy", genreExpression, comparaisonValeursDifferentes},
        {"(x+y)^2", "x^2+2xy+y^2", "xy", genreExpressionLibre, comparaisonJuste},
        {"(x+y)^2", "x^2+y^2", "xy", genreExpressionLibre, comparaisonValeursDifferentes},
        // Equal at the whole points -5 to 5 only, and -4 to 4 with two variables.
        {"x(x^2-1)(x^2-4)(x^2-9)(x^2-16)(x^2-25)+x", "x", "x", genreExpressionLibre, comparaisonJuste},
        {"x(x^2-1)(x^2-4)(x^2-9)(x^2-16)+x", "x", "x", genreExpressionLibre, comparaisonValeursDifferentes},
        {"x(x^2-1)(x^2-4)(x^2-9)(x^2-16)y+x", "x", "xy", genreExpressionLibre, comparaisonJuste},
        {"x(x^2-1)(x^2-4)(x^2-9)y+x", "x", "xy", genreExpressionLibre, comparaisonValeursDifferentes},
        {"2", "2", "", genreExpression, comparaisonJuste},
        {"3", "2", "", genreExpression, comparaisonValeursDifferentes},
        {"2pi", "pi+pi", "", genreExpressionLibre, comparaisonJuste},
        {"pi+pi", "2pi", "", genreExpressionLibre, comparaisonJuste},
        // Three variables: compared at the points -3 to 3 of each.
        {"x+y+z", "x", "xyz", genreExpressionLibre, comparaisonValeursDifferentes},
        {"x+y+z", "z+x+y", "xyz", genreExpressionLibre, comparaisonJuste},
        {"x(y+z)", "xy+xz", "xyz", genreExpressionLibre, comparaisonJuste},
        {"x+y+z", "x", "xyzt", genreExpressionLibre, comparaisonValeursDifferentes},
    });
}

TEST(ComparerExpressions, Tolerance)
{
    verifier({
        {"3,14", "pi", "", genreExpressionLibre, comparaisonSimplifiable, 0.01},
        {"3,14", "pi", "", genreExpressionLibre, comparaisonValeursDifferentes, 0.001},
        // A difference of exactly the tolerance is unequal.
        {"1,5", "1", "", genreExpressionLibre, comparaisonValeursDifferentes, 0.5},
        {"1,25", "1", "", genreExpressionLibre, comparaisonSimplifiable, 0.5},
        // A tolerance of 0 stands for 1e-9, or nothing could ever be equal.
        {"2x+3", "2x+3", "x", genreExpression, comparaisonJuste, 0},
        {"2x+3", "2x+3+1/1000000", "x", genreExpressionLibre, comparaisonValeursDifferentes, 0},
        {"2x+3", "2x+3", "x", genreExpression, comparaisonJuste, -1},
    });
}

TEST(ComparerExpressions, ErreursDeLaReponseEtDeLAttendu)
{
    verifier({
        {"x^10", "x^2", "x", genreExpression, comparaisonPuissance},
        {"x^1", "x", "x", genreExpression, comparaisonPuissance},
        {"2^x", "4", "x", genreExpression, comparaisonPuissance},
        {"a/b*c", "(a/b)*c", "abc", genreExpressionLibre, comparaisonQuotientProduit},
        {"(a/b)*c", "a*c/b", "abc", genreExpressionLibre, comparaisonJuste},
        {"1/2*x", "x/2", "x", genreExpression, comparaisonQuotientProduit},
        {"rac(x)", "x", "x", genreExpression, comparaisonRacineVariable},
        {"(x+1", "x+1", "x", genreExpression, comparaisonParenthesage},
        {"x+1)", "x+1", "x", genreExpression, comparaisonParenthesage},
        {"y+1", "x+1", "x", genreExpression, comparaisonVariableInconnue},
        {"3X", "3x", "x", genreExpression, comparaisonVariableInconnue},
        {"", "x", "x", genreExpression, comparaisonReponseIllisible},
        {"2x+", "2x", "x", genreExpression, comparaisonReponseIllisible},
        {"2x=4", "2x", "x", genreExpression, comparaisonReponseIllisible},
        {"cos(x)", "0", "x", genreExpression, comparaisonReponseIllisible},
        {"x", "x+", "x", genreExpression, comparaisonAttenduIllisible},
        {"x", "", "x", genreExpression, comparaisonAttenduIllisible},
        {"x", "y", "x", genreExpression, comparaisonAttenduIllisible},
        // The answer is read first: its error wins over the expected text's.
        {"(x", "x+", "x", genreExpression, comparaisonParenthesage},
    });
}

TEST(ComparerExpressions, VariableAuDenominateur)
{
    verifier({
        {"1/x", "1/x", "x", genreExpression, comparaisonNonPolynomiale},
        {"1/x", "1/x", "x", genreExpressionLibre, comparaisonJuste},
        {"1/x", "2/x", "x", genreExpressionLibre, comparaisonValeursDifferentes},
        // The points where x or y is 0 have no value on either side and are skipped.
        {"1/(x*y)", "1/(x*y)", "xy", genreExpressionLibre, comparaisonJuste},
        {"1/(x*y)", "2/(x*y)", "xy", genreExpressionLibre, comparaisonValeursDifferentes},
        {"1/(xy)", "1/x/y", "xy", genreExpressionLibre, comparaisonJuste},
        // Where only the answer has no value, it is not the expected expression.
        {"1/(x-1)+1-1/(x-1)", "1", "x", genreExpressionLibre, comparaisonValeursDifferentes},
        {"1/0", "0", "", genreExpressionLibre, comparaisonValeursDifferentes},
        {"rac(-1)", "0", "", genreExpressionLibre, comparaisonValeursDifferentes},
        {"((10^9)^9)^9", "0", "", genreExpressionLibre, comparaisonValeursDifferentes},
        // Where only the expected expression has none, the point says nothing.
        {"x", "x^2/x", "x", genreExpressionLibre, comparaisonJuste},
    });
}

TEST(ComparerExpressions, FormesDemandees)
{
    constexpr int factorisee = genreExpressionFactorisee;
    constexpr int developpee = genreExpressionDeveloppee;
    constexpr int sansParentheses = genreExpressionSansParentheses;
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
        {"0,5x", "x/2", "x", genreExpression, comparaisonJuste},
        {"x/2", "0.5x", "x", genreExpression, comparaisonJuste},
        {"2,0x", "2x", "x", genreExpression, comparaisonSimplifiable},
        {"2,5x", "5x/2", "x", genreExpression, comparaisonJuste},
        {"2x*3", "6x", "x", genreExpression, comparaisonSimplifiable},
        {"1x", "x", "x", genreExpression, comparaisonSimplifiable},
        {"x+0", "x", "x", genreExpression, comparaisonSimplifiable},
        {"rac(4)", "2", "", genreExpression, comparaisonSimplifiable},
        {"rac(8)", "2rac(2)", "", genreExpression, comparaisonJuste},
        {"2rac(3)+3rac(3)", "5rac(3)", "", genreExpression, comparaisonSimplifiable},
    });
}

}  // namespace
