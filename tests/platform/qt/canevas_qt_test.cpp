#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <set>

#include "platform/double/image_enregistree.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/image_qt.h"
#include "platform/qt/symbole.h"
#include "tests/platform/qt/pixels.h"

namespace {

constexpr QRgb blanc = 0xFFFFFFFF;
constexpr QRgb noir = 0xFF000000;
constexpr QRgb gris = 0xFF808080;

// A surface of the given colour, the drawing made on it through a fresh canvas.
QImage dessiner(const std::function<void(Canevas&)>& dessin, QRgb fond = blanc, int largeur = 120,
                int hauteur = 120)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(fond);
    QPainter peintre(&image);
    CanevasQt canevas(peintre);
    dessin(canevas);
    peintre.end();
    return image;
}

}  // namespace

// The box is 0,0-100,100; each quarter is read away from the axes, where the arc's ends lie.
TEST(CanevasQt, lesArcsTournentDansLeSensInverseDesAiguilles)
{
    struct Cas {
        TPoint debut, fin;
        bool hautDroit, hautGauche, basGauche, basDroit;
    };
    const Cas cas[] = {
        {{100, 50}, {50, 0}, true, false, false, false},
        {{50, 0}, {100, 50}, false, true, true, true},
        {{0, 50}, {100, 50}, false, false, true, true},
        {{100, 50}, {0, 50}, true, true, false, false},
        {{100, 50}, {100, 50}, true, true, true, true},
        // Only the rays count, not how far the points are from the centre.
        {{400, 50}, {50, 30}, true, false, false, false},
    };
    for (const Cas& c : cas) {
        const QImage image = dessiner([&](Canevas& k) {
            k.Arc(0, 0, 100, 100, c.debut.x, c.debut.y, c.fin.x, c.fin.y);
        });
        SCOPED_TRACE(testing::Message() << c.debut.x << "," << c.debut.y << " -> " << c.fin.x << ","
                                        << c.fin.y);
        EXPECT_EQ(compter(image, noir, 56, 0, 100, 44) > 0, c.hautDroit);
        EXPECT_EQ(compter(image, noir, 0, 0, 44, 44) > 0, c.hautGauche);
        EXPECT_EQ(compter(image, noir, 0, 56, 44, 100) > 0, c.basGauche);
        EXPECT_EQ(compter(image, noir, 56, 56, 100, 100) > 0, c.basDroit);
    }
}

// A pie is bounded by the radii, a chord by the straight line between the arc's ends.
TEST(CanevasQt, secteurEtCordeRemplissentLeurPropreSurface)
{
    auto remplir = [](bool secteur) {
        return dessiner([&](Canevas& k) {
            k.Pen.Style = psClear;
            k.Brush.Color = 0x000000;
            if (secteur)
                k.Pie(0, 0, 100, 100, 100, 50, 50, 0);
            else
                k.Chord(0, 0, 100, 100, 100, 50, 50, 0);
        });
    };
    const QImage secteur = remplir(true);
    const QImage corde = remplir(false);
    EXPECT_EQ(secteur.pixel(85, 20), noir);
    EXPECT_EQ(secteur.pixel(60, 40), noir);
    EXPECT_EQ(corde.pixel(85, 20), noir);
    EXPECT_EQ(corde.pixel(60, 40), blanc);
    for (const QImage& image : {secteur, corde}) {
        EXPECT_EQ(image.pixel(30, 30), blanc);
        EXPECT_EQ(image.pixel(30, 70), blanc);
        EXPECT_EQ(image.pixel(70, 70), blanc);
    }
}

// On a flat ellipse a ray's angle is not the ellipse's own angle: the sector must stop on the ray
// through (200, 0), which passes through (160, 20).
TEST(CanevasQt, unSecteurDEllipseSArreteSurLeRayonDonne)
{
    const QImage image = dessiner(
        [](Canevas& k) {
            k.Pen.Style = psClear;
            k.Brush.Color = 0x000000;
            k.Pie(0, 0, 200, 100, 200, 50, 200, 0);
        },
        blanc, 200, 100);
    EXPECT_EQ(image.pixel(160, 24), noir);
    EXPECT_EQ(image.pixel(160, 16), blanc);
    EXPECT_EQ(image.pixel(150, 52), blanc);
}

