#include "engine/figure/peinture.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/figure/creation.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/text/zones_liens.h"
#include "platform/double/image_enregistree.h"
#include "surface_de_test.h"

namespace {

// A line drawn with MoveTo and LineTo, with its pen colour.
struct Trait {
    int x1, y1, x2, y2;
    TColor couleur;
    bool operator==(const Trait&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Trait& t)
{
    return os << "(" << t.x1 << "," << t.y1 << ")-(" << t.x2 << "," << t.y2 << ") couleur "
              << std::hex << t.couleur << std::dec;
}

std::vector<Trait> traits(const CanevasEnregistre& k)
{
    std::vector<Trait> r;
    for (const Appel& a : k.appels(GenreAppel::LineTo))
        r.push_back({a.position.x, a.position.y, a.arguments[0], a.arguments[1], a.pen.Color});
    return r;
}

std::vector<std::string> textes(const CanevasEnregistre& k)
{
    std::vector<std::string> r;
    for (const Appel& a : k.appels(GenreAppel::TextOut)) r.push_back(a.texte);
    return r;
}

// Index of the first call that satisfies the test; -1 when none does.
int premierAppel(const CanevasEnregistre& k, const std::function<bool(const Appel&)>& test)
{
    const std::vector<Appel>& appels = k.appels();
    for (std::size_t i = 0; i < appels.size(); ++i)
        if (test(appels[i])) return static_cast<int>(i);
    return -1;
}

class Peinture : public SurfaceDeTest {
protected:
    Peinture()
    {
        zone.OnPaint.lier(gardeOuverte(), [this] { dessinerFigure(f()); });
    }

    CanevasEnregistre& k() { return zone.canevas(); }
    Tobjet& objet(const std::string& nom) { return *objetNommeAModifier(f(), nom); }

