// A pupil's drags with real mouse events on a real paint box: a free point and the constructions
// that follow it, a slider by steps, a compass's radius and a protractor's arm, a bar of a
// diagram, cells of a checkerboard. And the layered paint of a drag, pixel for pixel and zone for
// zone the same as a full paint. With VASTRELLE_PNG naming a folder, the pictures are saved there.

#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "engine/figure/cases_damier.h"
#include "engine/figure/creation_diagramme.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_marques.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_quadrillages.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/glissement.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/figure/souris.h"
#include "platform/double/controles_enregistres.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/couleur_qt.h"
#include "platform/qt/zone_dessin_qt.h"
#include "tests/platform/qt/pixels.h"

namespace {

int compter(const QImage& image, TColor couleur, int x1, int y1, int x2, int y2)
{
    return compter(image, versQColor(couleur).rgb(), x1, y1, x2, y2);
}

// The pixels where two pictures of one size differ, and the first of them.
std::string differences(const QImage& a, const QImage& b)
{
    int n = 0;
    std::string premier;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && n++ == 0)
                premier = " from (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return std::to_string(n) + premier;
}

class GlisserQt : public ::testing::Test {
protected:
    GlisserQt()
    {
        zone.resize(320, 290);
        zone.setColor(0xFFFFFF);
        creerFigure(&zone, 0, 0, surface);
        zone.OnPaint.lier(gardeOuverte(), [this] { dessinerFigure(*surface); });
        zone.OnMouseDown.lier(gardeOuverte(), [this](BoutonSouris, int x, int y) { gererSouris(*surface, x, y, 1); });
        zone.OnMouseUp.lier(gardeOuverte(), [this](BoutonSouris, int x, int y) { gererSouris(*surface, x, y, 2); });
        zone.OnMouseMove.lier(gardeOuverte(), [this](int x, int y) { gererSouris(*surface, x, y, 3); });
        zone.show();
    }

    Tfigure& f() { return *surface; }
    QPoint pixel(double x, double y) { return {versPixelX(f(), x), versPixelY(f(), y)}; }
    void appuyer(QPoint p) { QTest::mousePress(&zone, Qt::LeftButton, {}, p); }
    void deplacer(QPoint p) { QTest::mouseMove(&zone, p); }
    void relacher(QPoint p) { QTest::mouseRelease(&zone, Qt::LeftButton, {}, p); }
    QImage voir(const char* nom)
    {
        const QImage image = zone.grab().toImage().convertToFormat(QImage::Format_RGB32);
        enregistrerPourVoir(image, nom);
        return image;
    }

    ZoneDessinQt zone;
    std::unique_ptr<Tfigure> surface;
};

TEST_F(GlisserQt, lesConstructionsSuiventLePoint)
{
    creerPointNomme(f(), "O", 0, -3, -3, -1.2, 0);
    creerPointNomme(f(), "B", 0, 3, -3, 0.3, 0);
    creerPointMobile(f(), "A", 0x0000FF, -3, 2);
    creerSegmentTrait(f(), "O", "A", 0);
    creerSegmentTrait(f(), "O", "B", 0);
    creerDroite(f(), "O", "B", 0xC0C0C0, 1, 1);
    creerPerpendiculaire(f(), "d", "A", "(OB)", 0xFF0000, 1, 1);
    creerMilieu(f(), "I", "O", "A", 0.3, 0, 0x008000);
    creerMarqueAngleDroit(f(), "m", "O", "B", "A", 0.4, 0x0000FF, 0);
    creerCodageSegment(f(), "c", "O", "I", 0.2, 0x008000, 2);
    creerCodageSegment(f(), "e", "I", "A", 0.2, 0x008000, 2);
    voir("glisser_avant");
    appuyer(pixel(-3, 2));
    deplacer(pixel(-1, 2.5));
    deplacer(pixel(1, 3));
    const QImage pendant = voir("glisser_pendant");
    relacher(pixel(1, 3));
    const QImage apres = voir("glisser_apres");
    EXPECT_EQ(differences(pendant, apres), "0");
    EXPECT_FALSE(f().glissement);
    // The midpoint, the perpendicular's foot side and the mark have followed.
    const double ax = abscisse(f(), "A"), ay = ordonnee(f(), "A");
    EXPECT_NEAR(ax, 1, 0.04);
    EXPECT_NEAR(abscisse(f(), "I"), (ax - 3) / 2, 1e-12);
    EXPECT_NEAR(ordonnee(f(), "I"), (ay - 3) / 2, 1e-12);
    EXPECT_GT(compter(apres, 0xFF0000, pixel(ax, 0).x() - 1, 0, pixel(ax, 0).x() + 2, 290), 250);
    EXPECT_EQ(compter(apres, 0xFF0000, 0, 0, pixel(-3, 0).x() + 5, 290), 0);
    // The mark's square, in the angle AOB at O.
    EXPECT_GT(compter(apres, 0x0000FF, pixel(-3, 0).x(), pixel(0, -2.5).y(), pixel(-2.4, 0).x(),
                      pixel(0, -3).y() + 1),
              10);
    // The codings' strokes on [OI] and [IA], none left where [OA] was.
    EXPECT_GT(compter(apres, 0x008000, 0, 0, 320, 290), 20);
    EXPECT_EQ(compter(apres, 0x008000, pixel(-3.5, 0).x(), 0, pixel(-2.6, 0).x(), pixel(0, -1).y()),
              0);
}

