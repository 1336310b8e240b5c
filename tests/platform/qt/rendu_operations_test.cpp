// Posed operations, long divisions and formulas drawn with the real canvas, as a pupil sees them.
// With VASTRELLE_PNG naming a folder, each picture is also saved there, three times enlarged.

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "engine/text/division_posee.h"
#include "engine/text/formule.h"
#include "engine/text/operations_posees.h"
#include "platform/qt/canevas_qt.h"
#include "tests/platform/qt/pixels.h"

namespace {

enum class Teinte { rouge, bleu, sombre };

bool estDeTeinte(QRgb p, Teinte teinte)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    switch (teinte) {
    case Teinte::rouge: return r > 150 && g < 110 && b < 110;
    case Teinte::bleu: return b > 150 && r < 110 && g < 110;
    case Teinte::sombre: return r < 110 && g < 110 && b < 110;
    }
    return false;
}

// Pixels of the tint in the box x1 ≤ x < x2, y1 ≤ y < y2.
int compter(const QImage& image, Teinte teinte, int x1, int y1, int x2, int y2)
{
    return compterSi(image, [teinte](QRgb p) { return estDeTeinte(p, teinte); }, x1, y1, x2, y2);
}

QImage dessiner(const char* nom, const std::function<void(Canevas&)>& dessin, int largeur = 220,
                int hauteur = 180)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        CanevasQt canevas(peintre);
        dessin(canevas);
    }
    enregistrerPourVoir(image, nom, 3);
    return image;
}

}  // namespace

// Origin (10, 10); columns of 20 pixels and rows of 17.25: 95+7 has 4 columns and 4 rows, the
// carry row on top.
TEST(RenduOperations, RetenueRougeAuDessusDeLaColonneDeDroite)
{
    const QImage image = dessiner("addition_95_7", [](Canevas& k) {
        dessinerAdditionPosee(k, "95+7", 10, 10);
    });
    // The carry 1 above the tens (x 50..70), nothing red above the hundreds or the units.
    EXPECT_GT(compter(image, Teinte::rouge, 50, 10, 70, 27), 5);
    EXPECT_EQ(compter(image, Teinte::rouge, 10, 0, 50, 180), 0);
    EXPECT_EQ(compter(image, Teinte::rouge, 70, 0, 220, 180), 0);
    // The digits of 95, 7 and 102 in black, in the tens and units columns; the bar at y 62.
    EXPECT_GT(compter(image, Teinte::sombre, 70, 27, 90, 44), 5);   // 5
    EXPECT_GT(compter(image, Teinte::sombre, 70, 44, 90, 61), 5);   // 7
    EXPECT_GT(compter(image, Teinte::sombre, 30, 62, 50, 79), 5);   // 1 of 102
    EXPECT_EQ(compter(image, Teinte::sombre, 10, 62, 90, 63), 80);
}

TEST(RenduOperations, AdditionDecimaleAligneeSurLesVirgules)
{
    const QImage image = dessiner("addition_2v5_13v75", [](Canevas& k) {
        dessinerAdditionPosee(k, "2,5+13,75", 10, 10);
    });
    // Five columns; the commas sit between the units (x 50..70) and the tenths (x 70..90).
    for (const int haut : {27, 44, 62})
        EXPECT_GT(compter(image, Teinte::sombre, 60, haut + 8, 70, haut + 17), 0) << haut;
    EXPECT_GT(compter(image, Teinte::rouge, 50, 10, 70, 27), 5);
}

TEST(RenduOperations, SoustractionEtSesEmprunts)
{
    const QImage image = dessiner("soustraction_115_26", [](Canevas& k) {
        dessinerSoustractionPosee(k, "115-26", 10, 10);
    });
    // Red 1s just left of the units and tens digits of 115 (row at y 27), and under the tens
    // and hundreds of 26 (row at y 62); the difference 89 below the bar at y 79.
    EXPECT_GT(compter(image, Teinte::rouge, 60, 27, 70, 44), 3);
    EXPECT_GT(compter(image, Teinte::rouge, 40, 27, 50, 44), 3);
    EXPECT_GT(compter(image, Teinte::rouge, 50, 62, 70, 79), 3);
    EXPECT_GT(compter(image, Teinte::rouge, 30, 62, 50, 79), 3);
    // The mark of the units stands 7 pixels left of the 5 and may touch it, no further.
    EXPECT_EQ(compter(image, Teinte::rouge, 72, 0, 220, 180), 0);
    EXPECT_GT(compter(image, Teinte::sombre, 50, 79, 90, 96), 10);
    dessiner("soustraction_1000_999", [](Canevas& k) {
        dessinerSoustractionPosee(k, "1000-999", 10, 10);
    });
}

