// The course pages as the build leaves them beside the program: one picture for every page of
// the course, each one decodes, fills the paint box to its right edge from where the window
// places it, leaves blank the places of the window's buttons, and carries a phrase under every
// link frame the window draws over it.

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/figure/creation_textes.h"
#include "engine/figure/dossier_programme.h"
#include "engine/figure/peinture.h"
#include "engine/text/zones_liens.h"
#include "navigation/table_pages_cours.h"
#include "platform/jpeg/jpeg.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/plateforme_qt.h"
#include "tests/platform/qt/pixels.h"

namespace {

// The pages of the course table, in the order of their codes.
std::vector<TpageCours> pagesDuCours()
{
    std::vector<TpageCours> pages;
    for (int code = 1002; code <= 1139; ++code)
        if (const TpageCours* page = pageCoursIllustree(code)) pages.push_back(*page);
    return pages;
}

// The course paint box: where a picture without shift stands, and its width; the window's
// buttons over the page.
constexpr int gaucheSansDecalage = 72, hautSansDecalage = 9, largeurZone = 763;
// The window's buttons over the page: x, y, width and height.
constexpr TRect boutonRetour{680, 20, 90, 25};
constexpr TRect boutonPourSexercer{662, 216, 100, 25};
constexpr int hauteurBoutonLien = 23;

struct TimagePlacee {
    TimageRvb image;
    int gauche, haut;

    // Dark pixels in the rectangle of the paint box x1 <= x < x2, y1 <= y < y2.
    int encre(int x1, int y1, int x2, int y2) const
    {
        int n = 0;
        for (int y = std::max(y1 - haut, 0); y < std::min(y2 - haut, image.hauteur); ++y)
            for (int x = std::max(x1 - gauche, 0); x < std::min(x2 - gauche, image.largeur); ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * image.largeur + x) * 3;
                if (image.pixels[i] < 200 || image.pixels[i + 1] < 200 || image.pixels[i + 2] < 200) ++n;
            }
        return n;
    }
};

// The writing of links is blue; the other writing is black.
bool estBleu(QRgb p)
{
    return qBlue(p) > qRed(p) + 80 && qBlue(p) > qGreen(p) + 80;
}

bool estNoir(QRgb p)
{
    return qRed(p) < 160 && qGreen(p) < 160 && qBlue(p) < 160;
}

std::optional<TimagePlacee> imageDe(const TpageCours& page)
{
    std::optional<TimageRvb> image = lireJpeg(std::string(DOSSIER_PAGES) + "/V05" + page.codeImage + ".jpg");
    if (!image) return std::nullopt;
    return TimagePlacee{std::move(*image), static_cast<int>(gaucheSansDecalage + 8 * page.colonne),
                        static_cast<int>(hautSansDecalage + 18 * page.ligne)};
}

}  // namespace

TEST(PagesCours, chaquePageAUneImageQuiRemplitLaZoneJusquASonBordDroit)
{
    const std::vector<TpageCours> pages = pagesDuCours();
    EXPECT_EQ(pages.size(), 101u);
    for (const TpageCours& page : pages) {
        const std::optional<TimagePlacee> image = imageDe(page);
        ASSERT_TRUE(image) << page.codeImage;
        EXPECT_EQ(image->gauche + image->image.largeur, largeurZone) << page.codeImage;
        EXPECT_GE(image->image.hauteur, 200) << page.codeImage;
        // Something is written on it, and the title's line at the top.
        EXPECT_GT(image->encre(0, image->haut, largeurZone, image->haut + 70), 300) << page.codeImage;
    }
}

TEST(PagesCours, lesBoutonsDeLaFenetreEtLesBoutonsDeLiensSontSurDuBlanc)
{
    for (const TpageCours& page : pagesDuCours()) {
        const std::optional<TimagePlacee> image = imageDe(page);
        ASSERT_TRUE(image) << page.codeImage;
        std::vector<TRect> boutons = {boutonRetour};
        if (page.exercice != 0) boutons.push_back(boutonPourSexercer);
        for (const TboutonLienCours& b : boutonsLiensCours())
            if (b.page == page.code) boutons.push_back({b.x, b.y, b.largeur, hauteurBoutonLien});
        // Rectangles as x, y, width and height.
        for (const TRect& b : boutons)
            EXPECT_EQ(image->encre(b.left, b.top, b.left + b.right, b.top + b.bottom), 0)
                << page.codeImage << " bouton en " << b.left << ", " << b.top;
    }
}