TEST_F(GlisserQt, curseurParPasCompasEtRapporteur)
{
    creerPointCurseur(f(), "C", 0xFF0000, 0, -4, 0, 4, 1, 0, 0);
    appuyer(pixel(0, -4));
    for (const double x : {0.3, 0.7, 1.2, 2.6, 3.4})
        deplacer(pixel(x, -4));
    EXPECT_DOUBLE_EQ(abscisse(f(), "C"), 3);
    relacher(pixel(3.4, -4));

    f().nbOutils = 2;
    Toutil& compas = f().outils[1];
    compas.genre = outilCompas;
    compas.x = compas.y = -2;
    Toutil& rapporteur = f().outils[2];
    rapporteur.genre = outilRapporteur;
    rapporteur.x = 2.5;
    rapporteur.y = 1.5;
    rapporteur.rayon = 2;
    rapporteur.angleBras = 60;
    appuyer(pixel(-2, 1));
    EXPECT_EQ(f().objetSaisi, -1);
    EXPECT_EQ(compas.partieSaisie, 6);
    deplacer(pixel(-2, 0));
    deplacer(pixel(-2, -1.8));
    relacher(pixel(-2, -1.8));
    EXPECT_DOUBLE_EQ(compas.rayon, 0.5);
    // The arm, taken along its line, turned to the vertical.
    appuyer(pixel(2.5 + 1.5 * 0.5, 1.5 + 1.5 * std::sqrt(3.0) / 2));
    EXPECT_EQ(rapporteur.partieSaisie, 9);
    deplacer(pixel(2.5, 4));
    const QImage image = voir("glisser_instruments");
    relacher(pixel(2.5, 4));
    EXPECT_NEAR(rapporteur.angleBras, 90, 0.5);
    EXPECT_EQ(zone.Cursor(), crHandPoint);
    // The protractor's green arm stands vertical through its centre.
    const QPoint centre = pixel(2.5, 1.5);
    EXPECT_GT(compter(image, 0x008000, centre.x(), 0, centre.x() + 1, centre.y() - 40), 20);
}

TEST_F(GlisserQt, barreDuDiagrammeEtCasesDuDamier)
{
    creerDiagramme(f(), 3, "4\\8\\2", "a\\b\\c", 1, false);
    const Tdiagramme& d = objetNomme(f(), "Diagramme")->donneesDe<Tdiagramme>();
    const QPoint sommet(static_cast<int>(d.pointsX[2]), static_cast<int>(std::lround(d.pointsY[2])));
    deplacer(sommet);
    EXPECT_EQ(zone.Cursor(), crSizeNS);
    appuyer(sommet);
    deplacer(QPoint(sommet.x(), static_cast<int>(std::lround(d.baseY - 15 * d.hauteurUnite))));
    relacher(QPoint(sommet.x(), static_cast<int>(std::lround(d.baseY - 15 * d.hauteurUnite))));
    EXPECT_EQ(d.effectifs[2], 15);
    const QImage barres = voir("glisser_diagramme");
    EXPECT_EQ(barres.pixel(sommet.x(), static_cast<int>(d.baseY - 14 * d.hauteurUnite)),
              versQColor(0xE0FFE0).rgb());

    reinitialiserFigure(f());
    creerDamier(f());
    for (const auto& [x, y] : {std::pair{-4.5, 4.5}, {-3.5, 4.5}, {-3.5, 3.5}, {-3.5, 3.5}})
        QTest::mouseClick(&zone, Qt::LeftButton, {}, pixel(x, y));
    const Tdamier& damier = f().objets[1]->donneesDe<Tdamier>();
    EXPECT_EQ(nombreCases(damier), 2);
    EXPECT_EQ(perimetreCases(damier), 6);
    const QImage cases = voir("glisser_damier");
    EXPECT_EQ(cases.pixel(pixel(-4.5, 4.5)), versQColor(0x80FFFF).rgb());
    EXPECT_EQ(cases.pixel(pixel(-3.5, 3.5)), versQColor(0xFFFFFF).rgb());
}