    // The pixels of a point drawn at (x, y): 29 pixels a unit from (160, 145).
    static int px(double x) { return 160 + static_cast<int>(x * 29); }
    static int py(double y) { return 145 - static_cast<int>(y * 29); }
};

// A square marker of a point at pixel (x, y): 5 pixels, so 2 on each side of (x + 1, y + 1).
auto estMarqueur(int x, int y)
{
    return [x, y](const Appel& a) {
        return a.genre == GenreAppel::Rectangle &&
               a.arguments == std::vector<int>{x - 1, y - 1, x + 3, y + 3};
    };
}

TEST_F(Peinture, fondInstrumentsAxesObjetsPuisPoints)
{
    const auto peintreOutils = dessinerOutilsFigure;
    dessinerOutilsFigure = [](Tfigure& figure, Canevas& canevas) {
        // The instruments are drawn over the background and under the grid.
        tracerLigneMonde(figure, canevas, 0x00FF00, 1, 0, 0, 1, 1, 1);
    };
    f().nbOutils = 1;
    f().axesVisibles = true;
    creerPointNomme(f(), "A", 0, 1, 1, 0, 0);
    creerPointNomme(f(), "B", 0, 3, 2, 0, 0);
    creerSegmentTrait(f(), "A", "B", 0xFF0000);
    creerTexte(f(), "Bonjour", 0x0000FF, 2, 1);
    zone.peindre();
    dessinerOutilsFigure = peintreOutils;

    const int fond = premierAppel(k(), [](const Appel& a) {
        return a.genre == GenreAppel::Rectangle &&
               a.arguments == std::vector<int>{0, 0, 320, 290} && a.brush.Color == 0xFFFFFF &&
               a.brush.Style == bsSolid;
    });
    auto trait = [](TColor c) {
        return [c](const Appel& a) { return a.genre == GenreAppel::LineTo && a.pen.Color == c; };
    };
    const int outil = premierAppel(k(), trait(0x00FF00));
    const int grille = premierAppel(k(), trait(0xE0E0E0));
    const int axe = premierAppel(k(), trait(0x0000FF));
    const int segment = premierAppel(k(), trait(0xFF0000));
    const int texte =
        premierAppel(k(), [](const Appel& a) { return a.texte == "Bonjour"; });
    const int pointA = premierAppel(k(), estMarqueur(px(1), py(1)));
    const int pointB = premierAppel(k(), estMarqueur(px(3), py(2)));
    EXPECT_EQ(fond, 0);
    const std::vector<int> ordre = {fond, outil, grille, axe, segment, texte, pointA, pointB};
    for (std::size_t i = 1; i < ordre.size(); ++i) EXPECT_LT(ordre[i - 1], ordre[i]) << i;
    // Points were created first but are drawn last, their labels with them.
    EXPECT_EQ(textes(k()).back(), "B");
}

TEST_F(Peinture, instrumentsDessinesSeulementQuandIlsSontSortis)
{
    int appels = 0;
    static int* compteur = nullptr;
    compteur = &appels;
    const auto peintreOutils = dessinerOutilsFigure;
    dessinerOutilsFigure = [](Tfigure&, Canevas&) { ++*compteur; };
    zone.peindre();
    EXPECT_EQ(appels, 0);
    f().nbOutils = 2;
    zone.peindre();
    EXPECT_EQ(appels, 1);
    dessinerOutilsFigure = nullptr;
    // No hook: the instruments are simply not drawn.
    zone.peindre();
    EXPECT_EQ(appels, 1);
    dessinerOutilsFigure = peintreOutils;
}

TEST_F(Peinture, cacheIndefiniOuNonAPeindre)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 2, 0, 0, 0);
    creerPointNomme(f(), "C", 0, -2, 1, 0, 0);
    creerPointNomme(f(), "D", 0, -2, -1, 0, 0);
    creerMilieu(f(), "E", "A", "Z", 0, 0, 0);          // Z missing: undefined
    creerSegmentTrait(f(), "A", "B", 0);
    creerSegmentTrait(f(), "B", "C", 0);
    creerCercle(f(), "c", "A", "Z", 0, 1, 1);          // undefined
    creerCercle(f(), "k", "A", "B", 0, 1, 1);
    ASSERT_TRUE(estIndefini(f(), "E"));
    ASSERT_TRUE(estIndefini(f(), "c"));
    cacherObjet(f(), "[AB]");
    cacherObjet(f(), "D");
    objet("[BC]").aPeindre = false;
    objet("k").aPeindre = false;
    // A point is drawn whatever its flag says.
    objet("C").aPeindre = false;
    zone.peindre();

    EXPECT_EQ(k().nombre(GenreAppel::LineTo), 0u);
    EXPECT_EQ(k().nombre(GenreAppel::Ellipse), 0u);
    EXPECT_EQ(textes(k()), (std::vector<std::string>{"A", "B", "C"}));
    // The background and three markers.
    EXPECT_EQ(k().nombre(GenreAppel::Rectangle), 4u);
    EXPECT_NE(premierAppel(k(), estMarqueur(px(-2), py(1))), -1);
}

TEST_F(Peinture, marqueurEtEtiquetteDuPoint)
{
    struct {
        int epaisseur;
        std::string etiquette;
        std::vector<int> marqueur;  // empty: none
        bool texte;
    } const cas[] = {
        {5, "A", {188, 115, 192, 119}, true},
        {4, "A", {188, 115, 192, 119}, true},
        {1, "A", {190, 117, 190, 117}, true},
        {0, "A", {}, true},   // no marker, still a label
        {5, "", {188, 115, 192, 119}, false},
    };
    for (const auto& c : cas) {
        reinitialiserFigure(f());
        Tobjet* p = creerPoint(f(), "A", c.etiquette, 1, 1, 0, 0, 0x0000FF, c.epaisseur);
        k().effacer();
        dessinerObjet(f(), k(), 1);
        const std::vector<Appel> rectangles = k().appels(GenreAppel::Rectangle);
        if (c.marqueur.empty()) {
            EXPECT_TRUE(rectangles.empty()) << c.epaisseur;
        } else {
            ASSERT_EQ(rectangles.size(), 1u) << c.epaisseur;
            EXPECT_EQ(rectangles[0].arguments, c.marqueur);
            EXPECT_EQ(rectangles[0].brush.Color, 0x0000FF);
        }
        EXPECT_EQ(k().nombre(GenreAppel::TextOut), c.texte ? 1u : 0u) << c.epaisseur;
        EXPECT_EQ(p->point->pixelX, 189);
        EXPECT_EQ(p->point->pixelY, 116);
    }
}

