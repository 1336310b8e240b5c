#include "engine/figure/requetes.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/objets_par_nom.h"
#include "surface_de_test.h"

namespace {

struct TpointNomme {
    const char* nom;
    double x, y;
};

class Requetes : public SurfaceDeTest {
protected:
    // Points A, B, C, D at the given places, on a fresh figure.
    void figure(std::initializer_list<TpointNomme> points)
    {
        reinitialiserFigure(f());
        for (const TpointNomme& p : points) creerPointNomme(f(), p.nom, 0, p.x, p.y, 0, 0);
    }
};

TEST_F(Requetes, unNomAbsentSeLitCommeLOrigine)
{
    figure({{"A", 3, 4}});
    EXPECT_TRUE(pointsConfondus(f(), "X", "Y"));
    EXPECT_EQ(longueur(f(), "X", "Y"), 0);
    EXPECT_EQ(longueur(f(), "A", "X"), 5);
    EXPECT_EQ(distanceALaDroite(f(), "A", "X", "Y"), 0);
}

TEST_F(Requetes, predicatsDeDeuxOuTroisPoints)
{
    struct {
        TpointNomme a, b, c;
        bool confondus, proches, alignes, triangle;
    } const cas[] = {
        {{"A", 0, 0}, {"B", 0.149, 0.149}, {"C", 1, 0}, false, true, false, true},
        {{"A", 0, 0}, {"B", 0.2, 0}, {"C", 1, 0}, false, false, true, false},
        {{"A", 0, 0}, {"B", 0.1, 0.3}, {"C", 0, 1}, false, false, false, true},
        {{"A", 1, 1}, {"B", 1 + 5e-10, 1 - 5e-10}, {"C", 0, 5}, true, true, true, false},
        {{"A", 1, 1}, {"B", 1 + 2e-9, 1}, {"C", 0, 5}, false, true, true, false},
        // The cross product is not divided by the lengths: 0.009 is aligned, 0.02 is not.
        {{"A", 0, 0}, {"B", 10, 0}, {"C", 10, 0.0009}, false, false, true, false},
        {{"A", 0, 0}, {"B", 10, 0}, {"C", 10, 0.002}, false, false, false, true},
        {{"A", 0, 0}, {"B", 0, 0}, {"C", 3, 1}, true, true, true, false},
    };
    for (const auto& c : cas) {
        figure({c.a, c.b, c.c});
        EXPECT_EQ(pointsConfondus(f(), "A", "B"), c.confondus) << c.b.x;
        EXPECT_EQ(pointsProches(f(), "A", "B"), c.proches) << c.b.x;
        EXPECT_EQ(sontAlignes(f(), "A", "B", "C"), c.alignes) << c.c.y;
        EXPECT_EQ(estTriangle(f(), "A", "B", "C"), c.triangle) << c.c.y;
    }
}

TEST_F(Requetes, predicatsDeQuatrePoints)
{
    struct {
        TpointNomme a, b, c, d;
        bool perpendiculaires, memeSens, memeLongueur, paires;
    } const cas[] = {
        {{"A", 0, 0}, {"B", 2, 0}, {"C", 0, 0}, {"D", 0, 3}, true, false, false, false},
        {{"A", 0, 0}, {"B", 2, 0}, {"C", 5, 5}, {"D", 5, 5 + 1e6}, true, false, false, false},
        {{"A", 0, 0}, {"B", 1, 0}, {"C", 0, 0}, {"D", 5e-7, 1}, true, true, true, false},
        {{"A", 0, 0}, {"B", 1, 0}, {"C", 0, 0}, {"D", 2e-6, 1}, false, true, true, false},
        {{"A", 0, 0}, {"B", 3, 4}, {"C", 1, 1}, {"D", 6, 1}, false, true, true, false},
        {{"A", 0, 0}, {"B", 3, 4}, {"C", 3, 4}, {"D", 0, 0}, false, false, true, true},
        {{"A", 0, 0}, {"B", 3, 4}, {"C", 0, 0}, {"D", 3, 4}, false, true, true, true},
        {{"A", 0, 0}, {"B", 3, 4}, {"C", 0, 0}, {"D", 3, 4.1}, false, true, false, false},
        {{"A", 0, 0}, {"B", 1, 0}, {"C", 0, 0}, {"D", 0, 1 + 1e-8}, true, false, false, false},
        {{"A", 0, 0}, {"B", 1, 0}, {"C", 0, 0}, {"D", 0, 1 + 5e-10}, true, false, true, false},
    };
    for (const auto& c : cas) {
        figure({c.a, c.b, c.c, c.d});
        EXPECT_EQ(sontPerpendiculaires(f(), "A", "B", "C", "D"), c.perpendiculaires) << c.d.x;
        EXPECT_EQ(vecteursMemeSens(f(), "A", "B", "C", "D"), c.memeSens) << c.d.x;
        EXPECT_EQ(memeLongueur(f(), "A", "B", "C", "D"), c.memeLongueur) << c.d.x;
        EXPECT_EQ(pairesConfondues(f(), "A", "B", "C", "D"), c.paires) << c.d.x;
    }
}

TEST_F(Requetes, triangleRectangleEnA)
{
    struct {
        TpointNomme a, b, c;
        bool rectangle;
    } const cas[] = {
        {{"A", 0, 0}, {"B", 4, 0}, {"C", 0, 3}, true},
        {{"A", 4, 0}, {"B", 0, 0}, {"C", 0, 3}, false},  // right angle at B
        {{"A", 0, 3}, {"B", 4, 0}, {"C", 0, 0}, false},  // at C
        {{"A", 0, 0}, {"B", 0, 0}, {"C", 0, 3}, false},
    };
    for (const auto& c : cas) {
        figure({c.a, c.b, c.c});
        EXPECT_EQ(estTriangleRectangle(f(), "A", "B", "C"), c.rectangle) << c.a.x << c.a.y;
    }
}

TEST_F(Requetes, mesuresDAngles)
{
    struct {
        TpointNomme a, s, b;
        double angle, oriente;
    } const cas[] = {
        {{"A", 1, 0}, {"S", 0, 0}, {"B", 0, 1}, 90, 90},
        {{"A", 0, 1}, {"S", 0, 0}, {"B", 1, 0}, 90, -90},
        {{"A", -1, 0}, {"S", 0, 0}, {"B", 3, 0}, 180, -180},
        {{"A", 2, 0}, {"S", 0, 0}, {"B", 5, 0}, 0, 0},
        {{"A", 1, 0}, {"S", 0, 0}, {"B", 1, 1}, 45, 45},
        // S on A or on B: no side to measure, 0.
        {{"A", 2, 2}, {"S", 2, 2}, {"B", 5, 0}, 0, 0},
        {{"A", 1, 2}, {"S", 2, 2}, {"B", 2, 2}, 0, 0},
        {{"A", 1e300, 0}, {"S", -1e300, 0}, {"B", 0, 1e300}, 0, 0},
    };
    for (const auto& c : cas) {
        figure({c.a, c.s, c.b});
        const double angle = mesureAngle(f(), "A", "S", "B");
        const double oriente = mesureAngleOriente(f(), "A", "S", "B");
        ASSERT_FALSE(std::isnan(angle) || std::isnan(oriente)) << c.a.x;
        EXPECT_NEAR(angle, c.angle, 1e-9) << c.a.x << " " << c.b.x;
        EXPECT_NEAR(oriente, c.oriente, 1e-9) << c.a.x << " " << c.b.x;
    }
}

TEST_F(Requetes, distances)
{
    figure({{"P", 1, 5}, {"A", 0, 1}, {"B", 4, 4}});
    EXPECT_DOUBLE_EQ(distanceALaDroite(f(), "P", "A", "B"), 2.6);
    EXPECT_DOUBLE_EQ(longueur(f(), "A", "B"), 5);
    EXPECT_DOUBLE_EQ(distanceObjets(*objetNomme(f(), "A"), *objetNomme(f(), "B")), 5);
    f().xSouris = 4;
    f().ySouris = 9;
    EXPECT_DOUBLE_EQ(distanceSouris(f(), *objetNomme(f(), "P")), 5);
    figure({{"P", 1, 5}, {"A", 2, 2}, {"B", 2, 2 + 5e-11}});
    EXPECT_EQ(distanceALaDroite(f(), "P", "A", "B"), 0);
}

TEST_F(Requetes, polygonesConfondus)
{
    figure({{"A", 0, 0}, {"B", 2, 0}, {"C", 2, 1}, {"D", 0, 1}, {"E", 5, 5}});
    struct {
        const char* sommets;
        bool confondu;
    } const cas[] = {
        {"A B C D", true},
        {"C D A B", true},   // another start
        {"A D C B", true},   // backward
        {"B A D C", true},   // backward from another start
        {"A B D C", false},
        {"A B C", false},    // fewer vertices
        {"A B C E", false},
        {"E A B C", false},
    };
    creerPolygone(f(), "P", "A B C D", 0);
    for (const auto& c : cas) {
        creerPolygone(f(), c.sommets, c.sommets, 0);
        EXPECT_EQ(polygonesConfondus(f(), "P", c.sommets), c.confondu) << c.sommets;
    }
    EXPECT_FALSE(polygonesConfondus(f(), "P", "X"));
    EXPECT_FALSE(polygonesConfondus(f(), "A", "A"));
    creerPolygone(f(), "un", "E", 0);
    creerPolygone(f(), "deux", "E", 0);
    EXPECT_TRUE(polygonesConfondus(f(), "un", "deux"));
}

TEST_F(Requetes, sommeDesAnglesDUnQuadrilatereCroise)
{
    struct {
        std::initializer_list<TpointNomme> points;
        bool nulle;
    } const cas[] = {
        {{{"A", 0, 0}, {"B", 1, 1}, {"C", 1, 0}, {"D", 0, 1}}, true},
        {{{"A", 0, 0}, {"B", 1, 0}, {"C", 1, 1}, {"D", 0, 1}}, false},
        {{{"A", 0, 0}, {"B", 0, 1}, {"C", 1, 1}, {"D", 1, 0}}, false},
        {{{"A", 0, 0}, {"B", 3, 2}, {"C", 3, 0}, {"D", 0, 2}}, true},
    };
    for (const auto& c : cas) {
        figure(c.points);
        EXPECT_EQ(sommeAnglesNulle(f(), "A", "B", "C", "D"), c.nulle);
    }
}

TEST(Sommets, voisinsCycliques)
{
    struct {
        int i, n, suivant, precedent;
    } const cas[] = {{1, 4, 2, 4}, {4, 4, 1, 3}, {2, 4, 3, 1}, {1, 1, 1, 1}};
    for (const auto& c : cas) {
        EXPECT_EQ(sommetSuivant(c.i, c.n), c.suivant);
        EXPECT_EQ(sommetPrecedent(c.i, c.n), c.precedent);
    }
}

} // namespace
