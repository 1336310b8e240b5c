// The navigation's surfaces painted with the real canvas: the information topics, the instrument
// panel, each step of the constructions and a course page with its picture. With VASTRELLE_PNG
// naming a folder, every picture is saved there for a look.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "engine/figure/peinture.h"
#include "exercise/dessin_panneau_outils.h"
#include "navigation/imagiciels.h"
#include "navigation/pages_cours.h"
#include "navigation/sujets_info.h"
#include "platform/jpeg/jpeg.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/couleur_qt.h"
#include "platform/qt/plateforme_qt.h"
#include "tests/navigation/banc_navigation.h"
#include "tests/platform/qt/pixels.h"

namespace {

// Paints on an image either everything but the texts, or the texts alone, and keeps the frames
// drawn: outlined rectangles at least 20 pixels wide and high, with their pen.
class CanevasTrie final : public Canevas {
public:
    struct Tcadre {
        TRect rect;
        TColor couleur;
    };
    CanevasTrie(QImage& image, bool textes) : peintre_(&image), cible_(peintre_), textes_(textes) {}
    std::vector<Tcadre> cadres;

    void MoveTo(int x, int y) override { forme([&] { cible_.MoveTo(x, y); }); }
    void LineTo(int x, int y) override { forme([&] { cible_.LineTo(x, y); }); }
    TPoint PenPos() const override { return cible_.PenPos(); }
    void Polyline(std::span<const TPoint> p) override { forme([&] { cible_.Polyline(p); }); }
    void Polygon(std::span<const TPoint> p) override { forme([&] { cible_.Polygon(p); }); }
    void Rectangle(int x1, int y1, int x2, int y2) override
    {
        if (Pen.Style != psClear && x2 - x1 >= 20 && y2 - y1 >= 20)
            cadres.push_back({{x1, y1, x2, y2}, Pen.Color});
        forme([&] { cible_.Rectangle(x1, y1, x2, y2); });
    }
    void FillRect(const TRect& r) override { forme([&] { cible_.FillRect(r); }); }
    void Ellipse(int x1, int y1, int x2, int y2) override
    {
        forme([&] { cible_.Ellipse(x1, y1, x2, y2); });
    }
    void RoundRect(int x1, int y1, int x2, int y2, int l, int h) override
    {
        forme([&] { cible_.RoundRect(x1, y1, x2, y2, l, h); });
    }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        forme([&] { cible_.Arc(x1, y1, x2, y2, x3, y3, x4, y4); });
    }
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        forme([&] { cible_.Pie(x1, y1, x2, y2, x3, y3, x4, y4); });
    }
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        forme([&] { cible_.Chord(x1, y1, x2, y2, x3, y3, x4, y4); });
    }
    void TextOut(int x, int y, const std::string& texte) override
    {
        if (!textes_) return;
        copierEtat(*this, cible_);
        cible_.TextOut(x, y, texte);
    }
    int TextWidth(const std::string& texte) override
    {
        copierEtat(*this, cible_);
        return cible_.TextWidth(texte);
    }
    int TextHeight(const std::string& texte) override
    {
        copierEtat(*this, cible_);
        return cible_.TextHeight(texte);
    }
    void Draw(int x, int y, const Image& image) override { forme([&] { cible_.Draw(x, y, image); }); }
    void StretchDraw(const TRect& r, const Image& image) override
    {
        forme([&] { cible_.StretchDraw(r, image); });
    }

private:
    template <class Dessin>
    void forme(Dessin dessin)
    {
        if (textes_) return;
        copierEtat(*this, cible_);
        dessin();
    }
    QPainter peintre_;
    CanevasQt cible_;
    bool textes_;
};

