#include "engine/base/nombres.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double infini = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct TCasReel {
    double x;
    const char* attendu;
};

TEST(ReelVersChaine, EcritSansZerosInutiles)
{
    const TCasReel cas[] = {
        {2.5, "2.5"},
        {100, "100"},
        {1.0 / 3, "0.33333333333"},
        {2.0 / 3, "0.66666666667"},  // rounded at the 11th decimal
        {-2.0 / 3, "-0.66666666667"},
        {-0.25, "-0.25"},
        {1e-12, "0"},
        {6e-12, "0.00000000001"},
        {0, "0"},
        {-0.0, "0"},
        {-1e-12, "-0"},  // rounds to zero but keeps its sign
        {-7, "-7"},
        {1234.5, "1234.5"},
        {0.1 + 0.2, "0.3"},
        {123456.789, "123456.789"},
        {100000.1, "100000.1"},  // the double's binary noise lies within the 11 decimals
        {-1234567.1, "-1234567.1"},
        {9.999999999999995, "10"},
        {1e15, "1000000000000000"},
        {1e11 + 0.5, "100000000000.5"},
        {nan, "NaN"},
        {infini, "Inf"},
        {-infini, "-Inf"},
    };
    for (const auto& c : cas) EXPECT_EQ(reelVersChaine(c.x), c.attendu) << c.x;
}

TEST(ReelVersChaine, TresGrandNombreEnEntier)
{
    const std::string s = reelVersChaine(1e300);
    EXPECT_EQ(s.size(), 301u);
    EXPECT_EQ(s.substr(0, 17), "10000000000000000");
    EXPECT_EQ(reelVersChaine(-1e300).size(), 302u);
    EXPECT_EQ(reelVersTexte(1e300).size(), 120u);
}

TEST(ReelVersTexte, VirguleDecimale)
{
    const TCasReel cas[] = {
        {2.5, "2,5"},   {1234.5, "1234,5"}, {-0.25, "-0,25"},
        {100, "100"},   {1e-12, "0"},       {1.0 / 3, "0,33333333333"},
    };
    for (const auto& c : cas) EXPECT_EQ(reelVersTexte(c.x), c.attendu) << c.x;
}

struct TCasScientifique {
    int decimales;
    double x;
    const char* attendu;
};

