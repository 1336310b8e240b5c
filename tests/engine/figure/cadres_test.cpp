#include "engine/figure/cadres.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/figure/creation_textes.h"
#include "engine/figure/peinture.h"
#include "engine/text/zones_liens.h"
#include "surface_de_test.h"

namespace {

using Arguments = std::vector<int>;

// A filled shape: its call and its brush colour.
struct Remplissage {
    GenreAppel genre;
    TColor couleur;
    Arguments boite;
    bool operator==(const Remplissage&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Remplissage& r)
{
    os << static_cast<int>(r.genre) << " " << std::hex << r.couleur << std::dec;
    for (int a : r.boite) os << " " << a;
    return os;
}

std::vector<Remplissage> remplissages(const CanevasEnregistre& k)
{
    std::vector<Remplissage> r;
    for (const Appel& a : k.appels())
        if ((a.genre == GenreAppel::Rectangle || a.genre == GenreAppel::RoundRect) &&
            a.brush.Style == bsSolid && a.pen.Style == psClear)
            r.push_back({a.genre, a.brush.Color, Arguments(a.arguments.begin(),
                                                           a.arguments.begin() + 4)});
    return r;
}

struct Ecrit {
    std::string texte;
    TColor couleur;
    int taille;
    int x, y;
    bool operator==(const Ecrit&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Ecrit& e)
{
    return os << e.texte << " " << std::hex << e.couleur << std::dec << " " << e.taille << " ("
              << e.x << "," << e.y << ")";
}

std::vector<Ecrit> ecrits(const CanevasEnregistre& k)
{
    std::vector<Ecrit> r;
    for (const Appel& a : k.appels(GenreAppel::TextOut))
        r.push_back({a.texte, a.font.Color, a.font.Size, a.arguments[0], a.arguments[1]});
    return r;
}

class Cadres : public SurfaceDeTest {
protected:
    Cadres()
    {
        zone.OnPaint.lier(gardeOuverte(), [this] { dessinerFigure(f()); });
    }