// Each hatch read in an 8 x 8 block: which full lines it holds, and how many pixels it paints.
TEST(CanevasQt, lesHachuresOntLeursDirectionsEtUnePeriodeDeHuit)
{
    struct Cas {
        TBrushStyle style;
        bool horizontale, verticale, montante, descendante;
        int pixels;
    };
    const Cas cas[] = {
        {bsHorizontal, true, false, false, false, 8},
        {bsVertical, false, true, false, false, 8},
        {bsBDiagonal, false, false, true, false, 8},
        {bsFDiagonal, false, false, false, true, 8},
        {bsCross, true, true, false, false, 15},
        {bsDiagCross, false, false, true, true, 16},
    };
    for (const Cas& c : cas) {
        const QImage image = dessiner([&](Canevas& k) {
            k.Pen.Style = psClear;
            k.Brush.Style = c.style;
            k.Brush.Color = 0x000000;
            k.Rectangle(0, 0, 60, 60);
        });
        auto encre = [&](int x, int y) { return image.pixel(16 + (x & 7), 16 + (y & 7)) == noir; };
        bool horizontale = false, verticale = false, montante = false, descendante = false;
        for (int k = 0; k < 8; ++k) {
            bool h = true, v = true, m = true, d = true;
            for (int i = 0; i < 8; ++i) {
                h = h && encre(i, k);
                v = v && encre(k, i);
                m = m && encre(i, k - i);
                d = d && encre(i, k + i);
            }
            horizontale = horizontale || h;
            verticale = verticale || v;
            montante = montante || m;
            descendante = descendante || d;
        }
        SCOPED_TRACE(static_cast<int>(c.style));
        EXPECT_EQ(horizontale, c.horizontale);
        EXPECT_EQ(verticale, c.verticale);
        EXPECT_EQ(montante, c.montante);
        EXPECT_EQ(descendante, c.descendante);
        EXPECT_EQ(compter(image, noir, 16, 16, 24, 24), c.pixels);
        // The pattern repeats every 8 pixels.
        for (int y = 16; y < 24; ++y)
            for (int x = 16; x < 24; ++x) EXPECT_EQ(image.pixel(x + 8, y + 8), image.pixel(x, y));
    }
}

TEST(CanevasQt, lesTrousDesHachuresOpaquesSontBlancs)
{
    for (bool transparent : {true, false}) {
        const QImage image = dessiner(
            [&](Canevas& k) {
                k.Pen.Style = psClear;
                k.Brush.Style = bsHorizontal;
                k.Brush.Color = 0x000000;
                k.FondTransparent = transparent;
                k.Rectangle(0, 0, 60, 60);
            },
            gris);
        EXPECT_EQ(compter(image, noir, 16, 16, 24, 24), 8);
        EXPECT_EQ(compter(image, transparent ? gris : blanc, 16, 16, 24, 24), 56);
    }
}

TEST(CanevasQt, unStyloInvisibleNeTraceRienEtUneBrosseVideNeRemplitRien)
{
    const QImage sansContour = dessiner([](Canevas& k) {
        k.Pen.Style = psClear;
        k.Brush.Color = 0x0000FF;
        k.Rectangle(10, 10, 50, 50);
        k.Ellipse(60, 10, 100, 50);
        k.MoveTo(0, 100);
        k.LineTo(100, 100);
    });
    EXPECT_EQ(compter(sansContour, noir, 0, 0, 120, 120), 0);
    EXPECT_EQ(sansContour.pixel(30, 30), qRgb(255, 0, 0));

    const QImage sansFond = dessiner(
        [](Canevas& k) {
            k.Brush.Style = bsClear;
            k.Rectangle(10, 10, 50, 50);
            k.Ellipse(60, 10, 100, 50);
            k.Pie(10, 60, 50, 100, 50, 80, 30, 60);
            k.Polygon(std::vector<TPoint>{{60, 60}, {100, 60}, {80, 100}});
        },
        gris);
    EXPECT_EQ(sansFond.pixel(10, 30), noir);
    for (TPoint dedans : {TPoint{30, 30}, TPoint{80, 30}, TPoint{40, 70}, TPoint{80, 70}})
        EXPECT_EQ(sansFond.pixel(dedans.x, dedans.y), gris) << dedans.x << "," << dedans.y;
}

