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
#include "platform/jpeg/jpeg.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/plateforme_qt.h"
#include "tests/platform/qt/pixels.h"

namespace {

// A page of the course: its link code, its picture, the exercise its button offers (0: none),
// and the shift of its picture in columns and lines.
struct TpageAttendue {
    int code;
    const char* image;
    int exercice;
    double colonnes, lignes;
};

const TpageAttendue pages[] = {
    {1002, "01S1", 6, 0, 0},
    {1003, "01S2", 11, 0, 0},
    {1004, "01S3", 20, 0, 0},
    {1005, "01S4", 23, -5, 0},
    {1007, "01SF1", 13, 0, 0.5},
    {1008, "01SF2", 14, 0, 0},
    {1009, "01SF3", 24, 0, 0},
    {1010, "01SF4", 26, 0, 0},
    {1013, "02S1", 41, 0, 0},
    {1014, "02S2", 46, 0, 0},
    {1015, "02S3", 53, 0, 0},
    {1016, "02S4", 56, -5, 0},
    {1018, "02SF1", 47, 0, 0},
    {1019, "02SF2", 48, 0, 0},
    {1020, "02SF3", 51, 0, 0},
    {1021, "02SF4", 0, 0, 0},
    {1024, "03S1", 74, 0, 0},
    {1025, "03S2", 80, 0, 0},
    {1026, "03S3", 81, -5, 0},
    {1027, "03S4", 85, 0, 0},
    {1029, "03SF1", 87, 0, 0},
    {1030, "03SF2", 0, 0, 0},
    {1031, "03SF3", 0, 0, 0},
    {1032, "03SF4", 0, 0, 0},
    {1035, "04S1", 105, -5, 0},
    {1036, "04S2", 115, -5, 0},
    {1037, "04S3", 122, -5, 0},
    {1038, "04S4", 134, 0, 0},
    {1040, "04SF1", 106, 0, 0},
    {1041, "04SF2", 113, -7.5, 0},
    {1042, "04SF3", 133, 0, 0},
    {1043, "04SF4", 132, 0, 0},
    {1046, "05S1", 152, 0, 0},
    {1047, "05S2", 160, 0, 0},
    {1048, "05S3", 163, -5, 0},
    {1049, "05S4", 168, 0, 0},
    {1051, "05SF1", 156, 0, 0},
    {1052, "05SF2", 0, 0, 0},
    {1053, "05SF3", 164, 0, 0},
    {1054, "05SF4", 170, 0, 1},
    {1057, "06S1", 188, 0, 0},
    {1058, "06S2", 192, -5, 0},
    {1059, "06S3", 197, 0, 0},
    {1060, "06S4", 203, -5, 0},
    {1062, "06SF1", 0, 0, 0},
    {1063, "06SF2", 0, 0, 0},
    {1064, "06SF3", 202, 0, 0},
    {1065, "06SF4", 0, 0, 0},
    {1068, "07S1", 226, 0, 0},
    {1069, "07S2", 229, 0, 0},
    {1070, "07S3", 233, 0, 0},
    {1072, "07SF1", 223, 0, 0},
    {1073, "07SF2", 225, 0, 0},
    {1074, "07SF3", 224, 0, 0},
    {1077, "08S1", 253, -5, 0},
    {1078, "08S2", 258, 0, 0},
    {1079, "08S3", 262, 0, 0},
    {1080, "08S4", 269, -5, 0},
    {1082, "08SF1", 265, 0, 0},
    {1083, "08SF2", 266, 0, 0},
    {1084, "08SF3", 276, 0, 0},
    {1085, "08SF4", 0, 0, 0},
    {1088, "09S1", 289, 0, 0},
    {1089, "09S2", 292, 0, 0},
    {1090, "09S3", 301, 0, 0},
    {1092, "09SF1", 293, 0, 0},
    {1093, "09SF2", 299, 0, 0},
    {1094, "09SF3", 303, 0, 0},
    {1095, "09SF4", 305, 0, 0},
    {1098, "10S1", 319, 0, 0},
    {1099, "10S2", 323, 0, 0},
    {1100, "10S3", 327, 0, 0},
    {1101, "10S4", 332, 0, 0},
    {1103, "10SF1", 326, 0, 0},
    {1104, "10SF2", 336, 0, 0},
    {1105, "10SF3", 337, 0, 0},
    {1108, "11S1", 0, 0, 0},
    {1109, "11S2", 0, 0, 0},
    {1110, "11S3", 0, 0, 0},
    {1111, "11S4", 0, 0, 0},
    {1113, "11SF1", 0, 0, 0},
    {1114, "11SF2", 0, 0, 0},
    {1115, "11SF3", 0, 0, 0},
    {1116, "11SF4", 0, 0, 0},
    {1119, "12S1", 0, -5, 0},
    {1120, "12S2", 0, 0, 0},
    {1121, "12S3", 0, 0, 0},
    {1122, "12S4", 0, 0, 0},
    {1123, "12S5", 0, -5, 0},
    {1125, "12SF1", 0, 0, 0},
    {1126, "12SF2", 0, 0, 0},
    {1127, "12SF3", 0, 0, 0},
    {1128, "12SF4", 0, 0, 0},
    {1131, "13S1", 0, 0, 0},
    {1132, "13S2", 0, -5, 0},
    {1133, "13S3", 0, 0, 0},
    {1134, "13S4", 0, 0, 0},
    {1136, "13SF1", 0, 0, 0},
    {1137, "13SF2", 0, 0, 0},
    {1138, "13SF3", 0, 0, 0},
    {1139, "13SF4", 0, 0, 0},
};

// A link frame: its blue line at y under a zone 18 pixels high; a link button, 23 pixels high.
struct Trectangle {
    int x, y, largeur;
};

struct TliensAttendus {
    int code;
    std::vector<Trectangle> cadres;
    std::vector<Trectangle> boutons;
};

const TliensAttendus liens[] = {
    {1049, {{149, 150, 77}, {518, 134, 68}}, {}},
    {1051, {{335, 158, 106}}, {}},
    {1059, {{322, 45, 85}}, {}},
    {1068, {{146, 113, 50}, {509, 97, 89}}, {}},
    {1070, {{332, 141, 87}, {192, 370, 87}, {298, 370, 69}}, {{610, 430, 100}, {50, 430, 100}}},
    {1074, {{205, 209, 71}, {509, 445, 78}}, {}},
    {1084, {}, {{640, 130, 100}}},
    {1098, {{162, 236, 60}, {206, 371, 60}}, {{620, 70, 100}}},
    {1099, {{161, 147, 58}}, {}},
    {1100, {{580, 457, 57}, {337, 405, 54}}, {}},
    {1101, {{491, 112, 58}, {322, 95, 57}}, {}},
    {1104, {{217, 434, 69}}, {{640, 100, 100}}},
    {1105, {{218, 415, 67}}, {{640, 100, 100}}},
    {1109, {{288, 130, 88}, {342, 235, 104}, {398, 129, 57}, {146, 251, 65}}, {}},
    {1111,
     {{179, 377, 63}, {399, 411, 63}, {253, 480, 53}, {412, 479, 53}, {421, 116, 96},
      {147, 394, 96}, {429, 394, 96}, {240, 151, 91}, {488, 134, 91}, {485, 428, 91}},
     {}},
    {1122, {{258, 118, 57}, {473, 119, 102}, {388, 119, 33}}, {}},
    {1131, {{520, 96, 61}}, {}},
    {1132, {{336, 91, 56}, {575, 91, 56}}, {}},
};

// The course paint box: where a picture without shift stands, and its width; the window's
// buttons over the page.
constexpr int gaucheSansDecalage = 72, hautSansDecalage = 9, largeurZone = 763;
const Trectangle boutonRetour{680, 20, 90};
const Trectangle boutonPourSexercer{662, 216, 100};
constexpr int hauteurBoutonFenetre = 25;

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

// The writing of links is blue.
bool estBleu(QRgb p)
{
    return qBlue(p) > qRed(p) + 80 && qBlue(p) > qGreen(p) + 80;
}

std::optional<TimagePlacee> imageDe(const TpageAttendue& page)
{
    std::optional<TimageRvb> image = lireJpeg(std::string(DOSSIER_PAGES) + "/V05" + page.image + ".jpg");
    if (!image) return std::nullopt;
    return TimagePlacee{std::move(*image), static_cast<int>(gaucheSansDecalage + 8 * page.colonnes),
                        static_cast<int>(hautSansDecalage + 18 * page.lignes)};
}

const TpageAttendue* pageDeCode(int code)
{
    for (const TpageAttendue& page : pages)
        if (page.code == code) return &page;
    return nullptr;
}

}  // namespace

