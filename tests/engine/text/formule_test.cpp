#include "engine/text/formule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text/tableau_formule.h"
#include "platform/double/canevas_enregistre.h"
#include "tests/engine/text/grille_lue.h"

namespace {

// What a formula wrote, blanks left out: at 11 points a column is 8 pixels and a line 15.
struct Tecrit {
    std::string texte;
    int x;
    int y;
    int taille;
    bool operator==(const Tecrit&) const = default;
};

void PrintTo(const Tecrit& e, std::ostream* os)
{
    *os << '"' << e.texte << "\" (" << e.x << ", " << e.y << ") " << e.taille;
}

std::vector<Tecrit> ecrits(const CanevasEnregistre& k)
{
    std::vector<Tecrit> r;
    for (const Appel& a : k.appels(GenreAppel::TextOut))
        if (a.texte != " ") r.push_back({a.texte, a.arguments[0], a.arguments[1], a.font.Size});
    return r;
}

std::vector<TsegmentLu> sansCouleur(std::vector<TsegmentLu> s)
{
    for (TsegmentLu& t : s) t.couleur = 0;
    return s;
}

// The canvas as the figure painter hands it: 11 points.
CanevasEnregistre canevasFormule()
{
    CanevasEnregistre k;
    k.Font.Size = 11;
    return k;
}

TEST(ChercherConstruction, MotCleLePlusTotEtParentheseAssortie)
{
    const struct {
        const char* texte;
        int code;
        std::size_t p;
        std::size_t n;
        const char* reste;
    } cas[] = {
        {"frac(1;2)+frac(3;4)", constructionFraction, 0, 3, "1;2+frac(3;4)"},
        // "frac(" begins one character before the "rac(" inside it.
        {"frac(rac(2);3)", constructionFraction, 0, 8, "rac(2);3"},
        // The "(" of "rac(" stays as the sign's blank, inside the argument.
        {"rac(2)", constructionRacine, 0, 2, " 2"},
        {"x^(2)", constructionExposant, 1, 1, "x2"},
        {"ang(ABC)=30", constructionAngle, 0, 3, "ABC=30"},
        {"a(b)ind(c(d)e)f", constructionIndice, 4, 5, "a(b)c(d)ef"},
        {"vec()AB", constructionVecteur, 0, 0, "AB"},
        {"fracS(1;2)", constructionFractionHaute, 0, 3, "1;2"},
        {"racFrac(1;2)", constructionRacineFraction, 0, 3, "1;2"},
        {"fracRacN(2;3)", constructionFractionRacineNumerateur, 0, 3, "2;3"},
        {"fracRacD(2;3)", constructionFractionRacineDenominateur, 0, 3, "2;3"},
        {"fracRacND(2;3)", constructionFractionRacines, 0, 3, "2;3"},
        {"tab(1;1;2;1;x)", constructionTableau, 0, 9, "1;1;2;1;x"},
        {"syst(1\\1\\0\\x)", constructionSysteme, 0, 7, "1\\1\\0\\x"},
        {"A flec(B)", constructionFleche, 2, 1, "A B"},
        // An argument left open runs to the end of the text.
        {"frac(1;2", constructionFraction, 0, 3, "1;2"},
        {"x^(", constructionExposant, 1, 0, "x"},
    };
    for (const auto& c : cas) {
        std::string texte = c.texte;
        Tconstruction k;
        ASSERT_TRUE(chercherConstruction(texte, k)) << c.texte;
        EXPECT_EQ(k.code, c.code) << c.texte;
        EXPECT_EQ(k.p, c.p) << c.texte;
        EXPECT_EQ(k.n, c.n) << c.texte;
        EXPECT_EQ(texte, c.reste) << c.texte;
    }
    for (const char* sans : {"", "abc", "FRAC(1;2)", "rac 2", "(x)"}) {
        std::string texte = sans;
        Tconstruction k;
        EXPECT_FALSE(chercherConstruction(texte, k)) << sans;
        EXPECT_EQ(texte, sans);
    }
}

TEST(DessinerFormule, SignesPrives)
{
    const struct {
        const char* formule;
        std::vector<Tecrit> ecrits;
        const char* polices;  // S for Symbol, C for Courier New, per written character
    } cas[] = {
        {"2pi()r", {{"2", 0, 0, 11}, {"p", 8, 0, 11}, {"r", 16, 0, 11}}, "CSC"},
        {"a*b", {{"a", 0, 0, 11}, {"\xD7", 8, 0, 11}, {"b", 16, 0, 11}}, "CCC"},
        {"x>=1", {{"x", 0, 0, 11}, {"\xB3", 8, 0, 11}, {"1", 16, 0, 11}}, "CSC"},
        {"x<=1", {{"x", 0, 0, 11}, {"\xA3", 8, 0, 11}, {"1", 16, 0, 11}}, "CSC"},
        {"environ()3", {{"\xBB", 0, 0, 11}, {"3", 8, 0, 11}}, "SC"},
        {"dperp()d", {{"d", 0, 0, 11}, {"^", 8, 0, 11}, {"d", 16, 0, 11}}, "CSC"},
        {"triangle()A", {{"\xD1", 0, 0, 11}, {"A", 8, 0, 11}}, "SC"},
        // The square's glyph stands one pixel right and pushes what follows by two.
        {"carre()A", {{"\x9B", 1, 0, 11}, {"A", 10, 0, 11}}, "SC"},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k = canevasFormule();
        dessinerFormule(k, c.formule, 0, 0);
        EXPECT_EQ(ecrits(k), c.ecrits) << c.formule;
        std::string polices;
        for (const Appel& a : k.appels(GenreAppel::TextOut))
            polices += a.font.Name == "Symbol" ? 'S' : 'C';
        EXPECT_EQ(polices, c.polices) << c.formule;
    }
    // "étoile()" is the drawn cross, not a character.
    CanevasEnregistre k = canevasFormule();
    dessinerFormule(k, "2étoile()3", 0, 0);
    EXPECT_EQ(ecrits(k), (std::vector<Tecrit>{{"2", 0, 0, 11}, {"3", 16, 0, 11}}));
    EXPECT_EQ(k.nombre(GenreAppel::LineTo), 2u);
}

TEST(DessinerFormule, ConstructionsSurLeursColonnes)
{
    const struct {
        const char* formule;
        std::vector<Tecrit> ecrits;
        std::vector<TsegmentLu> traits;
    } cas[] = {
        // The 2 at 8 points, 0.32 line higher, in the column of the blank left for it.
        {"x^(2)+1", {{"2", 8, -5, 8}, {"x", 0, 0, 11}, {"+", 16, 0, 11}, {"1", 24, 0, 11}}, {}},
        {"u ind(n)", {{"n", 16, 6, 8}, {"u", 0, 0, 11}}, {}},
        // Each fraction leaves its width in blanks; the plus stays between them.
        {"frac(1;22)+frac(3;4)",
         {{"1", 4, -7, 11}, {"2", 0, 9, 11}, {"2", 8, 9, 11}, {"3", 24, -7, 11}, {"4", 24, 9, 11},
          {"+", 16, 0, 11}},
         {{1, 9, 15, 9, 0}, {25, 9, 31, 9, 0}}},
        // The fraction wins over the root inside it, which stays plain text.
        {"frac(rac(2);3)",
         {{"r", 0, -7, 11}, {"a", 8, -7, 11}, {"c", 16, -7, 11}, {"(", 24, -7, 11},
          {"2", 32, -7, 11}, {")", 40, -7, 11}, {"3", 20, 9, 11}},
         {{1, 9, 47, 9, 0}}},
        {"fracS(1;2)", {{"1", 0, -7, 11}, {"2", 0, 8, 11}}, {{1, 9, 7, 9, 0}}},
        // The root's bar spans the sign's blank and the radicand.
        {"rac(2)", {{"2", 8, 0, 11}}, {{1, 8, 3, 14, 0}, {3, 14, 6, 0, 0}, {6, 0, 16, 0, 0}}},
        {"ang(ABC)",
         {{"A", 0, 0, 11}, {"B", 8, 0, 11}, {"C", 16, 0, 11}},
         {{0, 2, 12, -3, 0}, {12, -3, 24, 2, 0}}},
        {"vec(AB)",
         {{"A", 0, 0, 11}, {"B", 8, 0, 11}},
         {{0, -15, 16, -15, 0}, {16, -15, 13, -18, 0}, {16, -15, 13, -12, 0}}},
        {"flec(x)", {{"x", 16, 0, 11}}, {{0, 9, 16, 9, 0}, {16, 9, 13, 6, 0}, {16, 9, 13, 12, 0}}},
        {"fracRacN(2;3)",
         {{"2", 8, -7, 11}, {"3", 4, 9, 11}},
         {{1, 9, 15, 9, 0}, {7, -6, 16, -6, 0}, {7, -6, 4, 8, 0}, {1, 1, 4, 8, 0}}},
        {"fracRacD(2;3)",
         {{"2", 4, -7, 11}, {"3", 8, 10, 11}},
         {{1, 9, 15, 9, 0}, {7, 12, 16, 12, 0}, {7, 12, 4, 25, 0}, {1, 17, 4, 25, 0}}},
        // Two columns for the sign, then the fraction.
        {"racFrac(1;2)",
         {{"1", 16, -7, 11}, {"2", 16, 9, 11}},
         {{17, 9, 23, 9, 0}, {14, -6, 24, -6, 0}, {14, -6, 8, 24, 0}, {2, 9, 8, 24, 0}}},
        // 2 columns of 3 text columns, one row: 6 blanks; cells half a column in.
        {"tab(2;1;3;1;a;b)c",
         {{"a", 4, -1, 11}, {"b", 28, -1, 11}, {"c", 48, 0, 11}},
         {{0, 0, 0, 15, 0}, {24, 0, 24, 15, 0}, {48, 0, 48, 15, 0}, {0, 0, 48, 0, 0},
          {0, 15, 48, 15, 0}}},
        // A system leaves no column: what follows continues under the brace.
        {"syst(2\\1\\-0,5\\0,5\\x+y=1\\x-y=3)z",
         {{"x", 8, -8, 11}, {"+", 16, -8, 11}, {"y", 24, -8, 11}, {"=", 32, -8, 11},
          {"1", 40, -8, 11}, {"x", 8, 8, 11}, {"-", 16, 8, 11}, {"y", 24, 8, 11},
          {"=", 32, 8, 11}, {"3", 40, 8, 11}, {"z", 0, 0, 11}},
         {}},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k = canevasFormule();
        dessinerFormule(k, c.formule, 0, 0);
        EXPECT_EQ(ecrits(k), c.ecrits) << c.formule;
        EXPECT_EQ(sansCouleur(segmentsDessines(k)), c.traits) << c.formule;
    }
}

TEST(DessinerFormule, AccoladeDuSystemeEtCouleurDuTexte)
{
    CanevasEnregistre k = canevasFormule();
    k.Font.Color = 0x008000;
    dessinerFormule(k, "syst(2\\1\\-0,5\\0,5\\a\\b)", 0, 0);
    // Height 2·1·15 + 1 from 7.5 − 15 + 1.5: from y = -6 to 25.
    const std::vector<Appel> accolades = k.appels(GenreAppel::Polyline);
    ASSERT_EQ(accolades.size(), 1u);
    const std::vector<TPoint> p = accolades[0].points();
    EXPECT_EQ(p.front(), (TPoint{2, -6}));
    EXPECT_EQ(p.back(), (TPoint{2, 25}));
    EXPECT_EQ(accolades[0].pen.Color, 0x008000);
    for (const Appel& a : k.appels(GenreAppel::TextOut)) EXPECT_EQ(a.font.Color, 0x008000);
}

TEST(DessinerFormule, TableauxHorsDesBornes)
{
    const struct {
        const char* formule;
        std::vector<Tecrit> ecrits;
        std::size_t traits;
    } cas[] = {
        // Eight columns: no table, no blanks.
        {"tab(8;1;1;1;a;b;c;d;e;f;g;h)xy", {{"x", 0, 0, 11}, {"y", 8, 0, 11}}, 0},
        {"tab(1;-1;1;1;a)xy", {{"x", 0, 0, 11}, {"y", 8, 0, 11}}, 0},
        // The cells a description leaves out stay empty.
        {"tab(2;2;1;1;a;b;c)", {{"a", 4, -8, 11}, {"b", 12, -8, 11}, {"c", 4, 7, 11}}, 6},
        // Columns beyond the line's 255 push what follows out of it.
        {"tab(1;1;1e300;1;a)z", {{"a", 4, -1, 11}}, 4},
        {"tab(1;1;-3;1;a)z", {{"a", 4, -1, 11}, {"z", 0, 0, 11}}, 4},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k = canevasFormule();
        dessinerFormule(k, c.formule, 0, 0);
        EXPECT_EQ(ecrits(k), c.ecrits) << c.formule;
        EXPECT_EQ(k.nombre(GenreAppel::LineTo), c.traits) << c.formule;
    }
}

TEST(LireTableau, DescriptionEtCellules)
{
    TtableauAdessiner t;
    t.source = "3;2;2,5;1;a;frac(1;2);c;d;e;f";
    lireTableau(t);
    EXPECT_EQ(t.colonnes, 3);
    EXPECT_EQ(t.lignes, 2);
    EXPECT_EQ(t.largeurColonne, 2.5);
    EXPECT_EQ(t.hauteurLigne, 1);
    // round(7.5) to the even 8.
    EXPECT_EQ(t.largeurTotale, 8);
    EXPECT_EQ(t.cellules[0][1], "frac(1;2)");
    EXPECT_EQ(t.cellules[1][2], "f");
    EXPECT_TRUE(t.source.empty());
}

TEST(DessinerFormule, TexteTropLongEtImbricationsSansFin)
{
    CanevasEnregistre longue = canevasFormule();
    dessinerFormule(longue, std::string(300, 'a'), 0, 0);
    EXPECT_EQ(longue.nombre(GenreAppel::TextOut), 255u);

    // Systems nested in their own lines, tables in their own cells: the work stays bounded and
    // the deepest levels are written as plain text.
    std::string systemes = "x", tableaux = "x";
    for (int i = 0; i < 25; ++i) {
        systemes = "syst(4\\1\\0\\0\\0\\0\\" + systemes + ")";
        tableaux = "tab(7;7;1;1;" + tableaux + ")";
    }
    for (const std::string& formule : {systemes, tableaux}) {
        CanevasEnregistre k = canevasFormule();
        dessinerFormule(k, formule, 0, 0);
        EXPECT_LT(k.appels().size(), 100000u);
        EXPECT_GT(k.nombre(GenreAppel::TextOut), 0u);
    }

    // More than four lines: the first four are drawn.
    CanevasEnregistre cinq = canevasFormule();
    dessinerFormule(cinq, "syst(5\\1\\0\\1\\2\\3\\4\\a\\b\\c\\d\\e)", 0, 0);
    EXPECT_EQ(ecrits(cinq), (std::vector<Tecrit>{{"a", 8, 0, 11}, {"b", 8, 15, 11},
                                                  {"c", 8, 30, 11}, {"d", 8, 45, 11}}));
}

}  // namespace