// The last pixel of a line is left to the next one; a line to the pen position draws nothing.
TEST(CanevasQt, LineToNePeintPasSonDernierPixel)
{
    TPoint position;
    const QImage image = dessiner([&](Canevas& k) {
        k.MoveTo(10, 10);
        k.LineTo(20, 10);
        k.LineTo(20, 20);
        k.LineTo(30, 30);
        k.MoveTo(50, 50);
        k.LineTo(50, 50);
        k.Polyline(std::vector<TPoint>{{60, 10}, {70, 10}, {70, 20}});
        position = k.PenPos();
    });
    EXPECT_EQ(position, (TPoint{50, 50}));
    for (TPoint p : {TPoint{10, 10}, TPoint{19, 10}, TPoint{20, 10}, TPoint{20, 19}, TPoint{20, 20},
                     TPoint{29, 29}, TPoint{60, 10}, TPoint{70, 10}, TPoint{70, 19}})
        EXPECT_EQ(image.pixel(p.x, p.y), noir) << p.x << "," << p.y;
    for (TPoint p : {TPoint{30, 30}, TPoint{50, 50}, TPoint{70, 20}, TPoint{21, 10}})
        EXPECT_EQ(image.pixel(p.x, p.y), blanc) << p.x << "," << p.y;
}

TEST(CanevasQt, lesTiretsSuiventLesMotifsDeLaPlateforme)
{
    struct Cas {
        TPenStyle style;
        const char* motif;  // one character per pixel from x = 0: '#' inked, '.' blank
    };
    const Cas cas[] = {
        {psSolid, "########################"},
        {psDash, "##################......##"},
        {psDot, "###...###...###...###..."},
        {psDashDot, "#########......###......#########"},
        {psDashDotDot, "#########...###...###...#########"},
    };
    for (const Cas& c : cas) {
        const QImage image = dessiner([&](Canevas& k) {
            k.Pen.Style = c.style;
            k.MoveTo(0, 5);
            k.LineTo(100, 5);
        });
        std::string lu;
        for (std::size_t x = 0; c.motif[x] != 0; ++x)
            lu.push_back(image.pixel(static_cast<int>(x), 5) == noir ? '#' : '.');
        EXPECT_EQ(lu, c.motif) << static_cast<int>(c.style);
    }
}

// Rectangle(x1, y1, x2, y2) covers x1..x2-1 and y1..y2-1 with its outline; without one its fill
// stops a pixel short, as on the platform.
TEST(CanevasQt, lesBordsDuRectangle)
{
    const QImage image = dessiner([](Canevas& k) {
        k.Brush.Color = 0x0000FF;
        k.Rectangle(10, 10, 20, 20);
        k.Pen.Style = psClear;
        k.Rectangle(30, 10, 40, 20);
        k.Brush.Style = bsClear;
        k.FillRect({50, 10, 60, 20});
    });
    const QRgb rouge = qRgb(255, 0, 0);
    struct Cas {
        int x, y;
        QRgb couleur;
    };
    const Cas cas[] = {
        {10, 10, noir}, {19, 19, noir}, {19, 15, noir}, {15, 19, noir}, {15, 15, rouge},
        {20, 15, blanc}, {15, 20, blanc}, {9, 15, blanc},
        {30, 10, rouge}, {38, 18, rouge}, {39, 15, blanc}, {35, 19, blanc},
        {50, 10, rouge}, {59, 19, rouge}, {60, 15, blanc}, {55, 20, blanc},
    };
    for (const Cas& c : cas) EXPECT_EQ(image.pixel(c.x, c.y), c.couleur) << c.x << "," << c.y;
}