TEST_F(Peinture, etiquetteDecaleeEnColonnesEtLignesDeSaTaille)
{
    creerPointNomme(f(), "A", 0x008000, 0, 0, 1, -1);
    zone.peindre();
    const std::vector<Appel> t = k().appels(GenreAppel::TextOut);
    ASSERT_EQ(t.size(), 1u);
    // At 11 points a column is 8 pixels and a line 15.
    EXPECT_EQ(t[0].arguments, (std::vector<int>{168, 130}));
    EXPECT_EQ(t[0].font.Size, 11);
    EXPECT_EQ(t[0].font.Color, 0x008000);
    EXPECT_TRUE(t[0].fondTransparent);
}

TEST_F(Peinture, modesDEtiquette)
{
    creerPointNomme(f(), "L0", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "L1", 0, 1, 1, 0, 0);
    creerPointNomme(f(), "L2", 0, 2, 0, 0, 0);
    creerPointNomme(f(), "A", 0, 1.5, -2, 0, 0);
    zone.peindre();
    Tobjet& a = objet("A");
    const std::string longue(120, 'x');
    struct {
        int mode;
        std::string etiquette;
        std::string attendu;
    } const cas[] = {
        {0, "A", "A"},
        {1, "A", "A(1.5,-2)"},
        {1, "", "(1.5,-2)"},
        // L1 at pixel (189, 116); L2 is 58 pixels right of L0.
        {2, "A", "(189,116) ; 58"},
        {7, "A", "A"},
        {-1, "A", "A"},
        {1, longue, longue},
    };
    for (const auto& c : cas) {
        a.point->modeEtiquette = c.mode;
        a.point->etiquette = c.etiquette;
        EXPECT_EQ(texteEtiquette(f(), a), c.attendu) << c.mode;
    }
    // Without the reference points their pixels count as 0.
    reinitialiserFigure(f());
    Tobjet* seul = creerPointNomme(f(), "P", 0, 1, 1, 0, 0);
    seul->point->modeEtiquette = 2;
    EXPECT_EQ(texteEtiquette(f(), *seul), "(0,0) ; 0");
}

TEST(LignesFenetre, droitesEtDemiDroitesCoupeesALaFenetre)
{
    ZoneDessinEnregistree zone;
    zone.setBounds(0, 0, 320, 290);
    std::unique_ptr<Tfigure> f;
    creerFigure(&zone, 0, 0, f);
    // The window, 2 pixels in: x from pixel 2 to 318, y from 288 up to 2.
    struct {
        bool demi;
        double x0, y0, dx, dy;
        std::vector<int> trait;  // x1, y1, x2, y2; empty: nothing drawn
    } const cas[] = {
        {false, 0, 0, 1, 0, {2, 145, 318, 145}},
        {false, 0, 0, 0, 1, {160, 288, 160, 2}},    // vertical: ymin to ymax
        {false, 0, 0, 1, 1, {17, 288, 303, 2}},     // 45°: also from ymin to ymax
        {false, 0, 0, 2, 1, {2, 224, 318, 66}},
        {false, 0, 0, 0, 0, {}},                    // no direction, no line
        {true, 6, 0, 1, 0, {}},                     // starts right of the window, goes right
        {true, 1, 1, 1, 0, {189, 116, 318, 116}},
        {true, -7, 0, 1, 0, {2, 145, 318, 145}},    // from the left: the whole window
        {true, 1, 1, -1, 0, {2, 116, 189, 116}},
        {true, -7, 0, -1, 0, {}},
        {true, 0, 0, 0, 1, {160, 145, 160, 2}},
        {true, 0, 0, 0, -1, {160, 288, 160, 145}},
        {true, 0, 6, 0, 1, {}},
        {true, 0, -6, 0, 1, {160, 288, 160, 2}},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        if (c.demi)
            tracerDemiDroiteFenetre(*f, k, 0xFF0000, 1, c.x0, c.y0, c.dx, c.dy, 1);
        else
            tracerDroiteFenetre(*f, k, 0xFF0000, 1, c.x0, c.y0, c.dx, c.dy, 1);
        const std::vector<Trait> t = traits(k);
        if (c.trait.empty()) {
            EXPECT_TRUE(t.empty()) << c.x0 << " " << c.y0 << " " << c.dx << " " << c.dy;
            continue;
        }
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0], (Trait{c.trait[0], c.trait[1], c.trait[2], c.trait[3], 0xFF0000}))
            << c.demi << " " << c.x0 << " " << c.y0 << " " << c.dx << " " << c.dy;
    }
}