// Columns of 12 pixels, rows of 19.5: 305 × 203 has 5 columns and 5 rows.
TEST(RenduOperations, MultiplicationEtProduitEnBleu)
{
    const QImage image = dessiner("multiplication_305_203", [](Canevas& k) {
        dessinerMultiplicationPosee(k, "305", "203", 10, 10);
    });
    EXPECT_GT(compter(image, Teinte::bleu, 10, 88, 70, 106), 20);
    EXPECT_EQ(compter(image, Teinte::bleu, 0, 0, 220, 88), 0);
    // 610 ends under the hundreds: nothing in the tens and units of its row.
    EXPECT_GT(compter(image, Teinte::sombre, 10, 69, 46, 86), 10);
    EXPECT_EQ(compter(image, Teinte::sombre, 46, 70, 70, 86), 0);
    dessiner("multiplication_250_12", [](Canevas& k) {
        dessinerMultiplicationPosee(k, "250", "12", 10, 10);
    });
}

// Columns of 12 pixels and rows of 19.2 at the scale 1.2.
TEST(RenduOperations, MarquesDeLaDivision)
{
    const QImage image = dessiner("division_3_4", [](Canevas& k) {
        dessinerDivisionPosee(k, "3", "4", 1.2, 10, 10, false, 2);
    });
    // The mark over 3 and the 0 brought down, on the top edge, stops short of the last 0.
    EXPECT_EQ(compter(image, Teinte::sombre, 14, 10, 31, 11), 17);
    EXPECT_EQ(compter(image, Teinte::sombre, 36, 10, 46, 11), 0);
    // The dividend's comma below the 3, the vertical bar at x 49.
    EXPECT_GT(compter(image, Teinte::sombre, 19, 26, 23, 31), 0);
    EXPECT_EQ(compter(image, Teinte::sombre, 49, 10, 50, 68), 58);

    dessiner("division_1234_5", [](Canevas& k) {
        dessinerDivisionPosee(k, "1234", "5", 1.2, 10, 10, false, 0);
    });
    const QImage detail = dessiner("division_84_4_detaillee", [](Canevas& k) {
        dessinerDivisionPosee(k, "84", "4", 1.2, 10, 20, true, 0);
    });
    // The product 8 in blue under the 8, underlined in blue.
    EXPECT_GT(compter(detail, Teinte::bleu, 20, 30, 32, 48), 5);
    EXPECT_GT(compter(detail, Teinte::bleu, 8, 48, 32, 49), 20);
}

TEST(RenduOperations, Formules)
{
    const QImage image = dessiner("formule_fractions", [](Canevas& k) {
        k.Font.Size = 11;
        k.Font.Color = 0x000000;
        dessinerFormule(k, "frac(1;22)+frac(3;4)=rac(2)", 10, 40);
    });
    // The first fraction's bar, 14 pixels long at y 49.
    EXPECT_EQ(compter(image, Teinte::sombre, 11, 49, 25, 50), 14);
    dessiner("formule_divers", [](Canevas& k) {
        k.Font.Size = 11;
        dessinerFormule(k, "x^(2)+ang(ABC)+vec(AB)+uind(n)flec(x)pi()>=2", 10, 40);
    });
    dessiner("formule_tableau_systeme", [](Canevas& k) {
        k.Font.Size = 11;
        dessinerFormule(k, "tab(2;2;3;1;x;1;y;4) racFrac(1;2) syst(2\\1\\-0,5\\0,5\\x+y=1\\x-y=3)",
                        10, 60);
    }, 300);
    dessiner("formule_racines", [](Canevas& k) {
        k.Font.Size = 11;
        dessinerFormule(k, "fracRacN(2;3)+fracRacD(5;7)+fracRacND(a;b)+fracS(1;2)", 10, 40);
    }, 300);
}
