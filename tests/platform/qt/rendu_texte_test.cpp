// Markup drawn with the real Qt canvas, as the pupil sees it. With VASTRELLE_PNG naming a folder,
// the page is saved there as rendu_texte.png for a look.

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

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

// The fonts and sizes the program writes its texts in: statements and course pages in Times New
// Roman (Liberation Serif here) of 10 to 14 points, labels and panels in Arial.
struct Tpolice {
    const char* nom;
    int taille;
    TFontStyles style;
};
constexpr Tpolice polices[] = {
    {"Times New Roman", 10, 0}, {"Times New Roman", 11, 0},      {"Times New Roman", 12, 0},
    {"Times New Roman", 14, 0}, {"Times New Roman", 12, fsBold}, {"Times New Roman", 12, fsItalic},
    {"Arial", 10, 0},           {"Arial", 12, 0},
};

// The sentence drawn at x = 4, in one piece or word by word, each word where the measured width
// of what comes before it ends; and the middle of each space's measured advance.
struct Tphrase {
    QImage image;
    std::vector<int> espaces;
};

Tphrase dessinerPhrase(const Tpolice& police, const std::string& texte, bool motParMot)
{
    Tphrase phrase{QImage(720, 40, QImage::Format_RGB32), {}};
    phrase.image.fill(fond);
    QPainter peintre(&phrase.image);
    CanevasQt canevas(peintre);
    canevas.Font.Name = police.nom;
    canevas.Font.Size = police.taille;
    canevas.Font.Style = police.style;
    if (!motParMot) canevas.TextOut(4, 8, texte);
    for (std::size_t debut = 0; debut < texte.size();) {
        const std::size_t fin = std::min(texte.find(' ', debut), texte.size());
        const int x = 4 + canevas.TextWidth(texte.substr(0, debut));
        if (motParMot) canevas.TextOut(x, 8, texte.substr(debut, fin - debut));
        if (fin < texte.size())
            phrase.espaces.push_back(4 + (canevas.TextWidth(texte.substr(0, fin)) +
                                          canevas.TextWidth(texte.substr(0, fin + 1))) / 2);
        debut = fin + 1;
    }
    return phrase;
}

TEST(RenduTexteEspaces, chaqueEspaceEntreLesMotsEstPlusLargeQueTousLesEcartsDansLesMots)
{
    const std::string texte =
        "Les droites semblent parallèles et la troncature au centième donne une valeur "
        "approchée";
    for (const Tpolice& police : polices) {
        SCOPED_TRACE(std::string(police.nom) + " " + std::to_string(police.taille) + " " +
                     std::to_string(police.style));
        const auto [image, espaces] = dessinerPhrase(police, texte, false);
        enregistrerPourVoir(image, "espaces", 3);
        // Widths are measured in the font the text is drawn in: word by word, at the measured
        // places, gives the same pixels.
        EXPECT_TRUE(dessinerPhrase(police, texte, true).image == image)
            << "drawn apart from where measured";

        // The runs of blank columns between the first and the last inked one.
        std::vector<bool> encre(image.width());
        for (int x = 0; x < image.width(); ++x)
            encre[x] = compterSi(image, [](QRgb p) { return p != fond; }, x, 0, x + 1, 40) > 0;
        const auto premiere = static_cast<int>(std::find(encre.begin(), encre.end(), true) -
                                               encre.begin());
        int espaceMin = image.width(), ecartMax = 0;
        std::size_t espacesVus = 0;
        for (int x = premiere, fin = x; x < image.width(); x = fin + 1) {
            for (fin = x; fin < image.width() && !encre[fin]; ++fin) {}
            if (fin == x || fin == image.width()) continue;
            const auto dedans = std::count_if(espaces.begin(), espaces.end(),
                                              [&](int m) { return m >= x && m < fin; });
            espacesVus += dedans;
            if (dedans) espaceMin = std::min(espaceMin, fin - x);
            else ecartMax = std::max(ecartMax, fin - x);
        }
        EXPECT_EQ(espacesVus, espaces.size()) << "a space between two words holds ink";
        EXPECT_GT(espaceMin, ecartMax);
    }
}

}  // namespace