TEST_F(Peinture, droitesDesObjetsTraverseeLaFenetre)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 1, 0, 0, 0);
    creerDroite(f(), "A", "B", 0xFF0000, 1, 1);
    creerDemiDroite(f(), "B", "A", 0x00FF00, 1, 1);
    zone.peindre();
    EXPECT_EQ(traits(k()), (std::vector<Trait>{{2, 145, 318, 145, 0xFF0000},
                                               {2, 145, 189, 145, 0x00FF00}}));
}

TEST_F(Peinture, brosseViderApresChaqueObjetSaufUnTexteAffiche)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 2, 0, 0, 0);
    creerPointNomme(f(), "C", 0, 0, 2, 0, 0);
    creerCercle(f(), "c", "A", "B", 0, 1, 1);
    changerRemplissage(f(), "c", 1);
    creerPolygone(f(), "p", "A B C", 0);
    changerRemplissage(f(), "p", 5);
    creerArcCercle(f(), "a", "A", "B", "C", 0, 1, 1);
    changerRemplissage(f(), "a", 2);
    creerTexte(f(), "Texte", 0, 1, 1);
    Tobjet* cache = creerTexte(f(), "Caché", 0, 1, 2);
    cache->donneesDe<Ttexte>().affiche = false;
    struct {
        const char* nom;
        TBrushStyle apres;
    } const cas[] = {
        {"A", bsClear}, {"c", bsClear}, {"p", bsClear}, {"a", bsClear},
        {"texte7", bsHorizontal},   // left as it was
        {"texte8", bsClear},        // not shown
    };
    for (const auto& c : cas) {
        k().Brush.Style = bsHorizontal;
        dessinerObjet(f(), k(), indiceObjet(f(), c.nom));
        EXPECT_EQ(k().Brush.Style, c.apres) << c.nom;
    }
    // An undefined object does not pass the tests: the brush stays.
    objet("c").indefini = true;
    k().Brush.Style = bsHorizontal;
    dessinerObjet(f(), k(), indiceObjet(f(), "c"));
    EXPECT_EQ(k().Brush.Style, bsHorizontal);
}

