#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exercise/expression.h"

namespace {

const std::string pi(1, codePi);
const std::string rac(1, codeRacine);

TEST(ConstruireExpression, PreparationDuTexte)
{
    struct Cas {
        std::string texte;
        std::string prepare;
    };
    for (const Cas& c : std::vector<Cas>{
             {" 2 x + 3 ", "2*x+3"},
             {"x²", "x^2"},
             {"xp2", "x^2"},
             {"2(x+1)", "2*(x+1)"},
             {"(a)(b)", "(a)*(b)"},
             {"x(y)", "x*(y)"},
             {"xy", "x*y"},
             {"x2", "x*2"},
             {"3rac(2)", "3*" + rac + "(2)"},
             {"rac(2)", rac + "(2)"},
             {"2pi", "2*" + pi},
             {"pix", pi + "*x"},
             {"PI", "P*I"},
             {"2,5x", "2.5*x"},
             {"12.5", "12.5"},
             {"3 x²+2x", "3*x^2+2*x"},
             {"cos(x)", std::string(1, codeCosinus) + "(x)"},
             {"(x+1)2", "(x+1)*2"},
             {"2.(3)", "2.*(3)"},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        Texpression e;
        construireExpression(e, c.texte, "abxy");
        EXPECT_EQ(e.texte, c.prepare);
    }
}

TEST(ConstruireExpression, ErreursDAnalyse)
{
    struct Cas {
        std::string texte;
        std::string variables;
        int erreur;
    };
    for (const Cas& c : std::vector<Cas>{
             {"2x+3", "x", 0},
             {"", "x", erreurTexteVide},
             {"   ", "x", erreurTexteVide},
             {"(x+1", "x", erreurParentheses},
             {"x+1)", "x", erreurParentheses},
             {")x(", "x", erreurParentheses},
             {"((x)", "x", erreurParentheses},
             {"x^10", "x", erreurExposant},
             {"x^1", "x", erreurExposant},
             {"2^x", "x", erreurExposant},
             {"x^2,5", "x", erreurExposant},
             {"x^(2)", "x", 0},
             {"x^2^3", "x", 0},
             {"a/b*c", "abc", erreurQuotientProduit},
             {"1/2*x", "x", erreurQuotientProduit},
             {"(a/b)*c", "abc", 0},
             {"a/b/c", "abc", 0},
             {"c*a/b", "abc", 0},
             {"rac(x)", "x", erreurRacineVariable},
             {"rac(x+1)", "x", erreurRacineVariable},
             {"rac(2x)", "x", erreurRacineVariable},
             {"y", "x", erreurVariable},
             {"3X", "x", erreurVariable},
             {"3x", "", erreurVariable},
             {"2+", "x", erreurSyntaxe},
             {"2*-3", "x", erreurSyntaxe},
             {"x^-2", "x", erreurSyntaxe},
             {"--x", "x", erreurSyntaxe},
             {"+", "x", erreurSyntaxe},
             {"-", "x", erreurSyntaxe},
             {"()", "x", erreurSyntaxe},
             {"rac()", "x", erreurSyntaxe},
             {"rac2", "x", erreurSyntaxe},
             {"1.2.3", "x", erreurSyntaxe},
             {"2..5", "x", erreurSyntaxe},
             {".5", "x", erreurSyntaxe},
             {"5.", "x", erreurSyntaxe},
             {"123456789012345", "x", 0},
             {"1234567890123456", "x", erreurSyntaxe},
             {"x=3", "x", erreurSyntaxe},
             {"x!", "x", erreurSyntaxe},
             {"é", "x", erreurSyntaxe},
             {"3:4", "x", erreurSyntaxe},
             {"cos(x)", "x", erreurSyntaxe},
             {"2cos(0)+1", "x", erreurSyntaxe},
             {"-x", "x", 0},
             {"+x", "x", 0},
             {"-(x+1)", "x", 0},
             {"2pi", "", 0},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        Texpression e;
        construireExpression(e, c.texte, c.variables);
        EXPECT_EQ(e.erreurAnalyse, c.erreur);
    }
}

// The rightmost operator of lowest priority splits: equal priorities group to the left.
TEST(ConstruireExpression, ArbreEnOrdrePrefixe)
{
    struct Noeud {
        int genre;
        std::string texte;
        int gauche;
        int droite;
    };
    struct Cas {
        std::string texte;
        std::vector<Noeud> noeuds;
    };
    for (const Cas& c : std::vector<Cas>{
             {"2+3a",
              {{brancheAddition, "2+3*a", 2, 3},
               {brancheNombre, "2", 0, 0},
               {brancheProduit, "3*a", 4, 5},
               {brancheNombre, "3", 0, 0},
               {brancheVariable, "a", 0, 0}}},
             {"a-b-c",
              {{brancheSoustraction, "a-b-c", 2, 5},
               {brancheSoustraction, "a-b", 3, 4},
               {brancheVariable, "a", 0, 0},
               {brancheVariable, "b", 0, 0},
               {brancheVariable, "c", 0, 0}}},
             {"a/b/c",
              {{brancheQuotient, "a/b/c", 2, 5},
               {brancheQuotient, "a/b", 3, 4},
               {brancheVariable, "a", 0, 0},
               {brancheVariable, "b", 0, 0},
               {brancheVariable, "c", 0, 0}}},
             {"-a^2",
              {{brancheOppose, "-a^2", 2, 0},
               {branchePuissance, "a^2", 3, 4},
               {brancheVariable, "a", 0, 0},
               {brancheNombre, "2", 0, 0}}},
             {"+(2.5)",
              {{brancheSignePlus, "+(2.5)", 2, 0},
               {brancheParentheses, "(2.5)", 3, 0},
               {brancheNombre, "2,5", 0, 0}}},
             {"rac(pi)",
              {{brancheRacine, rac + "(" + pi + ")", 2, 0}, {brancheNombre, pi, 0, 0}}},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        Texpression e;
        construireExpression(e, c.texte, "abc");
        ASSERT_EQ(e.erreurAnalyse, 0);
        ASSERT_EQ(e.nbBranches, static_cast<int>(c.noeuds.size()));
        for (std::size_t i = 0; i < c.noeuds.size(); ++i) {
            const Tbranche& b = e.branches[i + 1];
            EXPECT_EQ(b.genreBranche, c.noeuds[i].genre) << "noeud " << i + 1;
            EXPECT_EQ(b.texte, c.noeuds[i].texte) << "noeud " << i + 1;
            EXPECT_EQ(b.gauche, c.noeuds[i].gauche) << "noeud " << i + 1;
            EXPECT_EQ(b.droite, c.noeuds[i].droite) << "noeud " << i + 1;
        }
    }
}

std::string repete(const std::string& motif, int n)
{
    std::string r;
    for (int i = 0; i < n; ++i) r += motif;
    return r;
}

// The node array has 50 places: a text needing a 51st is unreadable, and the depth of the
// recursion never exceeds the node count however deep the parentheses.
TEST(ConstruireExpression, CinquanteNoeudsAuPlus)
{
    struct Cas {
        std::string texte;
        int erreur;
        int nbBranches;
    };
    for (const Cas& c : std::vector<Cas>{
             {"1" + repete("+1", 24), 0, 49},
             {"1" + repete("+1", 25), erreurSyntaxe, 50},
             {repete("(", 49) + "x" + repete(")", 49), 0, 50},
             {repete("(", 50) + "x" + repete(")", 50), erreurSyntaxe, 50},
             {repete("(", 60) + repete(")", 60), erreurSyntaxe, 50},
             {repete("rac(", 49) + "2" + repete(")", 49), 0, 50},
             {repete("rac(", 50) + "2" + repete(")", 50), erreurSyntaxe, 50},
             {repete("-", 119) + "x", erreurSyntaxe, 50},
             {repete("x", 120), erreurSyntaxe, 50},
             {repete("2^", 59) + "2", erreurSyntaxe, 50},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        Texpression e;
        construireExpression(e, c.texte, "x");
        EXPECT_EQ(e.erreurAnalyse, c.erreur);
        EXPECT_EQ(e.nbBranches, c.nbBranches);
        evaluerExpression(e);
        EXPECT_EQ(e.erreurCalcul, c.erreur != 0);
    }
}

TEST(EvaluerExpression, ValeursEtErreursDeCalcul)
{
    struct Cas {
        std::string texte;
        double x;
        double y;
        bool erreur;
        double valeur;
    };
    for (const Cas& c : std::vector<Cas>{
             {"2x+3", 2, 0, false, 7},
             {"x^2", -3, 0, false, 9},
             {"-x^2", 3, 0, false, -9},
             {"x²", 1.5, 0, false, 2.25},
             {"x*y", 2, 3, false, 6},
             {"x-y-1", 5, 3, false, 1},
             {"x/y/2", 12, 3, false, 2},
             {"(x+1)(y-1)", 1, 3, false, 4},
             {"2pi", 0, 0, false, 2 * 3.141592653589793},
             {"rac(4)", 0, 0, false, 2},
             {"rac(0)", 0, 0, false, 0},
             {"rac(2)^2", 0, 0, false, 2.0000000000000004},
             {"+x", -4, 0, false, -4},
             {"0,5x", 3, 0, false, 1.5},
             {"123456789012345.123456789012345", 0, 0, false, 123456789012345.123456789012345},
             {"1/(x-1)", 1, 0, true, 0},
             {"x/y", 1, 0, true, 0},
             {"0/0", 0, 0, true, 0},
             {"rac(-1)", 0, 0, true, 0},
             {"((10^9)^9)^9", 0, 0, true, 0},
             {"((((x^9)^9)^9)^9)^9", 10, 0, true, 0},
             {"(x^9)^9-(x^9)^9", 1e40, 0, true, 0},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        Texpression e;
        construireExpression(e, c.texte, "xy");
        if (c.erreur && e.erreurAnalyse != 0) continue;
        ASSERT_EQ(e.erreurAnalyse, 0);
        e.valeursVariables = {c.x, c.y, 0};
        evaluerExpression(e);
        EXPECT_EQ(e.erreurCalcul, c.erreur);
        if (!c.erreur) {
            EXPECT_DOUBLE_EQ(e.valeur, c.valeur);
        }
    }
}

TEST(EvaluerExpression, ConstanteEvalueeALaConstruction)
{
    Texpression e;
    construireExpression(e, "(1+2)*3", "");
    EXPECT_TRUE(e.constante);
    EXPECT_FALSE(e.erreurCalcul);
    EXPECT_EQ(e.valeur, 9);
    construireExpression(e, "1/0", "");
    EXPECT_TRUE(e.erreurCalcul);
    // The record is reset by each construction: a failed parse keeps nothing of the last one.
    construireExpression(e, "(", "");
    EXPECT_EQ(e.erreurAnalyse, erreurParentheses);
    EXPECT_EQ(e.nbBranches, 0);
    EXPECT_FALSE(e.erreurCalcul);
}

}  // namespace