// The pupil's view: each page with link frames or buttons built on a course surface as the window
// builds it (column offset 11, the picture at column shift + 3 - 5 and line shift + 0.5, then the
// frames and buttons of the table), painted by the figure engine. Every frame's click zone is where
// the table puts it, over blue writing of the picture that runs from one end of it to the other.
// With VASTRELLE_PNG naming a folder, each painted page is saved there.
TEST(PagesCours, surLaPageChaqueCadreDeLienEstSurSaPhrase)
{
    PlateformeQt systeme;
    installerPlateforme(&systeme);
    dossierProgramme = std::string(DOSSIER_PAGES) + "/";
    int vues = 0;
    for (const TpageCours& page : pagesDuCours()) {
        std::vector<TcadreLienCours> cadres;
        for (const TcadreLienCours& c : cadresLiensCours())
            if (c.page == page.code) cadres.push_back(c);
        std::vector<TboutonLienCours> boutons;
        for (const TboutonLienCours& b : boutonsLiensCours())
            if (b.page == page.code) boutons.push_back(b);
        if (cadres.empty() && boutons.empty()) continue;
        ++vues;
        std::unique_ptr<Tfigure> surface;
        creerFigure(nullptr, largeurZone, 1000, surface);
        surface->couleurFond = 0xFFFFFF;
        surface->decalageColonnes = 11;
        const Tobjet* image = creerImage(*surface, std::string("V05") + page.codeImage + ".jpg",
                                         page.colonne + 3 - 5, page.ligne + 0.5);
        ASSERT_TRUE(image && image->visible) << page.codeImage;
        for (const TcadreLienCours& c : cadres) creerZoneLien(*surface, c.x, c.y, c.largeur, c.code);
        for (const TboutonLienCours& b : boutons) creerBoutonLien(*surface, b.code, b.titre, b.x, b.y, b.largeur);
        QImage vue(largeurZone, 560, QImage::Format_RGB32);
        {
            QPainter peintre(&vue);
            CanevasQt canevas(peintre);
            dessinerFigure(*surface, canevas);
        }
        enregistrerPourVoir(vue, (std::string("page_") + page.codeImage).c_str());
        const TlisteZonesLiens& zones = surface->zonesLiens;
        ASSERT_EQ(zones.nbZones, static_cast<int>(cadres.size() + boutons.size())) << page.codeImage;
        for (std::size_t k = 0; k < cadres.size(); ++k) {
            const TcadreLienCours& c = cadres[k];
            const TzoneLien& z = zones.zones[k + 1];
            EXPECT_EQ((TRect{z.gauche, z.haut, z.droite, z.bas}), (TRect{c.x, c.y - 18, c.x + c.largeur, c.y}))
                << page.codeImage;
            EXPECT_EQ(z.numero, c.code);
            // Blue writing from near the zone's left end to near its right end: its first and
            // last columns at most an eighth of the width (and at least 3 pixels) inside. The
            // blue line under the zone is left out.
            const int jeu = std::max(3, c.largeur / 8);
            int premiere = -1, derniere = -1;
            for (int x = c.x; x < c.x + c.largeur; ++x)
                for (int y = c.y - 18; y < c.y - 1; ++y)
                    if (estBleu(vue.pixel(x, y))) {
                        if (premiere < 0) premiere = x;
                        derniere = x;
                    }
            EXPECT_GE(premiere, c.x) << page.codeImage << " cadre en " << c.x << ", " << c.y;
            EXPECT_LE(premiere, c.x + jeu) << page.codeImage << " cadre en " << c.x << ", " << c.y;
            EXPECT_GE(derniere, c.x + c.largeur - 1 - jeu) << page.codeImage << " cadre en " << c.x << ", " << c.y;
            // The blue line runs from a pixel before the zone to a pixel past it: over its right
            // half and the pixel after it, no black writing but the punctuation that follows the
            // phrase, within a blank and a mark, or two marks, of its last letter; the next word keeps
            // clear.
            constexpr int ponctuation = 10;
            int noirs = 0;
            for (int x = std::max(c.x + c.largeur / 2, derniere + ponctuation); x <= c.x + c.largeur + 1; ++x)
                for (int y = c.y - 15; y < c.y - 1; ++y) noirs += estNoir(vue.pixel(x, y)) ? 1 : 0;
            EXPECT_EQ(noirs, 0) << page.codeImage << " cadre en " << c.x << ", " << c.y;
        }
    }
    EXPECT_EQ(vues, 18);
}
