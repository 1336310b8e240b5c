// Whole surfaces painted with the real Qt canvas, as the pupil sees them: a statement page, a
// figure with its grid and axes, and every style of framed block. With VASTRELLE_PNG naming a
// folder, each is also saved there.

#include <QImage>
#include <QPainter>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/text/zones_liens.h"
#include "platform/double/controles_enregistres.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/couleur_qt.h"
#include "tests/platform/qt/pixels.h"

namespace {

QRgb rgb(TColor c)
{
    return versQColor(c).rgb();
}

// Pixels of exactly that colour of the program in the box x1 ≤ x < x2, y1 ≤ y < y2.
int compter(const QImage& image, TColor couleur, int x1, int y1, int x2, int y2)
{
    return compter(image, rgb(couleur), x1, y1, x2, y2);
}

// A surface bound to a paint box of the given size and colour, painted into an image of that
// size as the paint box would be.
class RenduFigure : public ::testing::Test {
protected:
    void creer(int largeur, int hauteur, TColor couleur)
    {
        zone.setBounds(0, 0, largeur, hauteur);
        zone.setColor(couleur);
        creerFigure(&zone, 0, 0, surface);
    }

    // The background is filled from (0, 0) to (width, height) without outline, which leaves the
    // last column and row to what was under the paint box, as on the platform it was made for.
    QImage peindre(const char* nom)
    {
        // A colour the painter never uses shows any pixel the background failed to cover.
        QImage image(surface->largeur, surface->hauteur, QImage::Format_RGB32);
        image.fill(QColor(1, 2, 3));
        {
            QPainter peintre(&image);
            CanevasQt canevas(peintre);
            canevas.Brush.Color = zone.Color();
            dessinerFigure(*surface, canevas);
        }
        enregistrerPourVoir(image, nom);
        return image;
    }

    Tfigure& f() { return *surface; }