// A figure with every layer's kinds: grid and axes, frames with links, texts, filled shapes,
// labels, points before and after the moving ones, an instrument.
void construireRiche(Tfigure& f)
{
    f.axesVisibles = true;
    f.nbOutils = 1;
    f.outils[1].genre = outilEquerreGraduee;
    f.outils[1].x = 1;
    f.outils[1].y = -1;
    creerBoutonLien(f, 1013, "Cours", 8, 8, 70);
    creerPointNomme(f, "P", 0x0000FF, 3, 3, 0.3, 0);
    creerPointMobile(f, "A", 0xFF0000, -2, 1);
    creerPointNomme(f, "B", 0, 2, -2, 0.3, 0);
    creerRectangle(f, "r", 0xFFE0C0, -1, -1, 1, 2, 1);
    creerPolygone(f, "t", "A B P", 0xC0FFC0);
    changerRemplissage(f, "t", 1);
    creerCercle(f, "k", "B", "A", 0x008000, 1, 1);
    creerMilieu(f, "I", "A", "B", 0.3, 0, 0);
    creerTexte(f, "Voir $LC02_C1;le cours;.", 0, 2, 13);
    creerPointNomme(f, "Q", 0x808080, -4, -3, 0.3, 0);
    creerSegment(f, "Q", "P", 0x800000, 2, 1);
    creerCodageSegment(f, "c", "A", "I", 0.2, 0x0000FF, 1);
}

// On a screen of `ratio` pixels per pixel of the program.
QImage peindreDans(Tfigure& f, int largeur, int hauteur, int ratio)
{
    QImage image(largeur * ratio, hauteur * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter peintre(&image);
    CanevasQt canevas(peintre);
    dessinerFigure(f, canevas);
    return image;
}

bool memesZones(const TlisteZonesLiens& a, const TlisteZonesLiens& b)
{
    if (a.nbZones != b.nbZones) return false;
    for (int k = 1; k <= a.nbZones; ++k) {
        const TzoneLien &za = a.zones[static_cast<std::size_t>(k)], &zb = b.zones[static_cast<std::size_t>(k)];
        if (za.numero != zb.numero || za.gauche != zb.gauche || za.haut != zb.haut ||
            za.droite != zb.droite || za.bas != zb.bas)
            return false;
    }
    return true;
}

TEST_F(GlisserQt, peintureParCalquesIdentiqueALaPeintureEntiere)
{
    construireRiche(f());
    const struct {
        const char* quoi;
        QPoint saisie;
    } cas[] = {{"point", pixel(-2, 1)}, {"instrument", pixel(1, -1)}};
    for (const auto& c : cas) {
        gererSouris(f(), c.saisie.x(), c.saisie.y(), 1);
        ASSERT_TRUE(f().glissement) << c.quoi;
        for (int pas = 1; pas <= 4; ++pas) {
            // The second step on a screen of two pixels per pixel, on layers made for it; the
            // last after the program recoloured still objects, on the layers of the third.
            const int ratio = pas == 2 ? 2 : 1;
            if (pas == 2 || pas == 3) f().glissement->dessous.reset();
            if (pas == 4) {
                changerCouleur(f(), "r", 0x00C000);
                changerCouleur(f(), "P", 0xFF00FF);
            }
            gererSouris(f(), c.saisie.x() + 9 * pas, c.saisie.y() + 5 * pas, 3);
            const QImage parCalques = peindreDans(f(), 320, 290, ratio);
            const TlisteZonesLiens zonesCalques = f().zonesLiens;
            ASSERT_TRUE(f().glissement->dessous) << c.quoi;
            auto glissement = std::move(f().glissement);
            const QImage entiere = peindreDans(f(), 320, 290, ratio);
            f().glissement = std::move(glissement);
            EXPECT_EQ(differences(parCalques, entiere), "0") << c.quoi << " " << pas;
            enregistrerPourVoir(entiere, "entiere");
            EXPECT_TRUE(memesZones(zonesCalques, f().zonesLiens)) << c.quoi << " " << pas;
            EXPECT_EQ(f().zonesLiens.nbZones, 2);
            if (pas == 4) enregistrerPourVoir(parCalques, c.quoi[0] == 'p' ? "calques_point" : "calques_instrument");
        }
        gererSouris(f(), 0, 0, 2);
    }
}

} // namespace
