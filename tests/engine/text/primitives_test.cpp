#include "engine/text/primitives.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/double/canevas_enregistre.h"

namespace {

using Points = std::vector<TPoint>;

// Each LineTo as the segment it draws, from the pen position before it.
struct Trait {
    TPoint debut, fin;
    TPen pen;
};

std::vector<Trait> traits(const CanevasEnregistre& k)
{
    std::vector<Trait> r;
    for (const Appel& a : k.appels(GenreAppel::LineTo))
        r.push_back({a.position, {a.arguments[0], a.arguments[1]}, a.pen});
    return r;
}

TEST(PasTexte, ColonneEtLigneParTaille)
{
    const struct {
        int taille, colonne, ligne;
    } cas[] = {{8, 7, 10}, {14, 14, 18}, {24, 26, 45}, {12, 8, 15}, {11, 8, 15}, {0, 8, 15},
               {-8, 8, 15}};
    for (const auto& c : cas) {
        CanevasEnregistre k;
        k.Font.Size = c.taille;
        EXPECT_EQ(pasColonne(k), c.colonne) << c.taille;
        EXPECT_EQ(interligne(k), c.ligne) << c.taille;
    }
}

TEST(TracerSegment, TraitsPleinsTiretesEtPointilles)
{
    const struct {
        int trait;
        TPenStyle style;
    } cas[] = {{0, psSolid}, {1, psSolid}, {9, psSolid}, {-3, psSolid}, {7, psSolid},
               {2, psDash},  {3, psDot}};
    for (const auto& c : cas) {
        CanevasEnregistre k;
        tracerSegment(k, 0x123456, c.trait, 1.5, 2.5, 30.4, 40.6, 3);
        ASSERT_EQ(k.appels().size(), 2u) << c.trait;
        const Appel& ligne = k.appels()[1];
        EXPECT_EQ(ligne.genre, GenreAppel::LineTo);
        // Halves go to the even neighbour.
        EXPECT_EQ(ligne.position, (TPoint{2, 2}));
        EXPECT_EQ(ligne.arguments, (std::vector<int>{30, 41}));
        EXPECT_EQ(ligne.pen.Style, c.style) << c.trait;
        EXPECT_EQ(ligne.pen.Width, 3);
        EXPECT_EQ(ligne.pen.Color, 0x123456);
    }
}

TEST(TracerSegment, LesFlechesSelonLeTrait)
{
    // Kind 4 draws both heads with a 1-pixel pen whatever the width given.
    CanevasEnregistre k4;
    tracerSegment(k4, 0xFF, 4, 0, 0, 100, 0, 7);
    const std::vector<Appel> pointes = k4.appels(GenreAppel::Polygon);
    ASSERT_EQ(pointes.size(), 2u);
    EXPECT_EQ(pointes[0].points(), (Points{{100, 0}, {90, -3}, {90, 3}}));
    EXPECT_EQ(pointes[1].points(), (Points{{0, 0}, {10, 3}, {10, -3}}));
    for (const Trait& t : traits(k4)) EXPECT_EQ(t.pen.Width, 1);

    CanevasEnregistre k5;
    tracerSegment(k5, 0xFF, 5, 0, 0, 100, 0, 4);
    ASSERT_EQ(k5.nombre(GenreAppel::Polygon), 1u);
    EXPECT_EQ(traits(k5).at(0).pen.Width, 4);

    CanevasEnregistre k6;
    tracerSegment(k6, 0xFF, 6, 0, 0, 100, 0, 2);
    ASSERT_EQ(k6.nombre(GenreAppel::Polygon), 1u);
    EXPECT_EQ(k6.nombre(GenreAppel::LineTo), 0u);
}

TEST(PointeFleche, PleineEtOuverte)
{
    CanevasEnregistre pleine;
    pointeFlechePleine(pleine, 0x00FF00, 2, 0, 0, 100, 0);
    const Appel ligne = pleine.appels(GenreAppel::LineTo).at(0);
    EXPECT_EQ(ligne.pen.Style, psSolid);
    const Appel tete = pleine.appels(GenreAppel::Polygon).at(0);
    EXPECT_EQ(tete.points(), (Points{{100, 0}, {90, -3}, {90, 3}}));
    EXPECT_EQ(tete.pen.Style, psClear);
    EXPECT_EQ(tete.brush.Style, bsSolid);
    EXPECT_EQ(tete.brush.Color, 0x00FF00);
    EXPECT_EQ(pleine.Brush.Style, bsClear);

    CanevasEnregistre ouverte;
    pointeFlecheOuverte(ouverte, 0x00FF00, 2, 0, 0, 100, 0);
    ASSERT_EQ(ouverte.appels().size(), 1u);
    const Appel& contour = ouverte.appels()[0];
    EXPECT_EQ(contour.points(),
              (Points{{100, 0}, {81, -5}, {100, 0}, {81, 5}, {100, 0}, {0, 0}}));
    EXPECT_EQ(contour.pen.Style, psSolid);
    EXPECT_EQ(contour.pen.Width, 2);
    EXPECT_EQ(contour.brush.Style, bsClear);
}

TEST(PointeFleche, SegmentsDeLongueurNulle)
{
    CanevasEnregistre ouverte;
    pointeFlecheOuverte(ouverte, 0, 1, 5, 5, 5, 5);
    EXPECT_TRUE(ouverte.appels().empty());

    // The shaft is drawn, the head has no direction and is left out.
    CanevasEnregistre pleine;
    doubleFleche(pleine, 0, 5, 5, 5, 5);
    EXPECT_EQ(pleine.nombre(GenreAppel::LineTo), 2u);
    EXPECT_EQ(pleine.nombre(GenreAppel::Polygon), 0u);
}

TEST(TracerTrait, CouleursEtEtatLaisse)
{
    CanevasEnregistre k;
    k.Font.Color = 0x0000FF;
    tracerTraitTexte(k, 0, 0, 5, 5);
    tracerTraitNoir(k, 0, 0, 5, 5);
    tracerTrait(k, 0xABCDEF, 0, 0, 5, 5);
    const std::vector<Trait> t = traits(k);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].pen.Color, 0x0000FF);
    EXPECT_EQ(t[1].pen.Color, 0x000000);
    EXPECT_EQ(t[2].pen.Color, 0xABCDEF);
}