TEST(CanevasQt, lesCouleursSontBleuVertRouge)
{
    struct Cas {
        TColor couleur;
        QRgb pixel;
    };
    const Cas cas[] = {{0x0000FF, qRgb(255, 0, 0)},
                       {0x00FF00, qRgb(0, 255, 0)},
                       {0xFF0000, qRgb(0, 0, 255)},
                       {0x9620F7, qRgb(0xF7, 0x20, 0x96)}};
    for (const Cas& c : cas) {
        const QImage image = dessiner([&](Canevas& k) {
            k.Brush.Color = c.couleur;
            k.FillRect({0, 0, 10, 10});
            k.Pen.Color = c.couleur;
            k.MoveTo(0, 20);
            k.LineTo(10, 20);
            k.Font.Color = c.couleur;
            k.Font.Size = 24;
            k.TextOut(0, 30, "W");
        });
        EXPECT_EQ(image.pixel(5, 5), c.pixel);
        EXPECT_EQ(image.pixel(5, 20), c.pixel);
        EXPECT_GT(compter(image, c.pixel, 0, 30, 40, 70), 0);
    }
}

// TextOut places the top-left of the text cell at its point: a full stop sits on the baseline, in
// the lower part of the cell; the rest of the cell keeps the background unless asked to fill it.
TEST(CanevasQt, leTexteSeDessineDansSaCellule)
{
    for (bool transparent : {true, false}) {
        int largeur = 0, hauteur = 0;
        const QImage image = dessiner(
            [&](Canevas& k) {
                k.Font.Name = "Arial";
                k.Font.Size = 24;
                k.FondTransparent = transparent;
                k.Brush.Color = 0x00FF00;
                k.TextOut(10, 10, ".");
                largeur = k.TextWidth(".");
                hauteur = k.TextHeight(".");
            },
            gris);
        ASSERT_GT(largeur, 2);
        EXPECT_EQ(image.pixel(11, 11), transparent ? gris : qRgb(0, 255, 0));
        int encreHaute = 1000, encreBasse = -1, encre = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x)
                if (image.pixel(x, y) == noir) {
                    ++encre;
                    EXPECT_TRUE(x >= 10 && x < 10 + largeur && y >= 10 && y < 10 + hauteur)
                        << x << "," << y;
                    encreHaute = std::min(encreHaute, y);
                    encreBasse = std::max(encreBasse, y);
                }
        EXPECT_GT(encre, 0);
        EXPECT_GT(encreHaute, 10 + hauteur / 2);
        EXPECT_LT(encreBasse, 10 + hauteur);
        if (!transparent) {
            EXPECT_EQ(compter(image, gris, 10, 10, 10 + largeur, 10 + hauteur), 0);
        }
    }
}

TEST(CanevasQt, lesPolicesDuProgrammeOntLeursEquivalents)
{
    struct Cas {
        const char* nom;
        int taille;
        QString famille;
        int pixels;
    };
    const Cas cas[] = {{"Times New Roman", 12, QStringLiteral("Liberation Serif"), 16},
                       {"Arial", 8, QStringLiteral("Liberation Sans"), 11},
                       {"Courier New", 11, QStringLiteral("Liberation Mono"), 15},
                       {"Symbol", 14, QStringLiteral("DejaVu Sans"), 19}};
    for (const Cas& c : cas) {
        TFont police;
        police.Name = c.nom;
        police.Size = c.taille;
        const QFont f = policeQt(police);
        EXPECT_EQ(f.pixelSize(), c.pixels) << c.nom;
        EXPECT_EQ(QFontInfo(f).family(), c.famille) << c.nom;
    }
    TFont gras;
    gras.Style = fsBold | fsItalic | fsUnderline | fsStrikeOut;
    const QFont f = policeQt(gras);
    EXPECT_TRUE(f.bold() && f.italic() && f.underline() && f.strikeOut());
}

