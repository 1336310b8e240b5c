#include "engine/text/division_posee.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/double/canevas_enregistre.h"
#include "tests/engine/text/grille_lue.h"

namespace {

constexpr TColor noir = 0x000000;
constexpr TColor bleu = 0xFF0000;
constexpr double echelle = 1.2;  // columns of 12 pixels, rows of 19.2

// Reads a division drawn at (0, 0): column 0 is left of the dividend (where the minus of a
// product hangs), the dividend takes columns 1..n, the divisor and the quotient start at n + 2.
TdessinsParCouleur grilleDivision(const CanevasEnregistre& k, int longueurDividende)
{
    const double xDiviseur = longueurDividende * 12 + 6;
    return lireGrille(k, [=](int x, int y) {
        const int rangee = static_cast<int>(std::lround((y - 2) / 19.2));
        if (x >= xDiviseur)
            return TcelluleLue{rangee, longueurDividende + 2 +
                                           static_cast<int>(std::floor((x - xDiviseur - 1) / 12))};
        return TcelluleLue{rangee, static_cast<int>(std::floor((x - 1) / 12.0)) + 1};
    });
}

TEST(DivisionPosee, ChiffresDansLeursCases)
{
    const struct {
        const char* dividende;
        const char* diviseur;
        int decimales;
        bool detaillee;
        int longueur;  // digits drawn in the dividend's row
        Tdessin noirs;
        Tdessin bleus;
    } cas[] = {
        // The remainder 0 is followed by the 4 brought down.
        {"84", "4", 0, false, 2, {" 84 4", " 04 21", "  0"}, {}},
        // Each remainder preceded by the product, in blue, its minus hanging left.
        {"84", "4", 0, true, 2, {" 84 4", "    21", " 04", "", "  0"}, {"", "-8", "", " -4"}},
        // 3 < 4: the quotient begins with 0 and the 0 brought down stays in the dividend's row.
        {"3", "4", 2, false, 3, {" 300 4", "  20 075", "   0"}, {}},
        // The division stops once the remainder is 0 and only zeros are left.
        {"1", "4", 5, false, 6, {" 100000 4", "  20    025", "   0"}, {}},
        {"1234", "5", 0, false, 4, {" 1234 5", "  23  246", "   34", "    4"}, {}},
        {"12,5", "5", 0, false, 3, {" 125 5", "  25 25", "   0"}, {}},
        {"7", "12", 1, false, 2, {" 70 12", " 10 05"}, {}},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        dessinerDivisionPosee(k, c.dividende, c.diviseur, echelle, 0, 0, c.detaillee,
                              static_cast<std::uint8_t>(c.decimales));
        TdessinsParCouleur d = grilleDivision(k, c.longueur);
        const std::string nom = std::string(c.dividende) + " / " + c.diviseur;
        EXPECT_EQ(d[noir], c.noirs) << nom;
        EXPECT_EQ(d[bleu], c.bleus) << nom;
        EXPECT_EQ(d.size(), 2u) << nom;
    }
}

TEST(DivisionPosee, MarquesBarresEtVirgules)
{
    CanevasEnregistre k;
    dessinerDivisionPosee(k, "3", "4", echelle, 0, 0, false, 2);
    const std::vector<TsegmentLu> attendus = {
        {39, 19, 78, 19, noir},  // under the divisor, as wide as the quotient 075
        {39, 0, 39, 58, noir},   // down to the second row of remainders
        // The mark over the dividend reaches the 0 brought down in its row...
        {4, 0, 20, 0, noir},
        {20, 0, 24, 4, noir},
        // ...after the mark over the first partial dividend 3.
        {0, 4, 4, 0, noir},
        {4, 0, 8, 0, noir},
        {8, 0, 12, 4, noir},
        {12, 16, 10, 20, noir},  // 3,00
        {54, 35, 52, 39, noir},  // 0,75
    };
    EXPECT_EQ(segmentsDessines(k), attendus);
}

TEST(DivisionPosee, ProduitSouligneEnBleu)
{
    CanevasEnregistre k;
    dessinerDivisionPosee(k, "84", "4", echelle, 0, 0, true, 0);
    std::vector<TsegmentLu> bleus;
    for (const TsegmentLu& s : segmentsDessines(k))
        if (s.couleur == bleu) bleus.push_back(s);
    // At the bottom of each product's row, over its columns, the minus included.
    EXPECT_EQ(bleus, (std::vector<TsegmentLu>{{-12, 38, 12, 38, bleu}, {0, 77, 24, 77, bleu}}));
    for (const Appel& a : k.appels(GenreAppel::TextOut)) {
        if (a.texte != "-") {
            EXPECT_EQ(a.font.Name, "Times New Roman");
            EXPECT_EQ(a.font.Size, 12);
            EXPECT_EQ(a.font.Style, 0);
        }
        EXPECT_TRUE(a.fondTransparent);
    }
}

TEST(DivisionPosee, CalculParStades)
{
    const struct {
        const char* dividende;
        const char* diviseur;
        int decimales;
        const char* quotient;
        int virguleQuotient;
        int longueurPremier;
        bool premierTropCourt;
        int zerosFinaux;
    } cas[] = {
        {"3", "4", 2, "075", 1, 1, true, 0},
        {"1", "4", 5, "025", 1, 1, true, 3},
        {"1234", "5", 0, "246", 0, 2, false, 0},
        {"84", "4", 0, "21", 0, 1, false, 0},
        {"9", "1", 0, "9", 0, 1, false, 0},
        {"81", "9", 0, "9", 0, 2, false, 0},
        {"100", "5", 0, "20", 0, 2, false, 0},
        {"2,5", "2", 3, "125", 1, 1, false, 1},
        {"0,05", "5", 2, "001", 1, 1, true, 0},
        {"1", "3", 15, "0333333333333333", 1, 1, true, 0},
    };
    for (const auto& c : cas) {
        TblocDiv bloc;
        ASSERT_TRUE(preparerDivision(bloc, c.dividende, c.diviseur, false,
                                     static_cast<std::uint8_t>(c.decimales)))
            << c.dividende << " / " << c.diviseur;
        const std::string nom = std::string(c.dividende) + " / " + c.diviseur;
        EXPECT_EQ(bloc.quotient, c.quotient) << nom;
        EXPECT_EQ(bloc.virguleQuotient, c.virguleQuotient) << nom;
        EXPECT_EQ(bloc.longueurPremier, c.longueurPremier) << nom;
        EXPECT_EQ(bloc.premierTropCourt, c.premierTropCourt) << nom;
        EXPECT_EQ(bloc.zerosFinaux, c.zerosFinaux) << nom;
        EXPECT_EQ(bloc.longueurQuotientEtape[static_cast<std::size_t>(bloc.etapeLimite)],
                  static_cast<int>(bloc.quotient.size()))
            << nom;
    }
}

// Beyond what the record holds, or for texts that are no division, nothing is drawn.
TEST(DivisionPosee, RienNEstDessine)
{
    const struct {
        const char* dividende;
        const char* diviseur;
        int decimales;
        bool detaillee;
    } cas[] = {
        {"12", "0", 0, false},
        {"12", "000", 0, false},
        {"12", "", 0, false},
        {"12", "abc", 0, false},
        {"12", "2,5", 0, false},
        {"12", "-3", 0, false},
        {"", "4", 0, false},
        {"abc", "4", 0, false},
        {"1,2,3", "4", 0, false},
        {"-5", "4", 0, false},
        {"1", "3", 16, false},                           // 49 stages
        {"123456789012345678901234567890", "7", 0, false},
        {"1", "7", 255, false},
        {"899999999991", "99999999999", 0, true},         // a 12-digit product and its minus
        {"1", "3", 16, true},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        dessinerDivisionPosee(k, c.dividende, c.diviseur, echelle, 0, 0, c.detaillee,
                              static_cast<std::uint8_t>(c.decimales));
        EXPECT_TRUE(k.appels().empty()) << c.dividende << " / " << c.diviseur;
    }
}

TEST(DivisionPosee, DiviseurEcritSansZerosInutiles)
{
    CanevasEnregistre k;
    dessinerDivisionPosee(k, "84", " 04,0", echelle, 0, 0, false, 0);
    EXPECT_EQ(grilleDivision(k, 2)[noir].front(), " 84 4");
    CanevasEnregistre loin;
    dessinerDivisionPosee(loin, "1", "4", echelle, 0, 0, false, 200);
    EXPECT_EQ(grilleDivision(loin, 201)[noir].at(1).substr(203), "025");
}

TEST(TexteChiffres, OperationsSurLesChaines)
{
    const struct {
        const char* a;
        const char* b;
        bool inferieurOuEgal;
        const char* difference;  // a − b when a ≥ b
    } cas[] = {
        {"0", "0", true, "0"},
        {"9", "10", true, nullptr},
        {"10", "9", false, "1"},
        {"123", "123", true, "0"},
        {"123", "124", true, nullptr},
        {"1000", "999", false, "1"},
        {"5000", "4", false, "4996"},
        {"81", "72", false, "9"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(comparerNombresTexte(c.a, c.b), c.inferieurOuEgal) << c.a << " <= " << c.b;
        if (c.difference) {
            std::string r;
            soustraireTexte(c.a, c.b, r);
            EXPECT_EQ(r, c.difference) << c.a << " - " << c.b;
        }
    }
    const struct {
        int chiffre;
        const char* s;
        const char* produit;
    } produits[] = {{7, "125", "875"}, {9, "99", "891"}, {1, "4", "4"}, {5, "2", "10"}};
    for (const auto& p : produits) {
        std::string r;
        multiplierTexteChiffre(p.chiffre, p.s, r);
        EXPECT_EQ(r, p.produit) << p.chiffre << " x " << p.s;
    }
    std::string s = "42";
    completerZerosGauche(5, s);
    EXPECT_EQ(s, "00042");
    completerZerosGauche(3, s);
    EXPECT_EQ(s, "00042");
}

TEST(TexteChiffres, LireDividende)
{
    const struct {
        const char* texte;
        const char* chiffres;
        int virgule;
        int valide;
    } cas[] = {
        {"12,5", "125", 3, 2}, {"12.50", "125", 3, 2}, {" 3 ", "3", 0, 2},
        {",5", "05", 2, 2},    {"007", "7", 0, 2},     {"4,000", "4", 0, 2},
        {"", "", 0, 1},        {"1,2,3", "12,3", 2, 1}, {"1e5", "1e5", 0, 1},
    };
    for (const auto& c : cas) {
        std::string texte = c.texte;
        int virgule = -1, valide = -1;
        lireDividende(texte, virgule, valide);
        EXPECT_EQ(texte, c.chiffres) << c.texte;
        EXPECT_EQ(virgule, c.virgule) << c.texte;
        EXPECT_EQ(valide, c.valide) << c.texte;
    }
}

}  // namespace