TEST_F(Peinture, cerclesArcsEtPolygonesSelonLeMotif)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 2, 0, 0, 0);
    creerPointNomme(f(), "C", 0, 0, 2, 0, 0);
    creerCercle(f(), "c", "A", "B", 0xFF0000, 1, 2);
    creerArcCercle(f(), "a", "A", "B", "C", 0x0000FF, 1, 1);
    creerPolygone(f(), "p", "A B C", 0);
    // The circle's box about (160, 145), 58 pixels each way; the arc from B to C.
    const std::vector<int> boite = {102, 87, 218, 203};
    const std::vector<int> arc = {102, 87, 218, 203, 218, 145, 160, 87};
    struct {
        const char* nom;
        int motif;
        GenreAppel genre;
        std::size_t nombre;
        std::vector<int> arguments;
        TBrushStyle brosse;
    } const cas[] = {
        {"c", 0, GenreAppel::Ellipse, 1, boite, {}},
        {"c", 3, GenreAppel::Ellipse, 1, boite, bsFDiagonal},
        {"a", 0, GenreAppel::Arc, 1, arc, {}},
        {"a", 8, GenreAppel::Chord, 1, arc, bsSolid},
        {"a", 2, GenreAppel::Pie, 1, arc, bsBDiagonal},
        {"p", 0, GenreAppel::LineTo, 3, {160, 145}, {}},
        {"p", 4, GenreAppel::Polygon, 1, {160, 145, 218, 145, 160, 87}, bsCross},
        {"p", 9, GenreAppel::Polygon, 1, {160, 145, 218, 145, 160, 87}, bsHorizontal},
    };
    for (const auto& c : cas) {
        changerRemplissage(f(), c.nom, c.motif);
        k().effacer();
        k().Brush.Style = bsHorizontal;
        dessinerObjet(f(), k(), indiceObjet(f(), c.nom));
        const std::vector<Appel> appels = k().appels(c.genre);
        ASSERT_EQ(appels.size(), c.nombre) << c.nom << " " << c.motif;
        const Appel& a = appels.back();
        EXPECT_EQ(a.arguments, c.arguments) << c.nom << " " << c.motif;
        // An outline fills nothing, whatever the brush.
        if (c.motif != 0) {
            EXPECT_EQ(a.brush.Style, c.brosse) << c.nom << " " << c.motif;
            EXPECT_EQ(a.pen.Style, psClear);
            EXPECT_EQ(a.brush.Color, objet(c.nom).couleur);
        }
    }
    // A dotted circle and its pen width.
    changerRemplissage(f(), "c", 0);
    changerTrait(f(), "c", 3);
    k().effacer();
    dessinerObjet(f(), k(), indiceObjet(f(), "c"));
    EXPECT_EQ(k().appels(GenreAppel::Ellipse).at(0).pen.Style, psDot);
    EXPECT_EQ(k().appels(GenreAppel::Ellipse).at(0).pen.Width, 2);
}

TEST_F(Peinture, polygoneOuvertSansSonDernierCote)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 2, 0, 0, 0);
    creerPointNomme(f(), "C", 0, 0, 2, 0, 0);
    creerPolygone(f(), "ferme", "A B C", 0);
    creerPolygoneBorde(f(), "ouvert", "A B C", 0x0000FF);
    k().effacer();
    dessinerObjet(f(), k(), indiceObjet(f(), "ferme"));
    EXPECT_EQ(traits(k()), (std::vector<Trait>{{160, 145, 218, 145, 0},
                                               {218, 145, 160, 87, 0},
                                               {160, 87, 160, 145, 0}}));
    k().effacer();
    dessinerObjet(f(), k(), indiceObjet(f(), "ouvert"));
    EXPECT_EQ(traits(k()), (std::vector<Trait>{{160, 145, 218, 145, 0x0000FF},
                                               {218, 145, 160, 87, 0x0000FF}}));
}

TEST_F(Peinture, grilleEtAxesParDefaut)
{
    f().axesVisibles = true;
    zone.peindre();
    int grise = 0, rouge = 0;
    for (const Trait& t : traits(k())) {
        grise += t.couleur == 0xE0E0E0;
        rouge += t.couleur == 0x0000FF;
    }
    // x = -5..5 and y = -4..4, then the two axes.
    EXPECT_EQ(grise, 11 + 9);
    EXPECT_EQ(rouge, 2);
    const std::vector<Appel> t = k().appels(GenreAppel::TextOut);
    struct {
        std::string texte;
        int x, y;
    } const attendus[] = {
        {"0", 150, 145},  // left of the origin
        {"x", 308, 145},  // at the right end of the x axis
        {"y", 150, 2},    // at the top of the y axis
        {"3", 243, 145},  // under x = 3
        {"3", 150, 50},   // beside y = 3, half a line up
    };
    ASSERT_EQ(t.size(), std::size(attendus));
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].texte, attendus[i].texte);
        EXPECT_EQ(t[i].arguments, (std::vector<int>{attendus[i].x, attendus[i].y})) << i;
        EXPECT_EQ(t[i].font.Color, 0x0000FF);
    }
}

