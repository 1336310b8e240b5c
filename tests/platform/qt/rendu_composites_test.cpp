// Diagrams, boxes, marks and the checkerboard painted with the real Qt canvas. With
// VASTRELLE_PNG naming a folder, each picture is also saved there.

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

#include "engine/base/nombres.h"
#include "engine/figure/cases_damier.h"
#include "engine/figure/creation_diagramme.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_marques.h"
#include "engine/figure/creation_pave.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_quadrillages.h"
#include "engine/figure/peinture.h"
#include "platform/double/controles_enregistres.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/couleur_qt.h"
#include "tests/platform/qt/pixels.h"

namespace {

int compter(const QImage& image, TColor couleur, int x1, int y1, int x2, int y2)
{
    return compter(image, versQColor(couleur).rgb(), x1, y1, x2, y2);
}

class RenduComposites : public ::testing::Test {
protected:
    void creer(int largeur, int hauteur)
    {
        zone.setBounds(0, 0, largeur, hauteur);
        zone.setColor(0xFFFFFF);
        creerFigure(&zone, 0, 0, surface);
    }

    QImage peindre(const char* nom)
    {
        QImage image(surface->largeur, surface->hauteur, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter peintre(&image);
            CanevasQt canevas(peintre);
            dessinerFigure(*surface, canevas);
        }
        enregistrerPourVoir(image, nom);
        return image;
    }

    Tfigure& f() { return *surface; }
    const Tdiagramme& diagramme() { return f().objets[f().indiceDiagramme]->donneesDe<Tdiagramme>(); }

    ZoneDessinEnregistree zone;
    std::unique_ptr<Tfigure> surface;
};

TEST_F(RenduComposites, diagrammeEnBarres)
{
    creer(320, 290);
    creerDiagramme(f(), 3, "4\\12\\20", "Vélo\\Bus\\Marche", 1, false);
    const QImage image = peindre("rendu_diagramme_barres");
    const Tdiagramme& d = diagramme();
    // The middle of each bar in its colour, the red handle on its top.
    for (int i = 1; i <= 3; ++i) {
        const int x = static_cast<int>(d.pointsX[static_cast<std::size_t>(i)]);
        EXPECT_EQ(image.pixel(x - 4, static_cast<int>(d.baseY) - 3),
                  versQColor(d.couleursCategories[static_cast<std::size_t>(i)]).rgb());
        EXPECT_GT(compter(image, 0xFF0000, x - 3, static_cast<int>(d.pointsY[static_cast<std::size_t>(i)]) - 3, x + 4,
                          static_cast<int>(d.pointsY[static_cast<std::size_t>(i)]) + 4),
                  8);
    }
    EXPECT_GT(compter(image, 0x000000, 40, 0, 320, 80), 40);
}

TEST_F(RenduComposites, diagrammesDAngles)
{
    creer(388, 485);
    creerDiagramme(f(), 4, "90\\60\\120\\0", "Nord\\Sud\\Est\\Ouest", 2, false);
    const QImage image = peindre("rendu_diagramme_secteurs");
    const Tdiagramme& d = diagramme();
    // A point inside the first sector (0° to 90°) and one inside the last (270° to 360°).
    const int cx = static_cast<int>(d.baseX), cy = static_cast<int>(d.baseY);
    const int r = static_cast<int>(d.pasBarres / 2);
    EXPECT_EQ(image.pixel(cx + r, cy - r), versQColor(0x80FFFF).rgb());
    EXPECT_EQ(image.pixel(cx + r, cy + r), versQColor(0xE0E0E0).rgb());
    // Three handles, none on the closing boundary.
    EXPECT_GT(compter(image, 0xFF0000, 0, 0, 388, 485), 3 * 8);
    EXPECT_EQ(compter(image, 0xFF0000, cx + static_cast<int>(d.pasBarres) - 3, cy - 3,
                      cx + static_cast<int>(d.pasBarres) + 3, cy + 3),
              0);
}

TEST_F(RenduComposites, barresAvecTableauEtDemiDisque)
{
    creer(640, 485);
    creerDiagramme(f(), 4, "5\\3\\8\\4", "Rouge\\Vert\\Bleu\\Jaune", 4, true);
    const QImage image = peindre("rendu_diagramme_tableau");
    const Tdiagramme& d = diagramme();
    EXPECT_EQ(d.total, 20);
    EXPECT_DOUBLE_EQ(d.anglesArrondis[1], 45);
    // The table's lines and words, the half disc's sectors, no handle once locked.
    EXPECT_GT(compter(image, 0x000000, static_cast<int>(d.xTableau), static_cast<int>(d.yTableau),
                      640, static_cast<int>(d.yTableau) + 76),
              400);
    EXPECT_GT(compter(image, 0x80FFFF, 40, 120, 320, 300), 200);
    EXPECT_EQ(compter(image, 0xFF0000, 0, 0, 640, 485), 0);
}

TEST_F(RenduComposites, paveEtMarques)
{
    creer(320, 290);
    creerPave(f(), "p", 0, 1, 0, 2, 0, 1, 1);
    creerPointMobile(f(), "A", 0, -4, -4);
    creerPointNomme(f(), "B", 0, 0, -4, 0, 0);
    creerPointMobile(f(), "C", 0, 0, -1);
    creerSegmentTrait(f(), "A", "B", 0);
    creerSegmentTrait(f(), "B", "C", 0);
    creerMarqueAngleDroit(f(), "m", "B", "A", "C", 0.5, 0x0000FF, 0);
    creerCodageSegment(f(), "c", "A", "B", 0.25, 0x008000, 4);
    creerCodageAngle(f(), "g", "C", "A", "B", 0.8, 0xFF00FF, 2);
    const QImage image = peindre("rendu_pave_marques");
    // The top face of the front-left cell in its first blue, the red shade on the next cell.
    EXPECT_GT(compter(image, rvb(96, 96, 255), 0, 0, 320, 290), 100);
    EXPECT_GT(compter(image, rvb(255, 96, 96), 0, 0, 320, 290), 100);
    EXPECT_GT(compter(image, 0x0000FF, 140, 240, 165, 265), 20);
    EXPECT_GT(compter(image, 0x008000, 80, 250, 110, 270), 8);
    EXPECT_GT(compter(image, 0xFF00FF, 130, 180, 165, 215), 20);
}

TEST_F(RenduComposites, damier)
{
    creer(320, 290);
    creerDamier(f());
    Tdamier& d = f().objets[1]->donneesDe<Tdamier>();
    remplirBlocCases(d, 1, 1, 2, 2);
    d.casesColoriees.set(55);
    const QImage image = peindre("rendu_damier");
    EXPECT_EQ(image.pixel(30, 30), versQColor(0xFFFF00).rgb());
    EXPECT_EQ(image.pixel(160 - 14, 145 + 14), versQColor(0x80FFFF).rgb());
}

} // namespace