TEST(CanevasQt, lesOctetsSymbolDeviennentLeursSignes)
{
    const std::pair<unsigned char, char16_t> cas[] = {
        {0xB8, u'÷'}, {0xB3, u'≥'}, {0xA3, u'≤'}, {0xB4, u'×'}, {0xB9, u'≠'}, {0xBB, u'≈'},
        {0xCE, u'∈'}, {0xCF, u'∉'}, {'p', u'π'},  {'^', u'⊥'},  {0xD1, u'∇'}, {0xB0, u'°'},
        {0xB1, u'±'}, {0xAE, u'→'}, {0xAC, u'←'}, {0xDE, u'⇒'}, {0xDB, u'⇔'}, {0xC7, u'∩'},
        {0xCC, u'⊂'}, {0xD6, u'√'}, {0xA5, u'∞'}, {0xB6, u'∂'}, {0x22, u'∀'}, {0x24, u'∃'},
        {0xD7, u'⋅'}, {'a', u'α'},  {'q', u'θ'},  {'w', u'ω'},  {'z', u'ζ'},  {'D', u'Δ'},
        {'W', u'Ω'},  {'S', u'Σ'},  {'Z', u'Ζ'},  {0x9B, u'□'}, {0xE5, u'∑'}, {0xF2, u'∫'},
        {0xFE, u'⎭'}, {'7', u'7'},  {'=', u'='},  {0x85, u' '}, {'\n', u'\n'}};
    for (const auto& [octet, signe] : cas)
        EXPECT_EQ(signeSymbole(octet), signe) << static_cast<int>(octet);

    int largeur = 0;
    const QImage image = dessiner([&](Canevas& k) {
        k.Font.Name = "Symbol";
        k.Font.Size = 14;
        largeur = k.TextWidth("\xB9");
        k.TextOut(10, 10, "\xB9");
    });
    QFont dejaVu(QStringLiteral("DejaVu Sans"));
    dejaVu.setPixelSize(19);
    EXPECT_GT(largeur, 0);
    EXPECT_EQ(largeur, QFontMetrics(dejaVu).horizontalAdvance(QChar(0x2260)));
    EXPECT_GT(compter(image, noir, 10, 10, 10 + largeur, 40), 0);
}

TEST(CanevasQt, lesImagesQtSontDessineesLesAutresIgnorees)
{
    QImage rouge(2, 2, QImage::Format_RGB32);
    rouge.fill(qRgb(255, 0, 0));
    const ImageQt imageQt(rouge);
    const ImageEnregistree autre(10, 10);
    const QImage image = dessiner([&](Canevas& k) {
        k.Draw(5, 5, imageQt);
        k.StretchDraw({10, 10, 20, 20}, imageQt);
        k.Draw(40, 40, autre);
        k.StretchDraw({50, 50, 60, 60}, autre);
    });
    EXPECT_EQ(compter(image, qRgb(255, 0, 0), 0, 0, 120, 120), 4 + 100);
    EXPECT_EQ(image.pixel(6, 6), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(19, 19), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(20, 20), blanc);
}

// A point dragged far off the surface still gives shapes to draw; none may hang or crash.
TEST(CanevasQt, lesFiguresLointainesSontSansDanger)
{
    constexpr int loin = 1000000000;
    const QImage image = dessiner([](Canevas& k) {
        k.Brush.Style = bsDiagCross;
        k.Brush.Color = 0x00FF00;
        k.Ellipse(-loin, -loin, loin, loin);
        k.Pie(-loin, -loin, loin, loin, loin, 0, 0, -loin);
        k.Rectangle(5, 5, 5, 50);
        k.Arc(-loin, 0, loin, 0, 0, 0, 1, 1);
        k.Brush.Color = 0x0000FF;
        k.FillRect({INT_MIN, 100, INT_MAX, INT_MAX});
        k.MoveTo(INT_MIN, 60);
        k.LineTo(INT_MAX, 60);
    });
    EXPECT_GT(compter(image, qRgb(0, 255, 0), 0, 0, 120, 100), 0);
    EXPECT_EQ(image.pixel(3, 60), noir);
    EXPECT_EQ(image.pixel(3, 110), qRgb(255, 0, 0));
}