TEST_F(Peinture, grilleSelonSesReglages)
{
    struct {
        double pasX, pasY;
        bool grille, axesCaches;
        std::string origine;
        int grises, rouges, textes;
    } const cas[] = {
        {1, 1, true, true, "0", 20, 0, 0},        // the grid stays when the axes hide
        {1, 1, false, false, "0", 0, 2, 5},       // the axes without the grid
        {1e-4, 1, true, true, "0", 9, 0, 0},      // 54 480 steps to the edge: no vertical lines
        {2, 0, true, true, "0", 5, 0, 0},         // no step, no horizontal lines
        {0.5, -1, true, true, "0", 21, 0, 0},
    };
    for (const auto& c : cas) {
        reinitialiserFigure(f());
        f().axesVisibles = true;
        f().pasX = c.pasX;
        f().pasY = c.pasY;
        f().grilleCarree = c.grille;
        f().axesCaches = c.axesCaches;
        zone.peindre();
        int grises = 0, rouges = 0;
        for (const Trait& t : traits(k())) {
            grises += t.couleur == 0xE0E0E0;
            rouges += t.couleur == 0x0000FF;
        }
        EXPECT_EQ(grises, c.grises) << c.pasX << " " << c.pasY;
        EXPECT_EQ(rouges, c.rouges) << c.pasX << " " << c.pasY;
        EXPECT_EQ(k().nombre(GenreAppel::TextOut), static_cast<std::size_t>(c.textes));
    }
    // Another origin label stands a little further left.
    reinitialiserFigure(f());
    f().axesVisibles = true;
    f().etiquetteOrigine = "O";
    zone.peindre();
    EXPECT_EQ(k().appels(GenreAppel::TextOut).at(0).arguments, (std::vector<int>{148, 145}));
}

TEST_F(Peinture, zonesPublieesPendantLaPeintureSeulement)
{
    Tobjet* bouton = creerCadre(f(), 5, 10, 5, 10, 2);
    bouton->donneesDe<Tcadre>().codeLien = 1013;
    creerZoneLien(f(), 40, 200, 100, 2763);
    ImageEnregistree logo(40, 30);
    creerImageInterne(f(), &logo, 2, 3)->donneesDe<TimageInterne>().codeLien = 1500;
    creerImageInterne(f(), &logo, 20, 3);  // no link code, no zone
    zone.peindre();
    EXPECT_EQ(listeZonesCourante, nullptr);
    const TlisteZonesLiens& z = f().zonesLiens;
    ASSERT_EQ(z.nbZones, 3);
    EXPECT_EQ(lienSousPoint(z, 80, 90), 1013);
    EXPECT_EQ(lienSousPoint(z, 160, 126), 1013);
    EXPECT_EQ(lienSousPoint(z, 161, 126), 0);
    EXPECT_EQ(lienSousPoint(z, 40, 182), 2763);   // the zone stands above its line
    EXPECT_EQ(lienSousPoint(z, 16, 54), 1500);
    EXPECT_EQ(lienSousPoint(z, 56, 84), 1500);
    EXPECT_EQ(lienSousPoint(z, 160, 60), 0);
    // Each paint starts the list again.
    zone.peindre();
    EXPECT_EQ(z.nbZones, 3);
    // Drawn outside a paint, a block registers nothing.
    dessinerObjet(f(), k(), 1);
    EXPECT_EQ(z.nbZones, 3);
    EXPECT_EQ(listeZonesCourante, nullptr);
}

TEST_F(Peinture, fondDesLiensSelonLaCouleurDeLaSurface)
{
    f().zonesLiens.couleurLiens = 0x123456;
    f().couleurFond = 1;
    zone.peindre();
    EXPECT_EQ(f().zonesLiens.couleurLiens, 0x123456);
    f().couleurFond = 0xE0F7FF;
    zone.peindre();
    EXPECT_EQ(f().zonesLiens.couleurLiens, 0x00FF00);
}