// Text pixels on a frame's line or next to it, where the line shows: a text must keep within its
// frame, clear of its lines. The frames drawn are returned.
template <class Peinture>
std::vector<CanevasTrie::Tcadre> verifierTextesDansCadres(int largeur, int hauteur, TColor fond,
                                                          const std::string& nom, Peinture peinture)
{
    QImage formes(largeur, hauteur, QImage::Format_RGB32);
    formes.fill(versQColor(fond));
    QImage textes(largeur, hauteur, QImage::Format_RGB32);
    textes.fill(Qt::white);
    std::vector<CanevasTrie::Tcadre> cadres;
    {
        CanevasTrie k(formes, false);
        k.Brush.Color = fond;
        peinture(k);
        cadres = k.cadres;
        CanevasTrie t(textes, true);
        peinture(t);
    }
    const QRect image(0, 0, largeur, hauteur);
    for (const CanevasTrie::Tcadre& c : cadres) {
        const QRgb trait = versQColor(c.couleur).rgb();
        const QRect r(QPoint(c.rect.left, c.rect.top), QPoint(c.rect.right, c.rect.bottom));
        int touches = 0;
        for (int y = r.top() - 2; y <= r.bottom() + 2; ++y)
            for (int x = r.left() - 2; x <= r.right() + 2; ++x) {
                if (r.adjusted(3, 3, -3, -3).contains(x, y) || !image.contains(x, y) ||
                    formes.pixel(x, y) != trait)
                    continue;
                for (int v = -1; v <= 1; ++v)
                    for (int u = -1; u <= 1; ++u)
                        if (image.contains(x + u, y + v) && textes.pixel(x + u, y + v) != qRgb(255, 255, 255))
                            ++touches;
            }
        EXPECT_EQ(touches, 0) << nom << ": cadre " << c.rect.left << ", " << c.rect.top << ", "
                              << c.rect.right << ", " << c.rect.bottom;
    }
    return cadres;
}

class RenduNavigation : public BancNavigation {
protected:
    template <class Peinture>
    static QImage peindre(int largeur, int hauteur, TColor fond, const std::string& nom,
                          Peinture peinture)
    {
        QImage image(largeur, hauteur, QImage::Format_RGB32);
        image.fill(versQColor(fond));
        {
            QPainter peintre(&image);
            CanevasQt canevas(peintre);
            canevas.Brush.Color = fond;
            peinture(canevas);
        }
        enregistrerPourVoir(image, nom.c_str());
        return image;
    }
    static QImage peindreSurface(Tfigure& f, const std::string& nom)
    {
        return peindre(f.controle->Width(), f.controle->Height(), f.controle->Color(), nom,
                       [&](Canevas& k) { dessinerFigure(f, k); });
    }
    static int sombres(const QImage& image)
    {
        return compterSi(image, [](QRgb p) { return qGray(p) < 80; }, 0, 0, image.width(),
                         image.height());
    }
};

TEST_F(RenduNavigation, SujetsInfo)
{
    for (const int code : {1997, 1998, 1999, 2000, 2744, 2745, 2746, 2747, 2748, 2749, 2750, 2751,
                           2763}) {
        tailleFenetreInfo(d, sujetInfo(code));
        const QImage image = peindre(d.largeurInfo, d.hauteurInfo, 0xE0FFE0,
                                     "info_" + std::to_string(code),
                                     [&](Canevas& k) { dessinerInfo(d, k, code); });
        EXPECT_GT(sombres(image), 200) << code;
        // The "Info" band of the notes, in its yellow.
        const int bande = compter(image, versQColor(0x41EBFD).rgb(), 0, 0, image.width(), 30);
        EXPECT_EQ(bande > 0, code >= 2000) << code;
        verifierTextesDansCadres(d.largeurInfo, d.hauteurInfo, 0xE0FFE0, "info_" + std::to_string(code),
                                 [&](Canevas& k) { dessinerInfo(d, k, code); });
    }
}

TEST_F(RenduNavigation, PanneauOutils)
{
    Tfigure& f = *figureEnonce;
    f.nbOutils = 3;
    for (int i = 1; i <= 3; ++i) initialiserOutil(f.outils[i], i);
    f.outils[1].genre = outilCompasGradue;
    f.outils[1].genresPermis.reset(outilGabarit);
    f.outils[1].genresPermis.reset(outilRapporteur);
    const QImage image = peindre(540, 125, 0xF0F0F0, "panneau_outils",
                                 [&](Canevas& k) { dessinerPanneauOutils(d, k); });
    // The current slot's area in its colour, the help button, the chosen icon's blue frame.
    EXPECT_EQ(image.pixel(225, 116), versQColor(f.outils[1].couleur).rgb());
    EXPECT_EQ(image.pixel(430, 105), versQColor(0xE0F7FF).rgb());
    EXPECT_GT(compter(image, versQColor(0xFF0000).rgb(), 88, 64, 142, 116), 100);
    EXPECT_GT(sombres(image), 800);
}