TEST(NotationScientifique, ArrondiOuPuissanceDeDix)
{
    const TCasScientifique cas[] = {
        {2, 3.14159, "3.14"},
        {2, 2.5, "2.5"},
        {0, 2.5, "3"},  // halves go up
        {0, -2.5, "-3"},
        {1, -2.25, "-2.3"},
        {2, -0.001, "0"},
        {11, 0, "0"},
        {15, 1.0 / 3, "0.33333333333"},  // more than 11 decimals: 11
        {-2, 2.5, "3"},                  // fewer than none: none
        {0, 10, "10"},
        {0, 100, "100"},
        {3, 99999999999.0, "99999999999"},
        {11, 100000.1, "100000.1"},
        {2, 1.5e12, "1.5 x 10^(12)"},
        {2, -1.5e12, "-1.5 x 10^(12)"},
        {3, 1e11, "1 x 10^(11)"},
        {4, 1.23456789e20, "1.23456789 x 10^(20)"},
        {2, 1e300, "1 x 10^(300)"},
        {11, 2.5e-12, "2.5 x 10^(-12)"},
        {11, -3e-12, "-3 x 10^(-12)"},
        {11, 1e-11, "1 x 10^(-11)"},
        {10, 1e-11, "0"},
        {2, 2.5e-12, "0"},
        {2, nan, "NaN"},
        {2, infini, "Inf"},
        {11, -infini, "-Inf"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(notationScientifique(c.decimales, c.x), c.attendu) << c.decimales << ", " << c.x;
}

TEST(NotationScientifiqueTexte, VirguleDecimale)
{
    EXPECT_EQ(notationScientifiqueTexte(2, 3.14159), "3,14");
    EXPECT_EQ(notationScientifiqueTexte(11, 2.5e-12), "2,5 x 10^(-12)");
    EXPECT_EQ(notationScientifiqueTexte(0, 1234.4), "1234");
}

struct TCasFraction {
    int p;
    int q;
    bool simplifier;
    const char* attendu;
};

TEST(FractionVersTexte, CodeFractionDuTexte)
{
    const TCasFraction cas[] = {
        {-3, 12, true, "-$F1;4;"},
        {3, 12, false, "$F 3;12;"},
        {6, 3, true, "2"},
        {6, 3, false, "$F6;3;"},
        {4, -6, true, "-$F2;3;"},
        {-4, -6, false, "$F4;6;"},
        {6, -3, false, "-$F6;3;"},
        {7, 1, false, "7"},
        {-7, 1, false, "-7"},
        {0, 5, true, "0"},
        {0, -5, false, "0"},
        {1, 100, false, "$F  1;100;"},
        {100, 3, false, "$F100;  3;"},
        {INT_MIN, 1, true, "-2147483648"},
        {INT_MIN, -1, false, "2147483648"},
        {1, INT_MIN, true, "-$F         1;2147483648;"},
        {INT_MIN, INT_MIN, true, "1"},
        {3, 0, true, "$F3;0;"},
        {-3, 0, true, "-$F3;0;"},
        {0, 0, true, "0"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(fractionVersTexte(c.p, c.q, c.simplifier), c.attendu) << c.p << "/" << c.q;
}

TEST(TexteDecimalVirgule, NettoieLeNombre)
{
    const struct {
        const char* avant;
        const char* apres;
    } cas[] = {
        {" 012.500", "12,5"}, {".5", "0,5"},    {"0.0", "0"},     {"007", "7"},
        {"", ""},             {"3,50", "3,5"},  {"100", "100"},   {"10.0", "10"},
        {"1 000,5", "1000,5"}, {"0,05", "0,05"}, {",", "0"},       {"000", "0"},
        {"0.500", "0,5"},     {"12.", "12"},    {" ", ""},        {"-0.50", "-0,5"},
    };
    for (const auto& c : cas) {
        std::string s = c.avant;
        texteDecimalVirgule(s);
        EXPECT_EQ(s, c.apres) << '"' << c.avant << '"';
    }
}

TEST(ChaineVersReel, LitCeQueLePupilleTape)
{
    const struct {
        std::string texte;
        double attendu;
    } cas[] = {
        {"2,5", 2.5},     {"2.5", 2.5},      {" 3", 3},        {"2,5 ", 2.5},
        {"-2,5", -2.5},   {"+4", 4},         {"1e3", 1000},    {"1,5E-2", 0.015},
        {".5", 0.5},      {",5", 0.5},       {"5.", 5},        {"007", 7},
        {"", 0},          {"   ", 0},        {"abc", 0},       {"--2", 0},
        {"1e99999", 0},   {"-1e99999", 0},   {"1e-400", 0},    {"2,5,3", 0},
        {"1.2,5", 0},     {"e5", 0},         {"1e", 0},        {"1e+", 0},
        {"-", 0},         {".", 0},          {"2 5", 0},       {"2,5abc", 0},
        {"inf", 0},       {"nan", 0},        {"0x10", 0},      {"1 000", 0},
        {std::string("7\0", 2), 0},          {std::string("\xff\x80", 2), 0},
    };
    for (const auto& c : cas) EXPECT_EQ(chaineVersReel(c.texte), c.attendu) << '"' << c.texte << '"';
}

TEST(ChaineVersReel, RelitCeQueLesFormateursEcrivent)
{
    for (const double x : {2.5, -0.25, 1234.5, 1.0 / 3, 1e15})
        EXPECT_NEAR(chaineVersReel(reelVersTexte(x)), x, 1e-11) << x;
}

TEST(Pgcd, DiviseursCommuns)
{
    const struct {
        int a;
        int b;
        int pgcd;
        bool reductible;
    } cas[] = {
        {12, 18, 6, true},   {18, 12, 6, true},   {7, 13, 1, false},  {-4, 6, 2, true},
        {-4, -6, 2, true},   {5, 0, 5, true},     {0, 5, 5, true},    {1, 0, 1, false},
        {0, 0, 0, false},    {3, 4, 1, false},    {3, 12, 3, true},   {INT_MIN, 6, 2, true},
        {INT_MIN, 3, 1, false}, {INT_MAX, INT_MAX, INT_MAX, true},
        // 2³¹ wraps to INT_MIN, yet the two still share a divisor.
        {INT_MIN, 0, INT_MIN, true}, {INT_MIN, INT_MIN, INT_MIN, true},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(pgcd(c.a, c.b), c.pgcd) << c.a << ", " << c.b;
        EXPECT_EQ(ontDiviseurCommun(c.a, c.b), c.reductible) << c.a << ", " << c.b;
    }
}

TEST(SommeChiffres, SigneDuNombre)
{
    const struct {
        int n;
        int somme;
    } cas[] = {{0, 0}, {7, 7}, {1234, 10}, {-1234, -10}, {1000, 1}, {INT_MAX, 46}, {INT_MIN, -47}};
    for (const auto& c : cas) EXPECT_EQ(sommeChiffres(c.n), c.somme) << c.n;
}

TEST(Maximum, LePlusGrand)
{
    EXPECT_EQ(maxReel(2.5, -3), 2.5);
    EXPECT_EQ(maxReel(-3, 2.5), 2.5);
    EXPECT_EQ(maxEntier(-4, -9), -4);
    EXPECT_EQ(maxEntier(INT_MIN, INT_MAX), INT_MAX);
}

TEST(Rvb, RougeDansLOctetBas)
{
    EXPECT_EQ(rvb(255, 0, 0), 0x0000FF);
    EXPECT_EQ(rvb(0, 0, 255), 0xFF0000);
    EXPECT_EQ(rvb(1, 2, 3), 0x030201);
    EXPECT_EQ(rvb(255, 255, 255), 0xFFFFFF);
}

TEST(PresqueEgal, EcartStrictementSousUnMilliardieme)
{
    struct Cas {
        double a, b;
        bool egaux;
    };
    for (const Cas& c : std::vector<Cas>{
             {1, 1, true},
             {0, 0.9e-9, true},
             {0, -0.9e-9, true},
             {0, 1e-9, false},  // exactly the bound is not equal
             {1e-9, 0, false},
             {0.1 + 0.2, 0.3, true},
             {1, std::numeric_limits<double>::quiet_NaN(), false},
             {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(), false},
         }) {
        SCOPED_TRACE(testing::Message() << c.a << " " << c.b);
        EXPECT_EQ(presqueEgal(c.a, c.b), c.egaux);
    }
}

}  // namespace
