// Markup drawn with the real Qt canvas, as the pupil sees it. With VASTRELLE_PNG naming a folder,
// the page is saved there as rendu_texte.png for a look.

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <string>

#include "engine/text/texte_balise.h"
#include "engine/text/zones_liens.h"
#include "platform/qt/canevas_qt.h"
#include "tests/platform/qt/pixels.h"

namespace {

const QRgb fond = qRgb(255, 247, 224);
const QRgb noir = qRgb(0, 0, 0);
const QRgb rouge = qRgb(255, 0, 0);
const QRgb vert = qRgb(0, 255, 0);

struct Tligne {
    std::string texte;
    double x, y;
    double fin = 0;  // where the pen ended
};

class RenduTexte : public ::testing::Test {
protected:
    void SetUp() override
    {
        image = QImage(456, 290, QImage::Format_RGB32);
        image.fill(fond);
        QPainter peintre(&image);
        CanevasQt canevas(peintre);
        viderZonesLiens(zones, 0);
        listeZonesCourante = &zones;
        for (Tligne& l : lignes) {
            l.fin = l.x;
            dessinerTexte(canevas, l.texte, l.fin, l.y, 0x000000, styleNormal, 12);
        }
        listeZonesCourante = nullptr;
        peintre.end();
        enregistrerPourVoir(image, "rendu_texte");
    }

    QImage image;
    TlisteZonesLiens zones;
    Tligne lignes[7] = {
        {"Calcule $F3;4; + $F5;12; puis simplifie $F15;20;.", 8, 14},
        {"$rAttention :$n la racine $4$F9;16;$4 vaut $F3;4;, et $4x² + 1$4 aussi.", 8, 58},
        {"Voir $LC02_C1;le cours; et $LPoutils;les outils;.", 8, 100},
        {"$s2\\1\\-0,5\\0,5\\2x + y = 7\\x - y = -1$s  puis  $W$F1;2;\\$F3;4;\\ = $F2;3;", 8,
         140},
        {"L'angle $3ABC$N, le vecteur $5AB$N, x² - 4 >= 0, a <> b, 6 $: 2 = 2 $* 1,5", 8, 190},
        {"A app() (d), B napp() (d), (d) perp() (d'), $Z carré $z point $d suite, 3,5 $x 2", 8,
         222},
        {"$F123;45;", 8, 256},
    };
};

TEST_F(RenduTexte, LeRougeEstLaOuEstLeTexteRouge)
{
    // "Attention :" starts the second line; nothing else on the page is red.
    const int y = static_cast<int>(lignes[1].y);
    EXPECT_GT(compter(image, rouge, 8, y, 80, y + 20), 20);
    EXPECT_EQ(compter(image, rouge, 80, 0, 456, 290), 0);
    EXPECT_EQ(compter(image, rouge, 0, 0, 456, y - 10), 0);
}

TEST_F(RenduTexte, LaBarreDeFractionEstUneLigneDeTexte)
{
    // At 12 points e = 8: the bar is 9 pixels below the line's top, as long as the wider part.
    const Tligne& l = lignes[6];
    const int y = static_cast<int>(l.y) + 9;
    const int debut = static_cast<int>(l.x), fin = static_cast<int>(l.fin);
    EXPECT_GT(fin - debut, 15);
    for (int x = debut; x < fin; ++x) EXPECT_EQ(image.pixel(x, y), noir) << x;
    EXPECT_NE(image.pixel(fin + 1, y), noir);
    // Numerator above, denominator below, both in black.
    EXPECT_GT(compter(image, noir, debut, y - 18, fin, y - 1), 20);
    EXPECT_GT(compter(image, noir, debut, y + 1, fin, y + 18), 20);
}

TEST_F(RenduTexte, LesLiensSontSurligneesOuSoulignes)
{
    ASSERT_EQ(zones.nbZones, 2);
    const TzoneLien& cours = zones.zones[1];
    EXPECT_EQ(cours.numero, 1013);
    EXPECT_EQ(cours.haut, 100);
    // The course link stands on its green ground, the text over it.
    const int surface = (cours.droite - cours.gauche) * (cours.bas - cours.haut);
    const int verts = compter(image, vert, cours.gauche, cours.haut, cours.droite, cours.bas);
    EXPECT_GT(verts, surface / 2);
    EXPECT_GT(compter(image, noir, cours.gauche, cours.haut, cours.droite, cours.bas), 20);
    // The tool link has no ground: no green there.
    const TzoneLien& outils = zones.zones[2];
    EXPECT_EQ(outils.numero, 2763);
    EXPECT_EQ(compter(image, vert, outils.gauche, outils.haut, outils.droite, outils.bas), 0);
    EXPECT_GT(compter(image, noir, outils.gauche, outils.haut, outils.droite, outils.bas), 20);
}

TEST_F(RenduTexte, LesLignesSArretentDansLaPage)
{
    for (const Tligne& l : lignes) {
        EXPECT_GT(l.fin, l.x + 20) << l.texte;
        EXPECT_LT(l.fin, 456) << l.texte;
    }
}

}  // namespace
