#include "engine/text/operations_posees.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/double/canevas_enregistre.h"
#include "tests/engine/text/grille_lue.h"

namespace {

constexpr TColor noir = 0x000000;
constexpr TColor rouge = 0x0000FF;
constexpr TColor bleu = 0xFF0000;

// Additions and subtractions: columns of 20 pixels, read in half columns of 10 so that the
// commas and borrow marks between the digits show; rows of 17.25 pixels.
TdessinsParCouleur grilleAddition(const CanevasEnregistre& k)
{
    return lireGrille(k, [](int x, int y) {
        return TcelluleLue{static_cast<int>(std::lround(y / 17.25)),
                           static_cast<int>(std::lround(x / 10.0))};
    });
}

// Multiplications: columns of 12 pixels, rows of 19.5.
TdessinsParCouleur grilleMultiplication(const CanevasEnregistre& k)
{
    return lireGrille(k, [](int x, int y) {
        return TcelluleLue{static_cast<int>(std::lround(y / 19.5)),
                           static_cast<int>(std::lround(x / 12.0))};
    });
}

struct TcasOperation {
    const char* operation;
    Tdessin noirs;
    Tdessin rouges;
};

TEST(AdditionPosee, ChiffresRetenuesEtVirgules)
{
    const TcasOperation cas[] = {
        // The carry into the hundreds is not drawn: the sum's 1 says it.
        {"95+7", {"", "    9 5", "+     7", "  1 0 2"}, {"    1"}},
        {"2,5+13,75", {"", "    2,5 0", "+ 1 3,7 5", "  1 6,2 5"}, {"    1"}},
        {" 12 + 3 ", {"", "  1 2", "+   3", "  1 5"}, {}},
        // Terms below 1 get their units zero.
        {"0,5+0.25", {"", "  0,5 0", "+ 0,2 5", "  0,7 5"}, {}},
        {"999+1+1",
         {"", "    9 9 9", "+       1", "+       1", "  1 0 0 1"},
         {"    1 1"}},
        // Scaled from their digits: 6558,02 is no whole number of hundredths as a double.
        {"6558,02+1", {"", "  6 5 5 8,0 2", "+       1,0 0", "  6 5 5 9,0 2"}, {}},
        {"123456,01+0,5",
         {"", "  1 2 3 4 5 6,0 1", "+           0,5 0", "  1 2 3 4 5 6,5 1"}, {}},
    };
    for (const TcasOperation& c : cas) {
        CanevasEnregistre k;
        dessinerAdditionPosee(k, c.operation, 0, 0);
        TdessinsParCouleur d = grilleAddition(k);
        EXPECT_EQ(d[noir], c.noirs) << c.operation;
        EXPECT_EQ(d[rouge], c.rouges) << c.operation;
        EXPECT_EQ(d.size(), 2u) << c.operation;
    }
}

TEST(AdditionPosee, BarreSousLeDernierTermeEtPolice)
{
    CanevasEnregistre k;
    dessinerAdditionPosee(k, "95+7", 100, 50);
    // Four columns of 20 pixels; the bar at the top of row 1, 3 rows of 17.25 below the top.
    ASSERT_EQ(segmentsDessines(k), (std::vector<TsegmentLu>{{100, 102, 180, 102, noir}}));
    const Appel retenue = k.appels(GenreAppel::TextOut).back();
    EXPECT_EQ(retenue.texte, "1");
    EXPECT_EQ(retenue.arguments, (std::vector<int>{140, 50}));
    EXPECT_EQ(retenue.font.Name, "Courier New");
    EXPECT_EQ(retenue.font.Size, 11);
    EXPECT_EQ(retenue.font.Color, rouge);
}

// Ten terms of 99: a carry of 9 in each column, still one digit.
TEST(AdditionPosee, DixTermesEtRetenueDeNeuf)
{
    std::string texte = "99";
    for (int i = 1; i < 10; ++i) texte += "+99";
    CanevasEnregistre k;
    dessinerAdditionPosee(k, texte, 0, 0);
    TdessinsParCouleur d = grilleAddition(k);
    EXPECT_EQ(d[rouge], (Tdessin{"    9"}));
    EXPECT_EQ(d[noir].back(), "  9 9 0");
}

TEST(SoustractionPosee, EmpruntsParAdditionsEgales)
{
    const TcasOperation cas[] = {
        // Ten added to the digit of a (a red 1 just left of it), one to the next digit of b.
        {"115-26", {"", "  1 1 5", "-   2 6", "", "    8 9"}, {"", "   1 1", "", "  1 1"}},
        {"1000-999", {"", "  1 0 0 0", "-   9 9 9", "", "        1"},
         {"", "   1 1 1", "", "  1 1 1"}},
        {"40-2,5", {"", "  4 0,0", "-   2,5", "", "  3 7,5"}, {"", "   1 1", "", "  1 1"}},
        {"58-23", {"", "  5 8", "- 2 3", "", "  3 5"}, {}},
        {"7-7", {"", "  7", "- 7", "", "  0"}, {}},
        {"6558,11-0,1", {"", "  6 5 5 8,1 1", "-       0,1 0", "", "  6 5 5 8,0 1"}, {}},
    };
    for (const TcasOperation& c : cas) {
        CanevasEnregistre k;
        dessinerSoustractionPosee(k, c.operation, 0, 0);
        TdessinsParCouleur d = grilleAddition(k);
        EXPECT_EQ(d[noir], c.noirs) << c.operation;
        EXPECT_EQ(d[rouge], c.rouges) << c.operation;
    }
}

TEST(SoustractionPosee, BarreAuDessusDeLaDifference)
{
    CanevasEnregistre k;
    dessinerSoustractionPosee(k, "115-26", 0, 0);
    EXPECT_EQ(segmentsDessines(k), (std::vector<TsegmentLu>{{0, 69, 80, 69, noir}}));
}

TEST(MultiplicationPosee, ProduitsPartielsEtProduitEnBleu)
{
    const struct {
        const char* f;
        const char* g;
        Tdessin noirs;
        Tdessin bleus;
    } cas[] = {
        // No row for the 0 of 203; 610 ends under the hundreds.
        {"305", "203", {"  305", "  203", "  915", "610"}, {"", "", "", "", "61915"}},
        // The final zero and the decimal point are not shown.
        {"250", "12", {" 25", " 12", " 50", "25"}, {"", "", "", "", "300"}},
        {"2,5", "1,2", {" 25", " 12", " 50", "25"}, {"", "", "", "", "300"}},
        // The longer factor goes on top; a one-digit factor has no partial products.
        {"3", "12", {"12", " 3"}, {"", "", "36"}},
        {" 0,045 ", "0012", {" 45", " 12", " 90", "45"}, {"", "", "", "", "540"}},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        dessinerMultiplicationPosee(k, c.f, c.g, 0, 0);
        TdessinsParCouleur d = grilleMultiplication(k);
        EXPECT_EQ(d[noir], c.noirs) << c.f << " x " << c.g;
        EXPECT_EQ(d[bleu], c.bleus) << c.f << " x " << c.g;
    }
}

TEST(MultiplicationPosee, SigneEtBarres)
{
    CanevasEnregistre k;
    dessinerMultiplicationPosee(k, "305", "203", 0, 0);
    const std::vector<TsegmentLu> s = segmentsDessines(k);
    // The sign is a drawn cross in the column left of 305 (x 12..24), row of 203 (y 20..35),
    // then the bars under 203 and above the product, five columns of 12 pixels wide.
    ASSERT_EQ(s.size(), 4u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_GE(std::min(s[i].x1, s[i].x2), 12);
        EXPECT_LE(std::max(s[i].x1, s[i].x2), 24);
        EXPECT_GE(std::min(s[i].y1, s[i].y2), 20);
        EXPECT_LE(std::max(s[i].y1, s[i].y2), 35);
    }
    EXPECT_EQ(s[2], (TsegmentLu{0, 39, 60, 39, noir}));
    EXPECT_EQ(s[3], (TsegmentLu{0, 78, 60, 78, noir}));
}

// What these layouts cannot show leaves the canvas untouched.
TEST(OperationsPosees, RienNEstDessine)
{
    const char* additions[] = {
        "", "+", "1+", "1+-2", "a+b", "1,5,2+3", "1e3+2", "-4+5",
        "1+1+1+1+1+1+1+1+1+1+1",       // eleven terms
        "2147483647+1",                // the sum needs 33 bits
        "3000000000+0", "21474836,48+0", "1+0,0000000001",
    };
    for (const char* a : additions) {
        CanevasEnregistre k;
        dessinerAdditionPosee(k, a, 0, 0);
        EXPECT_TRUE(k.appels().empty()) << a;
    }
    const char* soustractions[] = {"5-7", "10", "1-2-3", "", "x-1", "-", "3-", "9999999999-1"};
    for (const char* s : soustractions) {
        CanevasEnregistre k;
        dessinerSoustractionPosee(k, s, 0, 0);
        EXPECT_TRUE(k.appels().empty()) << s;
    }
    const char* multiplications[][2] = {
        {"7", "8"}, {"45", "1"}, {"45", "0"}, {"45", "10"}, {"abc", "12"}, {"", "12"},
        {"12", ""}, {"99999", "99999"}, {"12345678901", "2"}, {"-12", "3"}, {"0", "0"},
    };
    for (const auto& m : multiplications) {
        CanevasEnregistre k;
        dessinerMultiplicationPosee(k, m[0], m[1], 0, 0);
        EXPECT_TRUE(k.appels().empty()) << m[0] << " x " << m[1];
    }
}

TEST(OperationsPosees, LimitesDesTrenteDeuxBits)
{
    CanevasEnregistre somme;
    dessinerAdditionPosee(somme, "2147483640+7", 0, 0);
    EXPECT_EQ(grilleAddition(somme)[noir].back(), "  2 1 4 7 4 8 3 6 4 7");
    CanevasEnregistre produit;
    dessinerMultiplicationPosee(produit, "46339", "46341", 0, 0);
    EXPECT_EQ(grilleMultiplication(produit)[bleu].back(), "2147395599");
    CanevasEnregistre trop;
    dessinerMultiplicationPosee(trop, "46341", "46341", 0, 0);
    EXPECT_TRUE(trop.appels().empty());
}

}  // namespace