TEST_F(Peinture, fondPeintOuNon)
{
    zone.setColor(0xE0F7FF);
    zone.peindre();
    const std::vector<Appel> r = k().appels(GenreAppel::Rectangle);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].brush.Color, 0xE0F7FF);
    f().fondPeint = false;
    zone.peindre();
    EXPECT_TRUE(k().appels().empty());
}

TEST_F(Peinture, pointsHorsFenetreEtPixelsRetenus)
{
    creerPointNomme(f(), "A", 0, 6, 0, 0, 0);
    zone.peindre();
    EXPECT_TRUE(f().dernierPointHorsFenetre);
    EXPECT_EQ(point("A").pixelX, 334);
    EXPECT_EQ(point("A").pixelY, 145);
    creerPointNomme(f(), "B", 0, -1, 4.9, 0, 0);
    zone.peindre();
    // The value the last point drawn left.
    EXPECT_FALSE(f().dernierPointHorsFenetre);
    EXPECT_EQ(point("B").pixelX, 131);
    EXPECT_EQ(point("B").pixelY, 3);
}

TEST_F(Peinture, textesEtFormules)
{
    Tobjet* t = creerTexte(f(), "Bonjour", 0x0000FF, 2, 1);
    Tobjet* formule = creerTexte(f(), "x+1", 0x008000, 2, 3);
    formule->donneesDe<Ttexte>().formule = true;
    zone.peindre();
    // 7 bytes at 12 points, 8 pixels each, from x = 16.
    EXPECT_DOUBLE_EQ(t->donneesDe<Ttexte>().xFin, 72);
    const std::vector<Appel> ecrits = k().appels(GenreAppel::TextOut);
    ASSERT_GE(ecrits.size(), 2u);
    EXPECT_EQ(ecrits[0].texte, "Bonjour");
    EXPECT_EQ(ecrits[0].arguments, (std::vector<int>{16, 18}));
    EXPECT_EQ(ecrits[0].font.Size, 12);
    EXPECT_EQ(ecrits[0].font.Color, 0x0000FF);
    // The formula in the fixed pitch, at 11 points, in its colour.
    for (std::size_t i = 1; i < ecrits.size(); ++i) {
        EXPECT_EQ(ecrits[i].font.Name, "Courier New");
        EXPECT_EQ(ecrits[i].font.Size, 11);
        EXPECT_EQ(ecrits[i].font.Color, 0x008000);
    }
    // A text that is not shown is not drawn and keeps its end.
    t->donneesDe<Ttexte>().affiche = false;
    t->donneesDe<Ttexte>().xFin = -1;
    zone.peindre();
    EXPECT_EQ(k().nombre(GenreAppel::TextOut), ecrits.size() - 1);
    EXPECT_DOUBLE_EQ(t->donneesDe<Ttexte>().xFin, -1);
}

TEST_F(Peinture, operationsPoseesParLeurNumero)
{
    struct {
        int operation;
        const char* op1;
        const char* op2;
        bool dessinee;
    } const cas[] = {
        {1, "7", "2", true},
        {2, "95+7", "", true},
        {3, "95-7", "", true},
        {4, "12", "34", true},
        {0, "95+7", "", false},
        {5, "95+7", "", false},
        {-3, "95+7", "", false},
    };
    for (const auto& c : cas) {
        reinitialiserFigure(f());
        Tobjet* o = creerAdditionPosee(f(), "", 2, 2);
        Toperation& op = o->donneesDe<Toperation>();
        op.operation = c.operation;
        op.operande1 = c.op1;
        op.operande2 = c.op2;
        op.decimales = -5;  // stored as given; drawn with none
        k().effacer();
        dessinerObjet(f(), k(), 1);
        EXPECT_EQ(!k().appels().empty(), c.dessinee) << c.operation;
    }
}

TEST_F(Peinture, imagesAuPixelPres)
{
    ImageEnregistree photo(10, 10);
    Tobjet* fichier = creerImage(f(), "absente.jpg", 1, 1);
    fichier->donneesDe<Timage>().image = std::make_unique<ImageEnregistree>(12, 8);
    fichier->visible = true;
    creerImageInterne(f(), &photo, 2.5, 1.5);
    creerImageInterne(f(), nullptr, 3, 3);  // holds no picture: nothing
    zone.peindre();
    const std::vector<Appel> d = k().appels(GenreAppel::Draw);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].arguments, (std::vector<int>{8, 18}));
    EXPECT_EQ(d[0].image, fichier->donneesDe<Timage>().image.get());
    EXPECT_EQ(d[1].arguments, (std::vector<int>{20, 27}));
    EXPECT_EQ(d[1].image, &photo);
}