// Each primitive sets its own pen: a dashed segment does not leak into what follows.
TEST(TracerTrait, UnTiretNeDebordePasSurLaSuite)
{
    CanevasEnregistre k;
    tracerSegment(k, 0, 2, 0, 0, 10, 10, 2);
    remplirRectangle(k, 0xFF, 0, 0, 10, 10);
    tracerTrait(k, 0, 0, 0, 10, 10);
    const Appel rectangle = k.appels(GenreAppel::Rectangle).at(0);
    EXPECT_EQ(rectangle.pen.Style, psClear);
    EXPECT_EQ(rectangle.brush.Style, bsSolid);
    EXPECT_EQ(rectangle.brush.Color, 0xFF);
    const std::vector<Trait> t = traits(k);
    EXPECT_EQ(t.at(0).pen.Style, psDash);
    EXPECT_EQ(t.at(1).pen.Style, psSolid);
    EXPECT_EQ(t.at(1).pen.Width, 1);
}

TEST(TracerAccolade, OnzePointsSurSeizeSeiziemes)
{
    CanevasEnregistre k;
    tracerAccolade(k, 0xFF0000, 10, 0, 32);
    const Appel& a = k.appels().at(0);
    EXPECT_EQ(a.genre, GenreAppel::Polyline);
    EXPECT_EQ(a.points(), (Points{{12, 0}, {10, 4}, {10, 8}, {12, 12}, {12, 14}, {10, 16},
                                  {12, 18}, {12, 20}, {10, 24}, {10, 28}, {12, 32}}));
    EXPECT_EQ(a.pen.Color, 0xFF0000);
    EXPECT_EQ(a.pen.Width, 1);
    EXPECT_EQ(a.pen.Style, psSolid);
}