// Every step of every construction, and each one-page illustration, painted.
TEST_F(RenduNavigation, Imagiciels)
{
    for (const int code : {1501, 1502, 1503, 1504, 1506, 1507, 1508, 1509, 1510}) {
        d.imagiciel = code;
        lancerImagiciel(d);
        const int n = std::max(d.nbEtapesImagiciel, 1);
        for (int s = 1; s <= n; ++s) {
            const std::string nom = "imagiciel_" + std::to_string(code) + "_" + std::to_string(s);
            const QImage texte = peindreSurface(*texteImagiciel, nom + "_texte");
            const QImage figure = peindreSurface(*figureImagiciel, nom + "_figure");
            EXPECT_GT(sombres(texte), 100) << nom;
            // The triangle's figure starts empty.
            if (code != 1510 || s > 1) {
                EXPECT_GT(sombres(figure), 10) << nom;
            }
            // The texts keep within their frames, and the figure zone hides none of them.
            Tfigure& t = *texteImagiciel;
            const QRect zoneFigure(zoneFigureImagiciel.Left(), zoneFigureImagiciel.Top(),
                                   zoneFigureImagiciel.Width(), zoneFigureImagiciel.Height());
            for (const CanevasTrie::Tcadre& c :
                 verifierTextesDansCadres(t.controle->Width(), t.controle->Height(), t.controle->Color(),
                                          nom, [&](Canevas& k) { dessinerFigure(t, k); }))
                EXPECT_FALSE(zoneFigure.intersects(QRect(QPoint(c.rect.left, c.rect.top),
                                                         QPoint(c.rect.right + 3, c.rect.bottom + 3))))
                    << nom;
            if (s < n) etapeSuivanteImagiciel(d);
        }
    }
}

// A picture dropped beside the program shows on its course page; a tall one makes the box taller.
TEST_F(RenduNavigation, PageCoursAvecImage)
{
    PlateformeQt qt;
    installerPlateforme(&qt);
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    dossierProgramme = dossier.path().toStdString() + "/";
    QImage page(600, 800, QImage::Format_RGB32);
    page.fill(QColor(40, 90, 200));
    ASSERT_TRUE(page.save(dossier.filePath(QStringLiteral("V0501S1.jpg")), "JPG", 90));
    afficherPageCours(d, 1002);
    EXPECT_EQ(zoneCours.Height(), 800 + 9 + 10);
    const QImage image = peindreSurface(*cours, "page_cours_1002");
    const QRgb p = image.pixel(300, 400);
    EXPECT_NEAR(qRed(p), 40, 6);
    EXPECT_NEAR(qBlue(p), 200, 6);

    afficherPageCours(d, 1003);
    const QImage manquante = peindreSurface(*cours, "page_cours_manquante");
    EXPECT_EQ(zoneCours.Height(), 485);
    EXPECT_GT(sombres(manquante), 100);
}

// Whatever lies under a page's name, the page shows at once, with its message: a pipe nobody
// writes into, a link to an endless device, a file of a gigabyte (holding nothing on the disc), a
// picture wider than any page.
TEST_F(RenduNavigation, PageCoursSurUnFichierQuiNEstPasUneImage)
{
    PlateformeQt qt;
    installerPlateforme(&qt);
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    dossierProgramme = dossier.path().toStdString() + "/";
    const std::string chemin = dossierProgramme + "V0501S1.jpg";
    const struct {
        const char* nom;
        std::function<bool()> creer;
    } cas[] = {
        {"tube", [&] { return mkfifo(chemin.c_str(), 0600) == 0; }},
        {"lien vers /dev/zero", [&] { return symlink("/dev/zero", chemin.c_str()) == 0; }},
        {"fichier creux", [&] {
             QFile f(QString::fromStdString(chemin));
             return f.open(QIODevice::WriteOnly) && f.resize(std::int64_t{1} << 30);
         }},
        {"image trop large", [&] {
             const QImage large(largeurMaxJpeg + 1, 2, QImage::Format_RGB32);
             return large.save(QString::fromStdString(chemin), "JPG");
         }},
    };
    for (const auto& c : cas) {
        std::remove(chemin.c_str());
        ASSERT_TRUE(c.creer()) << c.nom;
        const auto debut = std::chrono::steady_clock::now();
        afficherPageCours(d, 1002);
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(500))
            << c.nom;
        EXPECT_EQ(zoneCours.Height(), 485) << c.nom;
        const Tobjet* message = cours->objets[cours->nbObjets].get();
        ASSERT_EQ(message->genre, genreTexte) << c.nom;
        EXPECT_EQ(message->donneesDe<Ttexte>().texte,
                  "La page de cours V0501S1.jpg est manquante.")
            << c.nom;
        afficherPageCours(d, 1003);
    }
}

}  // namespace
