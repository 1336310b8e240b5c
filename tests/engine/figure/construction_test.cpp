#include "engine/figure/construction.h"

#include <cmath>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "engine/figure/creation.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/objets_par_nom.h"
#include "surface_de_test.h"

namespace {

class Construction : public SurfaceDeTest {
protected:
    void pointEn(const std::string& nom, double x, double y)
    {
        creerPointNomme(f(), nom, 0, x, y, 0, 0);
    }
    void attendrePoint(const std::string& nom, double x, double y)
    {
        ASSERT_FALSE(estIndefini(f(), nom)) << nom;
        EXPECT_NEAR(abscisse(f(), nom), x, 1e-9) << nom;
        EXPECT_NEAR(ordonnee(f(), nom), y, 1e-9) << nom;
    }
};

TEST_F(Construction, BSurAPuisRetourAuPointDeDepart)
{
    pointEn("A", 0, 0);
    pointEn("B", 2, 0);
    pointEn("C", 1, 3);
    creerDroite(f(), "A", "B", 0, 1, 1);
    creerDemiDroite(f(), "A", "B", 0, 1, 1);
    creerSegmentTrait(f(), "A", "B", 0);
    creerPerpendiculaire(f(), "pe", "C", "(AB)", 0, 1, 1);
    creerIntersectionDroites(f(), "H", "(AB)", "pe", 0, 0, 0);
    creerMilieu(f(), "M", "H", "C", 0, 0, 0);
    const char* dependants[] = {"(AB)", "[AB)", "pe", "H", "M"};
    attendrePoint("H", 1, 0);

    placerPoint(f(), "B", 0, 0);
    for (const char* nom : dependants) EXPECT_TRUE(estIndefini(f(), nom)) << nom;
    EXPECT_FALSE(estIndefini(f(), "[AB]"));
    // An undefined point keeps its last position.
    EXPECT_EQ(abscisse(f(), "H"), 1);

    placerPoint(f(), "B", 0, 2);
    for (const char* nom : dependants) EXPECT_FALSE(estIndefini(f(), nom)) << nom;
    attendrePoint("H", 0, 3);
    attendrePoint("M", 0.5, 3);
}

TEST_F(Construction, toleranceDeLaDroiteEtDeLaMediatrice)
{
    struct {
        double d;
        bool droiteIndefinie, mediatriceIndefinie;
    } const cas[] = {
        {0, true, true},
        {0.5e-10, true, true},
        {2e-10, false, true},
        {5e-7, false, true},
        {2e-6, false, false},
        {1, false, false},
    };
    pointEn("A", 1, 1);
    pointEn("B", 2, 1);
    creerDroite(f(), "A", "B", 0, 1, 1);
    creerDemiDroite(f(), "A", "B", 0, 1, 1);
    creerMediatrice(f(), "med", "A", "B", 0, 1, 1);
    for (const auto& c : cas) {
        placerPoint(f(), "B", 1, 1 + c.d);
        EXPECT_EQ(estIndefini(f(), "(AB)"), c.droiteIndefinie) << c.d;
        EXPECT_EQ(estIndefini(f(), "[AB)"), c.droiteIndefinie) << c.d;
        EXPECT_EQ(estIndefini(f(), "med"), c.mediatriceIndefinie) << c.d;
    }
    const Tdroite& med = objetNomme(f(), "med")->donneesDe<Tdroite>();
    EXPECT_DOUBLE_EQ(med.y, 1.5);
    EXPECT_DOUBLE_EQ(med.dx, -1);
    EXPECT_DOUBLE_EQ(med.dy, 0);
}

TEST_F(Construction, droitesParalleles)
{
    pointEn("A", 0, 0);
    pointEn("B", 1, 0);
    pointEn("C", 0, 1);
    pointEn("D", 1, 2);
    creerDroite(f(), "A", "B", 0, 1, 1);
    creerDroite(f(), "C", "D", 0, 1, 1);
    creerIntersectionDroites(f(), "I", "(AB)", "(CD)", 0, 0, 0);
    creerMilieu(f(), "M", "I", "C", 0, 0, 0);
    attendrePoint("I", -1, 0);
    placerPoint(f(), "D", 1, 1);
    EXPECT_TRUE(estIndefini(f(), "I"));
    EXPECT_TRUE(estIndefini(f(), "M"));
    EXPECT_EQ(abscisse(f(), "I"), -1);
    EXPECT_EQ(abscisse(f(), "M"), -0.5);
    // Nearly parallel: a cross product of 5e-7 is parallel, of 2e-6 meets far away.
    placerPoint(f(), "D", 1, 1 + 5e-7);
    EXPECT_TRUE(estIndefini(f(), "I"));
    placerPoint(f(), "D", 1, 1 + 2e-6);
    ASSERT_FALSE(estIndefini(f(), "I"));
    EXPECT_NEAR(abscisse(f(), "I"), -5e5, 1);
}

TEST_F(Construction, intersectionDeDeuxCercles)
{
    pointEn("O1", 0, 0);
    pointEn("O2", 2, 0);
    pointEn("M1", 2, 0);
    pointEn("M2", 0, 0);
    creerCercle(f(), "c1", "O1", "M1", 0, 1, 1);
    creerCercle(f(), "c2", "O2", "M2", 0, 1, 1);
    creerIntersectionCercles(f(), "P", "c1", "c2", 0, 0, 0);
    creerIntersectionCercles(f(), "Q", "c2", "c1", 0, 0, 0);
    attendrePoint("P", 1, std::sqrt(3.0));
    attendrePoint("Q", 1, -std::sqrt(3.0));
    // The first circle keeps centre (0, 0) and radius 2.
    struct {
        double xO2, xM2;
        bool indefini;
        double x;
    } const cas[] = {
        {4, 2, false, 2},      // tangent outside
        {4.1, 2.1, true, 0},   // apart
        {4e-7, 2, true, 0},    // concentric within the tolerance
        {6e-7, 1, true, 0},    // not concentric, but the small circle is inside
        {1, 2, false, 2},      // tangent inside
    };
    for (const auto& c : cas) {
        placerPoint(f(), "O2", c.xO2, 0);
        placerPoint(f(), "M2", c.xM2, 0);
        ASSERT_EQ(estIndefini(f(), "P"), c.indefini) << c.xO2;
        if (!c.indefini) attendrePoint("P", c.x, 0);
    }
}

TEST_F(Construction, intersectionDroiteCercle)
{
    pointEn("O", 0, 0);
    pointEn("M", 1, 0);
    pointEn("A", -3, 0);
    pointEn("B", 5, 0);
    creerCercle(f(), "c", "O", "M", 0, 1, 1);
    creerDroite(f(), "A", "B", 0, 1, 1);
    creerIntersectionDroiteCercle(f(), "P", "(AB)", "c", 0, 0, 0);
    // Further along the line's direction.
    attendrePoint("P", 1, 0);
    placerPoint(f(), "B", -5, 0);
    attendrePoint("P", -1, 0);
    struct {
        double y;
        bool indefini;
        double x;
    } const cas[] = {
        {1 + 1e-7, false, 0},  // misses by a rounding error: touches at the foot
        {1 + 1e-6, true, 0},   // r² - d² about -2e-6
        {0.6, false, -0.8},
    };
    for (const auto& c : cas) {
        placerPoint(f(), "A", 3, c.y);
        placerPoint(f(), "B", -5, c.y);
        ASSERT_EQ(estIndefini(f(), "P"), c.indefini) << c.y;
        if (!c.indefini) {
            EXPECT_NEAR(abscisse(f(), "P"), c.x, 1e-9);
        }
    }
}

TEST_F(Construction, pointGradue)
{
    pointEn("O", 1, 1);
    pointEn("E", 4.6, 1);
    pointEn("U", 2, 1);
    struct {
        int k;
        double x;
    } const cas[] = {{2, 3}, {7, 5}, {-1, 1}, {4, 5}, {0, 1}};
    for (const auto& c : cas) {
        Tobjet* g = creerPointGradue(f(), "G" + std::to_string(c.k), "O", "E", "U", c.k, 0, 0, 0);
        EXPECT_EQ(g->donneesDe<TpointGradue>().n, 4);
        EXPECT_FALSE(g->indefini);
        EXPECT_DOUBLE_EQ(g->point->x, c.x) << c.k;
    }
    const TpointGradue& g = objetNomme(f(), "G7")->donneesDe<TpointGradue>();
    EXPECT_EQ(g.k, 4);
    EXPECT_EQ(g.xOrigine, 1);
    EXPECT_EQ(g.pasX, 1);
    struct {
        double xE, xU;
        bool indefini;
        int n;
    } const bornes[] = {
        {3.5, 2, false, 2},     // 2.5 graduations: halves to even
        {1.4, 2, true, 2},      // n = 0
        {4.6, 1 + 5e-7, true, 2},
        {1 + 5e-7, 2, true, 2},
        {11, 2, false, 10},
    };
    for (const auto& c : bornes) {
        placerPoint(f(), "E", c.xE, 1);
        placerPoint(f(), "U", c.xU, 1);
        const Tobjet& o = *objetNomme(f(), "G2");
        EXPECT_EQ(o.indefini, c.indefini) << c.xE << " " << c.xU;
        if (!c.indefini) {
            EXPECT_EQ(o.donneesDe<TpointGradue>().n, c.n) << c.xE;
        }
    }
}

TEST_F(Construction, polygoneAvecUnSommetIndefini)
{
    pointEn("A", 0, 0);
    pointEn("B", 1, 0);
    pointEn("C", 0, 1);
    pointEn("D", 1, 1);
    creerDroite(f(), "A", "B", 0, 1, 1);
    creerDroite(f(), "C", "D", 0, 1, 1);
    pointEn("E", 5, 5);
    creerIntersectionDroites(f(), "I", "(AB)", "(CD)", 0, 0, 0);  // parallel: undefined
    creerPolygone(f(), "P", "A E I B", 0);
    const Tobjet& p = *objetNomme(f(), "P");
    EXPECT_TRUE(p.indefini);
    placerPoint(f(), "A", 0.5, 0);
    const Tpolygone& poly = p.donneesDe<Tpolygone>();
    EXPECT_TRUE(p.indefini);
    // Copies up to the undefined vertex are up to date; the fourth was never reached.
    EXPECT_EQ(poly.x[1], 0.5);
    EXPECT_EQ(poly.x[2], 5);
    EXPECT_EQ(poly.x[4], 0);
    placerPoint(f(), "D", 2, 2);
    EXPECT_FALSE(p.indefini);
    EXPECT_EQ(poly.x[4], 1);
    EXPECT_EQ(poly.x[5], 0.5);
}

TEST_F(Construction, chaqueGenreCalculeSonPoint)
{
    pointEn("O", 1, 1);
    pointEn("A", 3, 1);
    pointEn("B", 1, 4);
    pointEn("C", 4, 5);
    pointEn("Z", 0, 0);
    pointEn("K", 4, 0);
    pointEn("L", 0, 3);
    creerDroite(f(), "O", "A", 0, 1, 1);
    struct {
        const char* nom;
        std::function<void(Tfigure&, const char*)> creer;
        double x, y;
    } const cas[] = {
        {"t0", [](Tfigure& g, const char* n) { creerPointSurDroite(g, n, "O", "A", 0, 0, 0, 0); }, 1, 1},
        {"t1", [](Tfigure& g, const char* n) { creerPointSurDroite(g, n, "O", "A", 1, 0, 0, 0); }, 3, 1},
        {"t3", [](Tfigure& g, const char* n) { creerPointSurDroite(g, n, "O", "A", 3, 0, 0, 0); }, 7, 1},
        {"OO", [](Tfigure& g, const char* n) { creerMilieu(g, n, "O", "O", 0, 0, 0); }, 1, 1},
        {"sym", [](Tfigure& g, const char* n) { creerSymetriqueCentral(g, n, "O", "C", 0, 0, 0); }, -2, -3},
        {"rep", [](Tfigure& g, const char* n) { creerPointRepere(g, n, "O", "A", "B", 0.5, 2, 0, 0, 0); }, 2, 7},
        {"4e", [](Tfigure& g, const char* n) { creerQuatriemeSommet(g, n, "O", "A", "B", 0, 0, 0); }, 3, 4},
        {"rot", [](Tfigure& g, const char* n) { creerImageRotation(g, n, "O", "A", 90, 0, 0, 0); }, 1, 3},
        {"rh", [](Tfigure& g, const char* n) { creerImageRotationHomothetie(g, n, "O", "A", -90, 1.5, 0, 0, 0); }, 1, -2},
        // Centre O, sending A onto B (a quarter turn and 3/2), applied to C.
        {"sim", [](Tfigure& g, const char* n) { creerImageSimilitude(g, n, "O", "C", "A", "B", 0, 0, 0); }, -5, 5.5},
        // CD = ZK = 4, carried onto [OB).
        {"rep4", [](Tfigure& g, const char* n) { reporterLongueur(g, n, "O", "B", "Z", "K", 0, 0, 0); }, 1, 5},
        {"mir", [](Tfigure& g, const char* n) { creerSymetriqueDroite(g, n, "(OA)", "C", 0, 0, 0); }, 4, -3},
        // The 3-4-5 triangle's inscribed circle has radius 1.
        {"ins", [](Tfigure& g, const char* n) { creerCentreCercleInscrit(g, n, "Z", "K", "L", 0, 0, 0); }, 1, 1},
        {"arc", [](Tfigure& g, const char* n) { creerPointSurArc(g, n, "O", "A", -90, 90, 15, 90, 0, 0, 0); }, 1, 3},
    };
    for (const auto& c : cas) {
        c.creer(f(), c.nom);
        attendrePoint(c.nom, c.x, c.y);
    }
}

TEST_F(Construction, lignesEtCercles)
{
    pointEn("O", 1, 1);
    pointEn("A", 4, 5);
    pointEn("P", 0, 2);
    creerDroite(f(), "O", "A", 0, 1, 1);
    creerPerpendiculaire(f(), "pe", "P", "(OA)", 0, 1, 1);
    creerParallele(f(), "pa", "P", "(OA)", 0, 1, 1);
    creerCercle(f(), "c", "O", "A", 0, 1, 1);
    creerArcCercle(f(), "arc", "O", "A", "P", 0, 1, 1);
    creerCercle(f(), "nul", "O", "O", 0, 1, 1);
    const Tdroite& d = objetNomme(f(), "(OA)")->donneesDe<Tdroite>();
    EXPECT_EQ(d.x, 1);
    EXPECT_DOUBLE_EQ(d.dx, 0.6);
    EXPECT_DOUBLE_EQ(d.dy, 0.8);
    const Tdroite& pe = objetNomme(f(), "pe")->donneesDe<Tdroite>();
    EXPECT_EQ(pe.y, 2);
    EXPECT_DOUBLE_EQ(pe.dx, -0.8);
    EXPECT_DOUBLE_EQ(pe.dy, 0.6);
    const Tdroite& pa = objetNomme(f(), "pa")->donneesDe<Tdroite>();
    EXPECT_DOUBLE_EQ(pa.dx, 0.6);
    const Tcercle& c = objetNomme(f(), "c")->donneesDe<Tcercle>();
    EXPECT_EQ(c.rayon, 5);
    EXPECT_EQ(c.gauche, -4);
    EXPECT_EQ(c.bas, -4);
    EXPECT_EQ(c.droite, 6);
    EXPECT_EQ(c.haut, 6);
    const Tarc& a = objetNomme(f(), "arc")->donneesDe<Tarc>();
    EXPECT_EQ(a.rayon, 5);
    EXPECT_EQ(a.droite, 6);
    EXPECT_EQ(a.bas, -4);
    EXPECT_EQ(a.xP, 4);
    EXPECT_EQ(a.yQ, 2);
    // A circle whose point is its centre stays defined.
    EXPECT_FALSE(estIndefini(f(), "nul"));
    EXPECT_EQ(rayonCercle(f(), "nul"), 0);
}

TEST_F(Construction, degenerescencesDesPointsConstruits)
{
    pointEn("A", 0, 0);
    pointEn("A2", 0, 0);
    pointEn("C", 2, 0);
    pointEn("D", 2, 5);
    reporterLongueur(f(), "R", "A", "A2", "C", "D", 0, 0, 0);
    creerImageSimilitude(f(), "S", "A", "C", "A2", "D", 0, 0, 0);
    creerCentreCercleInscrit(f(), "I", "A", "A2", "A", 0, 0, 0);
    creerCentreCercleInscrit(f(), "J", "A", "A2", "C", 0, 0, 0);
    EXPECT_TRUE(estIndefini(f(), "R"));
    EXPECT_TRUE(estIndefini(f(), "S"));
    EXPECT_TRUE(estIndefini(f(), "I"));
    EXPECT_FALSE(std::isnan(abscisse(f(), "I")));
    attendrePoint("J", 0, 0);
    placerPoint(f(), "A2", 1, 0);
    attendrePoint("R", 5, 0);
    attendrePoint("S", 4, 10);
}

TEST_F(Construction, unParentQueNulObjetNePorteRendIndefini)
{
    pointEn("A", 0, 0);
    pointEn("B", 1, 0);
    creerCercle(f(), "c", "A", "B", 0, 1, 1);
    struct {
        const char* nom;
        std::function<void(Tfigure&)> creer;
    } const cas[] = {
        {"[AX]", [](Tfigure& g) { creerSegmentTrait(g, "A", "X", 0); }},
        {"(XB)", [](Tfigure& g) { creerDroite(g, "X", "B", 0, 1, 1); }},
        {"cX", [](Tfigure& g) { creerCercle(g, "cX", "X", "A", 0, 1, 1); }},
        {"M", [](Tfigure& g) { creerMilieu(g, "M", "A", "X", 0, 0, 0); }},
        {"I", [](Tfigure& g) { creerIntersectionDroites(g, "I", "d1", "d2", 0, 0, 0); }},
        {"P", [](Tfigure& g) { creerPolygone(g, "P", "A B Y", 0); }},
        {"Q", [](Tfigure& g) { creerPolygone(g, "Q", "A  B", 0); }},
        {"G", [](Tfigure& g) { creerPointGradue(g, "G", "A", "B", "X", 1, 0, 0, 0); }},
        // Parents of the wrong kind: a point where a line is needed, a line where a circle is.
        {"J", [](Tfigure& g) { creerIntersectionDroites(g, "J", "A", "B", 0, 0, 0); }},
        {"K", [](Tfigure& g) { creerIntersectionCercles(g, "K", "c", "A", 0, 0, 0); }},
        {"[Ac]", [](Tfigure& g) { creerSegmentTrait(g, "A", "c", 0); }},
    };
    for (const auto& c : cas) {
        c.creer(f());
        EXPECT_TRUE(estIndefini(f(), c.nom)) << c.nom;
    }
    // Later recomputes keep them undefined.
    placerPoint(f(), "A", 0.5, 0);
    for (const auto& c : cas) EXPECT_TRUE(estIndefini(f(), c.nom)) << c.nom;
}

TEST_F(Construction, etiquettesDesMesures)
{
    pointEn("A", 0, 0);
    pointEn("B", 2.5, 0);
    pointEn("C", 0, 3);
    struct {
        const char* nom;
        std::function<void(Tfigure&, const char*)> creer;
        const char* etiquette;
        double x, y;
    } const cas[] = {
        {"l1", [](Tfigure& g, const char* n) { creerCoteLongueur(g, n, "A", "B", 1, 0, 0, 0); }, "2,5", 1.25, 0},
        {"l0", [](Tfigure& g, const char* n) { creerCoteLongueur(g, n, "A", "C", 0, 0, 0, 0); }, "3", 0, 1.5},
        {"a0", [](Tfigure& g, const char* n) { creerCoteAngle(g, n, "A", "B", "C", 0, 0, 0, 0); }, "90°", 0, 0},
        {"a1", [](Tfigure& g, const char* n) { creerCoteAngle(g, n, "B", "A", "C", 1, 0, 0, 0); }, "50,2°", 2.5, 0},
    };
    for (const auto& c : cas) {
        c.creer(f(), c.nom);
        EXPECT_EQ(point(c.nom).etiquette, c.etiquette) << c.nom;
        attendrePoint(c.nom, c.x, c.y);
        EXPECT_EQ(objetNomme(f(), c.nom)->epaisseur, 0);
    }
    EXPECT_DOUBLE_EQ(objetNomme(f(), "l1")->donneesDe<TcoteLongueur>().longueur, 2.5);
    EXPECT_DOUBLE_EQ(objetNomme(f(), "a0")->donneesDe<TcoteAngle>().mesure, 90);
}

TEST_F(Construction, lesGenresNonCalculesGardentCeQuOnLeurADonne)
{
    creerPointMobileBorne(f(), "P", 0, 7, 1, 0, 5, 1, 0, 5, 1, 0, 0);
    Tobjet& p = *objetNommeAModifier(f(), "P");
    p.indefini = true;
    recalculerObjet(f(), 1);
    EXPECT_TRUE(p.indefini);
    EXPECT_EQ(p.point->x, 7);
    recalculerObjet(f(), 0);
    recalculerObjet(f(), 2);
    recalculerDepuis(f(), -3);
    EXPECT_EQ(p.point->x, 7);
}

} // namespace