TEST_F(Peinture, tableauDansLaCouleurDeLObjet)
{
    Tobjet* tableau = ajouterObjet(f(), "t", genreTableau);
    ASSERT_NE(tableau, nullptr);
    tableau->couleur = 0xFF0000;
    Ttableau& t = tableau->donneesDe<Ttableau>();
    t.nbRangees = 1;
    t.nbColonnes = 1;
    t.gauche = 2, t.droite = 5, t.haut = 1, t.bas = 2;
    t.largeurs[1] = 3, t.hauteurs[1] = 1;
    t.cases[1][1] = {2, 1, 0.5, 0.5, 0x0000FF, "7"};
    zone.peindre();
    const std::vector<std::string> ecrits = textes(k());
    ASSERT_EQ(ecrits, std::vector<std::string>{"7"});
    ASSERT_FALSE(traits(k()).empty());
    for (const Trait& t2 : traits(k())) EXPECT_EQ(t2.couleur, 0xFF0000);
}

TEST_F(Peinture, damierCasesColorieesPuisGrille)
{
    Tobjet* objet = ajouterObjet(f(), "Damier", genreDamier);
    ASSERT_NE(objet, nullptr);
    Tdamier& d = objet->donneesDe<Tdamier>();
    EXPECT_EQ(d.nbColonnes * d.nbRangees, 100);
    EXPECT_TRUE(d.casesCliquables.test(100) && !d.casesCliquables.test(101));
    // Two columns and two rows of one unit (29 pixels) from (-1, 1): cells 1 2 / 3 4.
    d.xGauche = -1, d.yHaut = 1, d.largeur = 2, d.hauteur = 2;
    d.nbColonnes = 2, d.nbRangees = 2;
    d.casesSolution.set(1);
    d.casesDonnees.set(2);
    d.casesColoriees.set(2).set(4);
    const auto remplissages = [this] {
        std::vector<std::vector<int>> r;
        for (const Appel& a : k().appels(GenreAppel::Rectangle)) {
            if (a.brush.Color == 0xFFFFFF) continue;  // the background
            std::vector<int> ligne = a.arguments;
            ligne.push_back(a.brush.Color);
            r.push_back(ligne);
        }
        return r;
    };

    zone.peindre();  // not the surface's checkerboard yet: nothing
    EXPECT_TRUE(remplissages().empty());

    f().indiceDamier = 1;
    k().effacer();
    zone.peindre();
    // Columns outside, rows inside; a given cell wins over a coloured one.
    EXPECT_EQ(remplissages(), (std::vector<std::vector<int>>{{160, 116, 189, 145, 0xFFFF00},
                                                             {160, 145, 189, 174, 0x80FFFF}}));
    const std::vector<Trait> grille = traits(k());
    ASSERT_EQ(grille.size(), 6u);
    EXPECT_EQ(grille[0], (Trait{131, 116, 131, 174, 0xC0C0C0}));
    EXPECT_EQ(grille[5], (Trait{131, 174, 189, 174, 0xC0C0C0}));

    d.solutionVisible = true;
    k().effacer();
    zone.peindre();
    EXPECT_EQ(remplissages().front(), (std::vector<int>{131, 116, 160, 145, 0x00FF00}));
}

TEST_F(Peinture, unPaveDemandeAuDelaDesObjetsOuSurUnAutreObjetNeDessineRien)
{
    creerPointNomme(f(), "A", 0, 1, 1, 0, 0);
    for (const int i : {-1, 0, 1, 2, nbObjetsMax + 1}) dessinerPave(f(), k(), i);
    EXPECT_TRUE(k().appels().empty());
}

} // namespace