    // A block at pixel (80, 90), 80 pixels wide and 36 high, titled "cours", leading to the code.
    void poser(int style, int code = 1013)
    {
        reinitialiserFigure(f());
        Tcadre& c = creerCadre(f(), style, 10, 5, 10, 2)->donneesDe<Tcadre>();
        c.titre = "cours";
        c.codeLien = code;
        zone.peindre();
    }
};

TEST_F(Cadres, zonesDesTreizeStyles)
{
    const Arguments boite = {80, 90, 160, 126};
    struct {
        int style;
        Arguments zone;  // empty: none
    } const cas[] = {
        {0, {}},
        {1, {}},
        {2, {}},
        {3, {}},
        // "Voir aussi : cours." is 19 bytes of 8 pixels: the zone ends 10 pixels after it.
        {4, {80, 90, 242, 108}},
        {5, boite},
        {6, {}},
        {7, boite},
        {8, {80, 54, 160, 90}},  // above the line
        {9, {80, 90, 130, 108}},
        {10, {}},
        {11, boite},
        {12, boite},
        {13, {}},
        {14, {}},
    };
    for (const auto& c : cas) {
        poser(c.style);
        const TlisteZonesLiens& z = f().zonesLiens;
        if (c.zone.empty()) {
            EXPECT_EQ(z.nbZones, 0) << c.style;
            continue;
        }
        ASSERT_EQ(z.nbZones, 1) << c.style;
        const TzoneLien& r = z.zones[1];
        EXPECT_EQ((Arguments{r.gauche, r.haut, r.droite, r.bas}), c.zone) << c.style;
        EXPECT_EQ(r.numero, 1013);
        // Without a link the block takes no zone, so that links drawn over it stay reachable.
        poser(c.style, 0);
        EXPECT_EQ(f().zonesLiens.nbZones, 0) << c.style;
    }
}

TEST_F(Cadres, entetesDesStyles)
{
    const TColor blanc = 0xFFFFFF;
    struct {
        int style;
        std::vector<Ecrit> textes;
    } const cas[] = {
        {1, {{"Propriété", blanc, 12, 88, 89}}},
        {2, {}},
        {3, {}},
        {4, {{"Voir aussi : cours.", 0x008000, 11, 80, 90}}},
        {5, {{"Pour", blanc, 12, 105, 94}, {"s'exercer", blanc, 12, 85, 112}}},
        {6, {{"Énoncé", blanc, 11, 88, 91}}},
        {7, {{"Revoir", blanc, 12, 95, 94}, {"le cours", blanc, 12, 90, 112}}},
        {8, {}},
        {9, {{"cours", 0xFF0000, 11, 80, 90}}},
        {10, {{"Action", blanc, 12, 88, 89}}},
        {11, {{"cours", blanc, 11, 86, 91}}},
        {12, {{"?", 0x000000, 12, 85, 92}}},
        {13, {}},
    };
    for (const auto& c : cas) {
        poser(c.style);
        EXPECT_EQ(ecrits(zone.canevas()), c.textes) << c.style;
    }
    // Headings in Arial bold; the link of style 9 underlined.
    poser(1);
    EXPECT_EQ(zone.canevas().appels(GenreAppel::TextOut).at(0).font.Name, "Arial");
    EXPECT_EQ(zone.canevas().appels(GenreAppel::TextOut).at(0).font.Style, fsBold);
    poser(9);
    EXPECT_EQ(zone.canevas().appels(GenreAppel::TextOut).at(0).font.Style, fsUnderline);
}

TEST_F(Cadres, fondsEtOngletsDesStyles)
{
    const TColor blanc = 0xFFFFFF;
    const GenreAppel r = GenreAppel::Rectangle;
    // Paint-box background first, at (0, 0)-(320, 290).
    const Remplissage fond = {r, blanc, {0, 0, 320, 290}};
    struct {
        int style;
        std::vector<Remplissage> formes;
    } const cas[] = {
        {1, {fond, {r, blanc, {80, 98, 160, 134}}, {r, 0x0579FA, {80, 89, 168, 110}}}},
        {2, {fond, {r, blanc, {80, 90, 160, 126}}}},
        {5, {fond, {r, 0xB36600, {80, 90, 160, 126}}}},
        {6, {fond, {r, blanc, {80, 98, 160, 134}}, {r, 0xB36600, {80, 89, 151, 111}}}},
        {7, {fond, {r, 0x8CB92F, {80, 90, 160, 126}}}},
        {10, {fond, {r, blanc, {80, 98, 160, 134}}, {r, 0xF6B200, {80, 89, 148, 110}}}},
        {11, {fond, {GenreAppel::RoundRect, 0xF6B200, {80, 89, 160, 126}}}},
        {12, {fond, {r, 0xE0FFE0, {80, 90, 160, 126}}}},
        {13, {fond, {r, 0xC0C0C0, {80, 90, 160, 126}}}},
    };
    for (const auto& c : cas) {
        poser(c.style);
        EXPECT_EQ(remplissages(zone.canevas()), c.formes) << c.style;
    }
    // Style 8 is a blue line 2 pixels wide and nothing else.
    poser(8);
    const std::vector<Appel> traits = zone.canevas().appels(GenreAppel::LineTo);
    ASSERT_EQ(traits.size(), 1u);
    EXPECT_EQ(traits[0].position, (TPoint{80, 90}));
    EXPECT_EQ(traits[0].arguments, (Arguments{160, 90}));
    EXPECT_EQ(traits[0].pen.Color, 0xFF0000);
    EXPECT_EQ(traits[0].pen.Width, 2);
    // Style 13's outline is black and 3 pixels wide; style 3's is 1 pixel.
    for (const auto& [style, largeur] : {std::pair{13, 3}, std::pair{3, 1}}) {
        poser(style);
        const Appel contour = zone.canevas().appels(GenreAppel::Rectangle).back();
        EXPECT_EQ(contour.arguments, (Arguments{80, 90, 160, 126}));
        EXPECT_EQ(contour.pen.Width, largeur);
        EXPECT_EQ(contour.pen.Color, 0x000000);
        EXPECT_EQ(contour.brush.Style, bsClear);
    }
}

TEST_F(Cadres, blocsDessinesHorsPeintureSansZone)
{
    Tcadre& c = creerCadre(f(), 12, 1, 1, 3, 1)->donneesDe<Tcadre>();
    c.codeLien = 2763;
    ASSERT_EQ(listeZonesCourante, nullptr);
    dessinerCadre(f(), zone.canevas(), 1);
    EXPECT_EQ(f().zonesLiens.nbZones, 0);
    // Drawn where it stands all the same.
    EXPECT_EQ(ecrits(zone.canevas()).at(0).texte, "?");
}

// Three rows 1.5 lines high and two columns 5 wide from column 2, line 4: at 11 points columns
// are 8 pixels and lines 15, so the body runs from (16, 60) to (96, 127.5).
Ttableau tableauDeTest(bool entetes)
{
    Ttableau t;
    t.nbRangees = 3;
    t.nbColonnes = 2;
    t.gauche = 2;
    t.haut = 4;
    t.droite = 12;
    t.bas = 8.5;
    t.entetes = entetes;
    for (int i = 1; i <= 3; ++i) t.hauteurs[i] = 1.5;
    for (int j = 1; j <= 2; ++j) t.largeurs[j] = 5;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 2; ++j)
            t.cases[i][j] = {2 + 5.0 * (j - 1), 4 + 1.5 * (i - 1), 0.5, 0.25, 0, ""};
    t.cases[2][1].texte = "12";
    t.cases[2][1].couleur = 0x0000FF;
    return t;
}

struct TraitTableau {
    int x1, y1, x2, y2;
    TColor couleur;
    bool operator==(const TraitTableau&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TraitTableau& t)
{
    return os << "(" << t.x1 << "," << t.y1 << ")-(" << t.x2 << "," << t.y2 << ") " << std::hex
              << t.couleur << std::dec;
}

std::vector<TraitTableau> traitsTableau(const CanevasEnregistre& k)
{
    std::vector<TraitTableau> r;
    for (const Appel& a : k.appels(GenreAppel::LineTo))
        if (a.pen.Width == 1)
            r.push_back({a.position.x, a.position.y, a.arguments[0], a.arguments[1],
                         a.pen.Color});
    return r;
}

TEST(Tableaux, tableauSimpleAuCoinOuvert)
{
    const TColor bleu = 0xFF0000;
    CanevasEnregistre k;
    dessinerTableau(k, tableauDeTest(false), bleu);
    const std::vector<Appel> fonds = k.appels(GenreAppel::Rectangle);
    ASSERT_EQ(fonds.size(), 1u);
    EXPECT_EQ(fonds[0].brush.Color, 0xE0FFFF);
    EXPECT_EQ(fonds[0].arguments, (Arguments{16, 60, 96, 128}));
    // The first row line starts after the first column and the first column line below the
    // first row: the empty top-left cell has no line above it nor on its left.
    EXPECT_EQ(traitsTableau(k), (std::vector<TraitTableau>{
                                    {56, 60, 96, 60, bleu},
                                    {16, 82, 96, 82, bleu},
                                    {16, 105, 96, 105, bleu},
                                    {16, 128, 96, 128, bleu},
                                    {16, 82, 16, 128, bleu},
                                    {56, 60, 56, 128, bleu},
                                    {96, 60, 96, 128, bleu},
                                }));
    const std::vector<Appel> t = k.appels(GenreAppel::TextOut);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].texte, "12");
    EXPECT_EQ(t[0].arguments, (Arguments{20, 86}));
    EXPECT_EQ(t[0].font.Color, 0x0000FF);
    EXPECT_EQ(t[0].font.Size, 11);
}

TEST(Tableaux, coinFermeQuandLaPremiereCaseEstEcrite)
{
    Ttableau t = tableauDeTest(false);
    t.cases[1][1].texte = "x";
    CanevasEnregistre k;
    dessinerTableau(k, t, 0);
    const std::vector<TraitTableau> traits = traitsTableau(k);
    ASSERT_EQ(traits.size(), 7u);
    EXPECT_EQ(traits[0], (TraitTableau{16, 60, 96, 60, 0}));
    EXPECT_EQ(traits[4], (TraitTableau{16, 60, 16, 128, 0}));
}

TEST(Tableaux, aspectTableurAvecEntetes)
{
    const TColor bleu = 0xFF0000;
    Ttableau t = tableauDeTest(true);
    t.cases[1][1].texte = "x";
    CanevasEnregistre k;
    dessinerTableau(k, t, bleu);
    // A white body outlined in grey, then the header boxes, grey outlined in black.
    const std::vector<Appel> rectangles = k.appels(GenreAppel::Rectangle);
    ASSERT_GE(rectangles.size(), 2u);
    EXPECT_EQ(rectangles[0].brush.Color, 0xFFFFFF);
    EXPECT_EQ(rectangles[0].arguments, (Arguments{16, 60, 96, 128}));
    EXPECT_EQ(rectangles[1].pen.Color, 0xC0C0C0);
    int boitesEntetes = 0;
    for (const Appel& a : rectangles)
        boitesEntetes += a.brush.Style == bsSolid && a.brush.Color == 0xC0C0C0;
    EXPECT_EQ(boitesEntetes, 3 + 2);
    // Grid lines in grey, the bottom and right edges in the table's colour.
    const std::vector<TraitTableau> traits = traitsTableau(k);
    ASSERT_EQ(traits.size(), 7u);
    for (std::size_t i : {0, 1, 2, 4, 5}) EXPECT_EQ(traits[i].couleur, 0xC0C0C0) << i;
    EXPECT_EQ(traits[3], (TraitTableau{16, 128, 96, 128, bleu}));
    EXPECT_EQ(traits[6], (TraitTableau{96, 60, 96, 128, bleu}));
    // Rows numbered, columns lettered, then the cells.
    std::vector<std::string> textes;
    for (const Appel& a : k.appels(GenreAppel::TextOut)) textes.push_back(a.texte);
    EXPECT_EQ(textes, (std::vector<std::string>{"1", "2", "3", "A", "B", "x", "12"}));
    // The header of row 1 is centred in its box (-12, 60)-(16, 82.5), column A's one pixel more
    // to the left in (16, 37.5)-(56, 60).
    const std::vector<Appel> ecrits = k.appels(GenreAppel::TextOut);
    EXPECT_EQ(ecrits[0].arguments, (Arguments{-2, 64}));
    EXPECT_EQ(ecrits[3].arguments, (Arguments{31, 41}));
    EXPECT_EQ(ecrits[0].font.Name, "Arial");
    // White raised edges of 2 pixels and the two black closing lines.
    int blancs = 0, noirs = 0;
    for (const Appel& a : k.appels(GenreAppel::LineTo)) {
        if (a.pen.Width != 2) continue;
        blancs += a.pen.Color == 0xFFFFFF;
        noirs += a.pen.Color == 0x000000;
    }
    EXPECT_EQ(blancs, 5);
    EXPECT_EQ(noirs, 2);
}

TEST(Tableaux, tableauSansRangeeNiColonne)
{
    Ttableau t;
    t.nbRangees = -2;
    t.nbColonnes = 40;  // beyond the 16 columns a table holds: 16 are drawn
    for (int j = 1; j <= colonnesTableauMax; ++j) t.largeurs[j] = 1;
    t.droite = 16;
    t.bas = 0;
    CanevasEnregistre k;
    dessinerTableau(k, t, 0);
    // The two edges and the 16 column lines.
    EXPECT_EQ(k.nombre(GenreAppel::LineTo), 2u + 16u);
    EXPECT_EQ(k.nombre(GenreAppel::TextOut), 0u);
}

} // namespace