    ZoneDessinEnregistree zone;
    std::unique_ptr<Tfigure> surface;
};

TEST_F(RenduFigure, pageDEnonce)
{
    const TColor fond = 0xE0F7FF;
    creer(456, 290, fond);
    // The block at (8, 3.6), 440 × 234 pixels, its box 8 pixels lower than its tab.
    creerCadreEnonce(f(), 55, 13);
    creerLigneTexteMarge(f(), "Calcule $F3;4; + $F5;12; puis simplifie le résultat.", 3);
    creerLigneTexteMarge(f(), "$rAttention :$n la racine $4$F9;16;$4 vaut $F3;4;.", 5.5);
    creerLigneTexteMarge(f(), "L'aire du carré vaut 5² = 25 cm².", 8);
    creerLigneTexteMarge(f(), "Voir $LC02_C1;le cours; pour la méthode.", 10);
    creerLigneTexteMarge(f(), "$kBleu$n, $VVert$n et $rRouge$n : 2,5 $* 4 = 10.", 12);
    const QImage image = peindre("rendu_figure_enonce");

    EXPECT_EQ(compter(image, 0x030201, 0, 0, 455, 289), 0);
    EXPECT_EQ(image.pixel(452, 286), rgb(fond));
    EXPECT_EQ(image.pixel(2, 150), rgb(fond));
    // The blue tab right of "Énoncé", the white box below it.
    EXPECT_EQ(image.pixel(75, 20), rgb(0xB36600));
    EXPECT_GT(compter(image, 0xFFFFFF, 16, 6, 66, 24), 30);
    EXPECT_EQ(image.pixel(440, 230), rgb(0xFFFFFF));
    // The red words of the second line, and none on the lines around it.
    EXPECT_GT(compter(image, 0x0000FF, 16, 88, 110, 112), 30);
    EXPECT_EQ(compter(image, 0x0000FF, 0, 0, 456, 86), 0);
    EXPECT_EQ(compter(image, 0x0000FF, 0, 114, 456, 200), 0);
    // The link's zone where its words are, on its green ground; the last line's colours.
    const TlisteZonesLiens& z = f().zonesLiens;
    ASSERT_EQ(z.nbZones, 1);
    const TzoneLien& lien = z.zones[1];
    EXPECT_EQ(lien.numero, 1013);
    EXPECT_EQ(lien.haut, 171);
    EXPECT_GT(lien.gauche, 16 + 20);
    const int aire = (lien.droite - lien.gauche) * (lien.bas - lien.haut);
    EXPECT_GT(compter(image, 0x00FF00, lien.gauche, lien.haut, lien.droite, lien.bas), aire / 2);
    EXPECT_GT(compter(image, 0x000000, lien.gauche, lien.haut, lien.droite, lien.bas), 20);
    EXPECT_EQ(compter(image, 0x00FF00, 0, 0, 456, lien.haut), 0);
    EXPECT_GT(compter(image, 0xFF0000, 16, 207, 60, 225), 20);
    EXPECT_GT(compter(image, 0x008000, 40, 207, 110, 225), 20);
}

TEST_F(RenduFigure, figureGrilleEtAxes)
{
    creer(320, 290, 0xFFFFFF);
    f().axesVisibles = true;
    creerPointNomme(f(), "A", 0x0000FF, -3, -2, -1.2, 0);
    creerPointNomme(f(), "B", 0x0000FF, 3, -2, 0.3, 0);
    creerPointNomme(f(), "C", 0x0000FF, 0, 3, 0.3, -1.2);
    creerPointSansNom(f(), "D", 0, -4, 2);
    creerPointSansNom(f(), "E", 0, 4, 4);
    creerPointSansNom(f(), "F", 0, 1.5, 3);
    creerPolygone(f(), "p", "A B C", 0xFFE0C0);
    changerRemplissage(f(), "p", 1);
    creerSegmentTrait(f(), "A", "B", 0x000000);
    creerSegment(f(), "B", "C", 0xFF0000, 1, 2);
    creerSegmentPointille(f(), "C", "A", 0x000000);
    creerDroite(f(), "D", "E", 0x008000, 1, 1);
    creerDemiDroite(f(), "E", "B", 0x808080, 2, 1);
    creerCercle(f(), "k", "C", "F", 0x0000FF, 1, 1);
    creerArcCercle(f(), "a", "A", "B", "C", 0xFF00FF, 5, 1);
    const QImage image = peindre("rendu_figure_geometrie");

    EXPECT_EQ(compter(image, 0x030201, 0, 0, 319, 289), 0);
    EXPECT_EQ(image.pixel(0, 0), rgb(0xFFFFFF));
    EXPECT_EQ(image.pixel(318, 288), rgb(0xFFFFFF));
    // A grid line x = -4 low on the figure; the x axis in red over the grid.
    EXPECT_EQ(image.pixel(44, 280), rgb(0xE0E0E0));
    EXPECT_EQ(image.pixel(280, 145), rgb(0x0000FF));
    // The filled triangle covers the axis it crosses.
    EXPECT_EQ(image.pixel(150, 170), rgb(0xFFE0C0));
    EXPECT_EQ(image.pixel(160, 190), rgb(0xFFE0C0));
    // The marker of A (5 pixels thick), filled without outline: 3 pixels square about (73, 203).
    EXPECT_EQ(compter(image, 0x0000FF, 71, 201, 76, 206), 9);
    EXPECT_EQ(compter(image, 0x0000FF, 72, 202, 75, 205), 9);
    // The circle of centre C through F reaches 43.5 pixels above (160, 58).
    EXPECT_GT(compter(image, 0x0000FF, 155, 12, 166, 17), 0);
    // The line through D and E runs across the window, from (2, 97.5) to (318, 18.5).
    EXPECT_GT(compter(image, 0x008000, 2, 94, 6, 101), 0);
    EXPECT_GT(compter(image, 0x008000, 314, 16, 318, 22), 0);
    // The thick side BC about its middle (203.5, 130.5).
    EXPECT_GT(compter(image, 0xFF0000, 199, 126, 208, 135), 5);
    // The arc about A from B round to the ray through C, with its head.
    EXPECT_GT(compter(image, 0xFF00FF, 0, 0, 320, 290), 100);
    // Labels: "A" left of its point, the axis labels in red.
    EXPECT_GT(compter(image, 0x0000FF, 60, 200, 73, 220), 5);
    EXPECT_GT(compter(image, 0x0000FF, 305, 146, 318, 165), 5);
    EXPECT_EQ(f().zonesLiens.nbZones, 0);
}

TEST_F(RenduFigure, lesTreizeStylesDeCadres)
{
    creer(640, 400, 0xFFFFFF);
    struct {
        int style;
        double colonne, ligne, largeur, hauteur;
    } const blocs[] = {
        {1, 1, 1, 20, 3},    {2, 24, 1, 15, 3},  {3, 42, 1, 15, 3},  {4, 60, 1.5, 0, 1},
        {5, 1, 7, 12, 2.6},  {6, 16, 7, 20, 3},  {7, 40, 7, 12, 2.6}, {8, 56, 9, 15, 1},
        {9, 1, 13, 0, 1},    {10, 16, 13, 20, 3}, {12, 56, 13, 3, 1.3}, {13, 1, 17, 20, 3},
    };
    for (const auto& b : blocs) {
        Tcadre& c = creerCadre(f(), b.style, b.colonne, b.ligne, b.largeur, b.hauteur)
                        ->donneesDe<Tcadre>();
        c.titre = "le cours";
        c.codeLien = 1000 + b.style;
    }
    creerBoutonLien(f(), 1011, "Suivant", 336, 250, 100);
    const QImage image = peindre("rendu_figure_cadres");

    EXPECT_EQ(compter(image, 0x030201, 0, 0, 639, 399), 0);
    // Heading tabs right of their headings, and the filled buttons.
    struct {
        int x, y;
        TColor couleur;
    } const pixels[] = {
        {8 + 84, 18 + 15, 0x0579FA},     // 1: "Propriété"
        {8 + 150, 18 + 50, 0xFFFFFF},    // 1: the box
        {128 + 66, 126 + 18, 0xB36600},  // 6: "Énoncé"
        {128 + 63, 234 + 17, 0xF6B200},  // 10: "Action"
        {8 + 90, 126 + 40, 0xB36600},    // 5: "Pour s'exercer"
        {320 + 90, 126 + 40, 0x8CB92F},  // 7: "Revoir le cours"
        {448 + 18, 234 + 18, 0xE0FFE0},  // 12: "?"
        {8 + 100, 306 + 30, 0xC0C0C0},   // 13
        {336 + 90, 250 + 12, 0xF6B200},  // 11: "Suivant"
        {448 + 60, 162, 0xFF0000},       // 8: the line
    };
    for (const auto& p : pixels)
        EXPECT_EQ(image.pixel(p.x, p.y), rgb(p.couleur)) << p.x << " " << p.y;
    // The grey box's black outline, 3 pixels thick about its top edge.
    EXPECT_EQ(compter(image, 0x000000, 8 + 60, 300, 8 + 61, 312), 3);
    EXPECT_EQ(image.pixel(8 + 60, 308), rgb(0xC0C0C0));

    // Seven zones, in painting order, each where its block or its words are.
    const TlisteZonesLiens& z = f().zonesLiens;
    ASSERT_EQ(z.nbZones, 7);
    const int codes[] = {1004, 1005, 1007, 1008, 1009, 1012, 1011};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(z.zones[i].numero, codes[i - 1]) << i;
    // "Voir aussi" in green within its zone, which ends 10 pixels after the words.
    const TzoneLien& voir = z.zones[1];
    EXPECT_EQ(voir.gauche, 480);
    EXPECT_EQ(voir.haut, 27);
    EXPECT_GT(compter(image, 0x008000, voir.gauche, voir.haut, voir.droite, voir.bas), 100);
    EXPECT_EQ(compter(image, 0x008000, voir.droite - 8, voir.haut, 640, voir.bas), 0);
    EXPECT_GT(compter(image, 0x008000, voir.droite - 20, voir.haut, voir.droite - 8, voir.bas), 0);
    // The underlined link in blue, within its zone.
    const TzoneLien& lien = z.zones[5];
    EXPECT_EQ(lien.gauche, 8);
    EXPECT_EQ(lien.haut, 234);
    EXPECT_GT(compter(image, 0xFF0000, lien.gauche, lien.haut, lien.droite, lien.bas), 60);
    EXPECT_EQ(compter(image, 0xFF0000, lien.droite - 8, lien.haut, 120, lien.bas), 0);
    // The line's zone stands above it.
    const TzoneLien& ligne = z.zones[4];
    EXPECT_EQ((std::array{ligne.gauche, ligne.haut, ligne.droite, ligne.bas}),
              (std::array{448, 144, 568, 162}));
}

}  // namespace
