#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exercise/expression.h"

namespace {

TEST(MarquesExpression, Simplifiable)
{
    struct Cas {
        std::string texte;
        bool simplifiable;
    };
    for (const Cas& c : std::vector<Cas>{
             // Roots: a whole number that is not a perfect square, or an irreducible fraction of two.
             {"rac(4)", true},
             {"rac(0,5)", true},
             {"rac(4/9)", true},
             {"rac(6/9)", true},
             {"rac(2/1)", true},
             {"rac(1)", true},
             {"rac(0)", true},
             {"rac(-4)", true},
             {"rac(2*3)", true},
             {"rac(2,5/3)", true},
             {"rac(2)", false},
             {"rac(8)", false},
             {"rac(2/3)", false},
             {"rac(pi)", false},
             {"rac(2)+rac(3)", false},
             {"2rac(3)+3rac(3)", true},
             {"2rac(3)+3rac(5)", false},
             {"rac(2)*rac(3)", true},
             {"3rac(2)x*rac(8)x", true},
             {"rac(2)x*rac(3)x", false},
             {"rac(2)x*rac(3)pix", false},
             {"rac(2)^2", true},
             // Numbers.
             {"0", false},
             {"x+0", true},
             {"0x", true},
             {"2*3", true},
             {"2+3", true},
             {"1+rac(2)", false},
             {"6/4", true},
             {"0/4", true},
             {"4/1", true},
             {"3/4", false},
             {"2^2", true},
             {"10^2", true},
             // Signs and factors of 1.
             {"x-(-2)", true},
             {"-(-x)", true},
             {"(-2)*(-x)", true},
             {"x/(-2)", true},
             {"-x/2", false},
             {"1x", true},
             {"x*1", true},
             {"(1)*x", true},
             {"1.0*x", true},
             {"2x*3", true},
             {"(2x)^2", true},
             {"(-x)^2", true},
             // Already simple.
             {"2x", false},
             {"-2x", false},
             {"x/2", false},
             {"x^2", false},
             {"2x+3", false},
             {"x(x+1)", false},
             {"2x*y", false},
             {"3x^2-2x+1", false},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        Texpression e;
        construireExpression(e, c.texte, "xy");
        ASSERT_EQ(e.erreurAnalyse, 0);
        EXPECT_EQ(e.simplifiable, c.simplifiable);
    }
}

TEST(MarquesExpression, FormesDeveloppeeEtFactorisee)
{
    struct Cas {
        std::string texte;
        bool polynomiale;
        bool constante;
        bool developpee;
        int nbTermes;
        int nbFacteurs;
        bool nonReduite;
        bool avecDecimale;
    };
    for (const Cas& c : std::vector<Cas>{
             {"2x+3", true, false, true, 2, 1, false, false},
             {"2x+3x", true, false, true, 2, 1, true, false},
             {"x^2+x", true, false, true, 2, 1, false, false},
             {"x^2+2x+1", true, false, true, 3, 1, true, false},
             {"2x+1+1", true, false, true, 3, 1, true, false},
             {"2(x+1)", true, false, false, 2, 1, false, false},
             {"x(x+1)", true, false, false, 2, 2, false, false},
             {"(x+1)(x-1)", true, false, false, 3, 2, false, false},
             {"(x+1)^2", true, false, false, 2, 2, false, false},
             {"(2x+3x)(x+1)", true, false, false, 3, 2, true, false},
             {"x^3", true, false, true, 1, 3, false, false},
             {"x*y", true, false, true, 1, 2, false, false},
             {"x+y", true, false, true, 2, 1, false, false},
             {"x*y+x", true, false, true, 2, 1, true, false},
             {"rac(2)x+x", true, false, true, 2, 1, false, false},
             {"x/2", true, false, true, 1, 1, false, true},
             {"0,5x", true, false, true, 1, 1, false, true},
             {"1/x", false, false, false, 1, 0, false, true},
             {"x/(x+1)", false, false, false, 2, 0, false, true},
             {"2+3", true, true, true, 1, 0, false, false},
             {"-(x+1)", true, false, false, 2, 1, false, false},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        Texpression e;
        construireExpression(e, c.texte, "xy");
        ASSERT_EQ(e.erreurAnalyse, 0);
        EXPECT_EQ(e.polynomiale, c.polynomiale);
        EXPECT_EQ(e.constante, c.constante);
        EXPECT_EQ(e.developpee, c.developpee);
        EXPECT_EQ(e.nbTermes, c.nbTermes);
        EXPECT_EQ(e.nbFacteurs, c.nbFacteurs);
        EXPECT_EQ(e.nonReduite, c.nonReduite);
        EXPECT_EQ(e.avecDecimale, c.avecDecimale);
    }
}

// Powers of powers multiply degrees: they stop growing instead of overflowing.
TEST(MarquesExpression, DegresBornes)
{
    std::string texte = "x";
    for (int i = 0; i < 24; ++i) texte += "^9";
    Texpression e;
    construireExpression(e, texte, "x");
    ASSERT_EQ(e.erreurAnalyse, 0);
    EXPECT_EQ(e.nbBranches, 49);
    EXPECT_EQ(e.nbFacteurs, 1000000);
    EXPECT_EQ(e.branches[1].degres[0], 1000000);
    e.valeursVariables[0] = 2;
    evaluerExpression(e);
    EXPECT_TRUE(e.erreurCalcul);
    e.valeursVariables[0] = 1;
    evaluerExpression(e);
    EXPECT_FALSE(e.erreurCalcul);
    EXPECT_EQ(e.valeur, 1);
}

TEST(MarquesExpression, AidesDesRacines)
{
    EXPECT_TRUE(estCarreParfait(0));
    EXPECT_TRUE(estCarreParfait(49));
    EXPECT_FALSE(estCarreParfait(0.25));
    EXPECT_TRUE(estCarreParfait(1e20));
    EXPECT_FALSE(estCarreParfait(50));
    EXPECT_FALSE(estCarreParfait(-4));
    EXPECT_TRUE(estEntierNonCarre(2));
    EXPECT_TRUE(estEntierNonCarre(8));
    EXPECT_FALSE(estEntierNonCarre(1));
    EXPECT_FALSE(estEntierNonCarre(9));
    EXPECT_FALSE(estEntierNonCarre(2.5));
    const std::string rac(1, codeRacine);
    const std::string pi(1, codePi);
    EXPECT_TRUE(produitRacinesSimplifiable("2*" + rac + "(3)", "3*" + rac + "(3)"));
    EXPECT_TRUE(produitRacinesSimplifiable(rac + "(2)+" + rac + "(5)", rac + "(7)*" + rac + "(0,5)"));
    EXPECT_TRUE(produitRacinesSimplifiable(rac + "(2/3)", rac + "(3/2)"));
    EXPECT_FALSE(produitRacinesSimplifiable(rac + "(2)", rac + "(3)"));
    EXPECT_FALSE(produitRacinesSimplifiable(rac + "(3)", pi + "*" + rac + "(3)"));
    EXPECT_FALSE(produitRacinesSimplifiable("3", "3"));
    EXPECT_FALSE(produitRacinesSimplifiable(rac + "(", rac + "(x)"));
}

}  // namespace
