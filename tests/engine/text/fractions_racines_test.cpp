#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/text/dessin_texte.h"

namespace {

// At (0, 100), 12 points: e = 8, the numerator's top at 91, the denominator's and the bar at 109.
TEST(Fraction, PartiesAlignesAGaucheEtBarreDeLaPlusLarge)
{
    const struct {
        const char* texte;
        int hautNumerateur;
        TPoint denominateur;  // where its first text is drawn
        int fin;
    } cas[] = {
        {"$Fab;c;", 91, {0, 109}, 16},
        {"$Fa;bcd;", 91, {0, 109}, 24},
        // Lowered clear of the bar: 6 for a superscript, 4 more for a root (whose radicand
        // starts 10 pixels right).
        {"$F1;x²;", 91, {0, 115}, 15},
        {"$F1;$4x$4;", 91, {10, 113}, 18},
        {"$F1;$4x²$4;", 91, {10, 119}, 25},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        EXPECT_EQ(dessiner(k, c.texte, 0, 100), c.fin) << c.texte;
        const std::vector<Appel> t = textesDessines(k);
        ASSERT_GE(t.size(), 2u) << c.texte;
        EXPECT_EQ(t[0].arguments, (std::vector<int>{0, c.hautNumerateur})) << c.texte;
        EXPECT_EQ(t[1].arguments, (std::vector<int>{c.denominateur.x, c.denominateur.y}))
            << c.texte;
        const std::vector<TraitDessine> traits = traitsDessines(k);
        ASSERT_FALSE(traits.empty());
        EXPECT_EQ(traits.back(), (TraitDessine{0, 109, c.fin, 109})) << c.texte;
    }
}

TEST(Fraction, LesPartiesGardentLaPoliceDuTexte)
{
    CanevasEnregistre k;
    dessiner(k, "$H$g$rx = $F1;2;+y", 0, 100);
    for (const Appel& t : textesDessines(k)) {
        EXPECT_EQ(t.font.Name, "Arial") << t.texte;
        EXPECT_EQ(t.font.Style, fsBold) << t.texte;
        EXPECT_EQ(t.font.Color, 0x0000FF) << t.texte;
    }
    EXPECT_FALSE(partieDeFraction);
}

// A fraction's crosses sit one pixel lower than those of the line.
TEST(Fraction, CroixAbaisseesDansLesParties)
{
    CanevasEnregistre k;
    dessiner(k, "2*3$F2*3;1;", 0, 100);
    const std::vector<TraitDessine> t = traitsDessines(k);
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[0], (TraitDessine{15, 107, 21, 113}));
    EXPECT_EQ(t[2], (TraitDessine{40 + 15, 91 + 8, 40 + 21, 91 + 14}));
}

TEST(Fraction, LesPartiesCoupeesACentVingtCaracteres)
{
    CanevasEnregistre k;
    EXPECT_EQ(dessiner(k, "$F" + std::string(200, 'a') + ";b;"), 120 * 8);
}

// "$W": each part from the call's own font; a part holding a fraction stands e + 1 further out.
TEST(FractionComposee, PartiesEtBarre)
{
    CanevasEnregistre k;
    EXPECT_EQ(dessiner(k, "$g$W$F1;2;\\345\\", 0, 100), 24);
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].texte, "1");
    EXPECT_EQ(t[0].arguments, (std::vector<int>{0, 82 - 9}));
    EXPECT_EQ(t[1].arguments, (std::vector<int>{0, 82 + 9}));
    EXPECT_EQ(t[2].texte, "345");
    EXPECT_EQ(t[2].arguments, (std::vector<int>{0, 109}));
    EXPECT_EQ(t[2].font.Style, 0);
    EXPECT_EQ(traitsDessines(k).back(), (TraitDessine{0, 109, 24, 109}));

    CanevasEnregistre bas;
    dessiner(bas, "$Wx\\$F1;2;\\", 0, 100);
    const std::vector<Appel> tb = textesDessines(bas);
    ASSERT_EQ(tb.size(), 3u);
    EXPECT_EQ(tb[0].arguments, (std::vector<int>{0, 91}));
    EXPECT_EQ(tb[1].arguments, (std::vector<int>{0, 118 - 9}));
    EXPECT_EQ(tb[2].arguments, (std::vector<int>{0, 118 + 9}));
}

// The sign: the short stroke from (x, y + 8), the long one from the bar's start; both meet at
// (x + 4, bottom).
TEST(Racine, HauteursDuSigne)
{
    const struct {
        const char* texte;
        int haut, bas, fin;
    } cas[] = {
        {"$4x$4", 100, 116, 18},
        {"$4x²$4", 95, 116, 10 + 8 + 2 + 7 - 2},
        {"$4$F1;2;$4", 92, 125, 18},
        // A fraction wins over a superscript.
        {"$4$F1;x²;$4", 92, 125, 25},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        EXPECT_EQ(dessiner(k, c.texte, 0, 100), c.fin) << c.texte;
        const std::vector<TraitDessine> t = traitsDessines(k);
        ASSERT_GE(t.size(), 3u);
        EXPECT_EQ(t[0], (TraitDessine{0, 108, 4, c.bas})) << c.texte;
        EXPECT_EQ(t[1], (TraitDessine{8, c.haut, 4, c.bas})) << c.texte;
        EXPECT_EQ(t.back(), (TraitDessine{8, c.haut, c.fin, c.haut})) << c.texte;
        EXPECT_EQ(textesDessines(k).at(0).arguments[0], 10) << c.texte;
    }
}

// A system at (0, 100), 12 points: c = 8, l = 15.
TEST(Systeme, AccoladeEtLignes)
{
    CanevasEnregistre k;
    EXPECT_EQ(dessiner(k, "$s2\\1\\-0,5\\0,5\\x+y=3\\x-y=1$s", 0, 100), 49);
    // Top 100 + 7.5 - 15 + 1.5 = 94, height 2·15 + 1 = 31.
    const Appel accolade = k.appels(GenreAppel::Polyline).at(0);
    EXPECT_EQ(accolade.points().front(), (TPoint{2, 94}));
    EXPECT_EQ(accolade.points().back(), (TPoint{2, 125}));
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].texte, "x+y=3");
    EXPECT_EQ(t[0].arguments, (std::vector<int>{8, 92}));
    EXPECT_EQ(t[1].arguments, (std::vector<int>{8, 108}));
    // The minus of the second line is drawn, after the outer text exchanged it.
    EXPECT_EQ(traitsDessines(k), (std::vector<TraitDessine>{{16, 117, 22, 117}}));
}

TEST(Systeme, PlusDeQuatreLignes)
{
    CanevasEnregistre k;
    dessiner(k, "$s6\\2\\-2\\-1\\0\\1\\2\\3\\a\\b\\c\\d\\e\\f$s", 0, 100);
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 4u);
    const char* lignes[] = {"a", "b", "c", "d"};
    const int hauts[] = {70, 85, 100, 115};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t[static_cast<std::size_t>(i)].texte, lignes[i]);
        EXPECT_EQ(t[static_cast<std::size_t>(i)].arguments[1], hauts[i]);
    }
}

}  // namespace