TEST(PagesCours, chaquePageAUneImageQuiRemplitLaZoneJusquASonBordDroit)
{
    for (const TpageAttendue& page : pages) {
        const std::optional<TimagePlacee> image = imageDe(page);
        ASSERT_TRUE(image) << page.image;
        EXPECT_EQ(image->gauche + image->image.largeur, largeurZone) << page.image;
        EXPECT_GE(image->image.hauteur, 200) << page.image;
        // Something is written on it, and the title's line at the top.
        EXPECT_GT(image->encre(0, image->haut, largeurZone, image->haut + 40), 300) << page.image;
    }
}

TEST(PagesCours, lesBoutonsDeLaFenetreEtLesBoutonsDeLiensSontSurDuBlanc)
{
    for (const TpageAttendue& page : pages) {
        const std::optional<TimagePlacee> image = imageDe(page);
        ASSERT_TRUE(image) << page.image;
        std::vector<std::pair<Trectangle, int>> boutons = {{boutonRetour, hauteurBoutonFenetre}};
        if (page.exercice != 0) boutons.push_back({boutonPourSexercer, hauteurBoutonFenetre});
        for (const TliensAttendus& l : liens)
            if (l.code == page.code)
                for (const Trectangle& b : l.boutons) boutons.push_back({b, 23});
        for (const auto& [b, hauteur] : boutons)
            EXPECT_EQ(image->encre(b.x, b.y, b.x + b.largeur, b.y + hauteur), 0)
                << page.image << " bouton en " << b.x << ", " << b.y;
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
    for (const TliensAttendus& l : liens) {
        const TpageAttendue* page = pageDeCode(l.code);
        ASSERT_TRUE(page) << l.code;
        std::unique_ptr<Tfigure> surface;
        creerFigure(nullptr, largeurZone, 1000, surface);
        surface->couleurFond = 0xFFFFFF;
        surface->decalageColonnes = 11;
        const Tobjet* image = creerImage(*surface, std::string("V05") + page->image + ".jpg",
                                         page->colonnes + 3 - 5, page->lignes + 0.5);
        ASSERT_TRUE(image && image->visible) << page->image;
        for (const Trectangle& c : l.cadres) creerZoneLien(*surface, c.x, c.y, c.largeur, 1);
        for (const Trectangle& b : l.boutons) creerBoutonLien(*surface, 1501, "   Imagiciel", b.x, b.y, b.largeur);
        QImage vue(largeurZone, 560, QImage::Format_RGB32);
        {
            QPainter peintre(&vue);
            CanevasQt canevas(peintre);
            dessinerFigure(*surface, canevas);
        }
        enregistrerPourVoir(vue, (std::string("page_") + page->image).c_str());
        const TlisteZonesLiens& zones = surface->zonesLiens;
        ASSERT_EQ(zones.nbZones, static_cast<int>(l.cadres.size() + l.boutons.size())) << page->image;
        for (std::size_t k = 0; k < l.cadres.size(); ++k) {
            const Trectangle& c = l.cadres[k];
            const TzoneLien& z = zones.zones[k + 1];
            EXPECT_EQ((TRect{z.gauche, z.haut, z.droite, z.bas}), (TRect{c.x, c.y - 18, c.x + c.largeur, c.y}))
                << page->image;
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
            EXPECT_GE(premiere, c.x) << page->image << " cadre en " << c.x << ", " << c.y;
            EXPECT_LE(premiere, c.x + jeu) << page->image << " cadre en " << c.x << ", " << c.y;
            EXPECT_GE(derniere, c.x + c.largeur - 1 - jeu) << page->image << " cadre en " << c.x << ", " << c.y;
        }
    }
}