TEST(TracerArc, PointesSelonLeTrait)
{
    // Box 0,0-100,100 from (100, 50) anticlockwise to (50, 0).
    const Trait finHaute = {{50, 0}, {62, 7}, {}}, finBasse = {{50, 0}, {62, -7}, {}};
    const Trait debutGauche = {{100, 50}, {93, 38}, {}}, debutDroit = {{100, 50}, {107, 38}, {}};
    const struct {
        int trait;
        std::vector<Trait> barbes;
        TPenStyle style;
    } cas[] = {
        {1, {}, psSolid},
        {6, {}, psSolid},
        {0, {}, psSolid},
        {2, {}, psDash},
        {3, {}, psDot},
        {5, {finHaute, finBasse}, psSolid},
        {7, {debutGauche, debutDroit}, psSolid},
        {4, {finHaute, finBasse, debutGauche, debutDroit}, psSolid},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        tracerArc(k, 0x00FFFF, c.trait, 0, 0, 100, 100, 100, 50, 50, 0, 2);
        const Appel& arc = k.appels().at(0);
        EXPECT_EQ(arc.genre, GenreAppel::Arc);
        EXPECT_EQ(arc.arguments, (std::vector<int>{0, 0, 100, 100, 100, 50, 50, 0}));
        EXPECT_EQ(arc.pen.Style, c.style) << c.trait;
        const std::vector<Trait> t = traits(k);
        ASSERT_EQ(t.size(), c.barbes.size()) << c.trait;
        for (std::size_t i = 0; i < t.size(); ++i) {
            EXPECT_EQ(t[i].debut, c.barbes[i].debut) << c.trait << " " << i;
            EXPECT_EQ(t[i].fin, c.barbes[i].fin) << c.trait << " " << i;
            EXPECT_EQ(t[i].pen.Width, 2);
        }
    }
}

TEST(TracerArc, PasDePointeAuCentre)
{
    // The end point is the centre: no head at either end, even the start's.
    CanevasEnregistre k;
    tracerArc(k, 0, 4, 0, 0, 100, 100, 100, 50, 50, 50, 1);
    EXPECT_EQ(k.nombre(GenreAppel::Arc), 1u);
    EXPECT_EQ(k.nombre(GenreAppel::LineTo), 0u);
    // The start point at the centre spoils only the start's head.
    CanevasEnregistre k4;
    tracerArc(k4, 0, 4, 0, 0, 100, 100, 50, 50, 50, 0, 1);
    EXPECT_EQ(k4.nombre(GenreAppel::LineTo), 2u);
}

TEST(Ellipses, ContourEtRemplissage)
{
    CanevasEnregistre k;
    tracerEllipse(k, 0xFF, 1, 0, 0, 10, 10, 2);
    tracerEllipse(k, 0xFF, 0, 0, 0, 10, 10, 1);
    tracerEllipse(k, 0xFF, 1, 0, 0, 1e6, 10, 1);
    tracerEllipse(k, 0xFF, 1, -1e6 - 1, 0, 10, 10, 1);
    tracerEllipse(k, 0xFF, 1, 0, 0, 10, 2e7, 1);
    const std::vector<Appel> e = k.appels(GenreAppel::Ellipse);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].pen.Style, psSolid);
    EXPECT_EQ(e[0].pen.Width, 2);
    EXPECT_EQ(e[0].brush.Style, bsClear);
    EXPECT_EQ(e[1].pen.Style, psDot);
    EXPECT_EQ(e[2].arguments, (std::vector<int>{0, 0, 1000000, 10}));
}

TEST(Remplissages, MotifsEtStyleGarde)
{
    const struct {
        int motif;
        TBrushStyle style;
    } cas[] = {{1, bsSolid},     {2, bsBDiagonal},  {3, bsFDiagonal}, {4, bsCross},
               {5, bsDiagCross}, {6, bsHorizontal}, {7, bsVertical}};
    for (const auto& c : cas) {
        CanevasEnregistre k;
        remplirEllipse(k, c.motif, 0x00FF00, 0, 0, 10, 10);
        remplirSecteur(k, c.motif, 0x00FF00, 0, 0, 10, 10, 10, 5, 5, 0);
        remplirCorde(k, c.motif, 0x00FF00, 0, 0, 10, 10, 10, 5, 5, 0);
        ASSERT_EQ(k.appels().size(), 3u);
        for (const Appel& a : k.appels()) {
            EXPECT_EQ(a.brush.Style, c.style) << c.motif;
            EXPECT_EQ(a.brush.Color, 0x00FF00);
            EXPECT_EQ(a.pen.Style, psClear);
        }
        EXPECT_EQ(k.appels()[1].genre, GenreAppel::Pie);
        EXPECT_EQ(k.appels()[2].genre, GenreAppel::Chord);
    }
    // A motif outside 1..7 keeps the brush style of the previous drawing, with the new colour.
    for (const int motif : {0, 8, -1}) {
        CanevasEnregistre k;
        remplirEllipse(k, 4, 0xFF, 0, 0, 10, 10);
        remplirEllipse(k, motif, 0xFF0000, 0, 0, 10, 10);
        const Appel& a = k.appels().at(1);
        EXPECT_EQ(a.brush.Style, bsCross) << motif;
        EXPECT_EQ(a.brush.Color, 0xFF0000);
    }
}

TEST(Rectangles, ContoursPleinsEtOmbres)
{
    CanevasEnregistre k;
    tracerCadreOmbre(k, 0xFFFFFF, 0x808080, 10, 20, 110, 60);
    const std::vector<Appel>& a = k.appels();
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[0].genre, GenreAppel::Rectangle);
    EXPECT_EQ(a[0].brush.Color, 0xFFFFFF);
    EXPECT_EQ(a[0].pen.Style, psClear);
    EXPECT_EQ(a[1].genre, GenreAppel::Rectangle);
    EXPECT_EQ(a[1].arguments, (std::vector<int>{10, 20, 110, 60}));
    EXPECT_EQ(a[1].pen.Color, 0x808080);
    EXPECT_EQ(a[1].pen.Width, 1);
    EXPECT_EQ(a[1].brush.Style, bsClear);
    const std::vector<Trait> ombre = traits(k);
    ASSERT_EQ(ombre.size(), 2u);
    EXPECT_EQ(ombre[0].debut, (TPoint{11, 60}));
    EXPECT_EQ(ombre[0].fin, (TPoint{110, 60}));
    EXPECT_EQ(ombre[1].debut, (TPoint{110, 21}));
    EXPECT_EQ(ombre[1].fin, (TPoint{110, 60}));
    EXPECT_EQ(ombre[0].pen.Width, 3);
    EXPECT_EQ(ombre[1].pen.Style, psSolid);

    CanevasEnregistre epais;
    tracerRectangle(epais, 4, 0xFF, 0.5, 1.5, 10, 10);
    EXPECT_EQ(epais.appels().at(0).arguments, (std::vector<int>{0, 2, 10, 10}));
    EXPECT_EQ(epais.appels().at(0).pen.Width, 4);
}

TEST(Rectangles, ArrondisEtBouton)
{
    CanevasEnregistre k;
    tracerBoutonArrondi(k, 0xFFFF00, 0x000080, 0, 0, 50, 20);
    const std::vector<Appel>& a = k.appels();
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0].arguments, (std::vector<int>{0, 0, 50, 20, 16, 16}));
    EXPECT_EQ(a[0].brush.Style, bsSolid);
    EXPECT_EQ(a[0].brush.Color, 0xFFFF00);
    EXPECT_EQ(a[0].pen.Style, psClear);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(a[i].genre, GenreAppel::RoundRect);
        EXPECT_EQ(a[i].arguments, (std::vector<int>{0, 0, 49 + i, 19 + i, 16, 16}));
        EXPECT_EQ(a[i].pen.Color, 0x000080);
        EXPECT_EQ(a[i].pen.Width, 1);
        EXPECT_EQ(a[i].brush.Style, bsClear);
    }

    CanevasEnregistre motif;
    remplirRectangleArrondiMotif(motif, 0xFF, bsDiagCross, 0, 0, 10, 10);
    EXPECT_EQ(motif.appels().at(0).brush.Style, bsDiagCross);
    EXPECT_EQ(motif.appels().at(0).pen.Style, psClear);
}

}  // namespace
