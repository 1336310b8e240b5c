#include "engine/base/geometrie.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double pi = std::numbers::pi;
const double r2 = std::sqrt(0.5);
// What a failing function must leave in its results.
constexpr double intact = 99;

struct TPointAttendu {
    bool echec;
    double x, y;
};
constexpr TPointAttendu rien{true, intact, intact};

void verifier(const TPointAttendu& attendu, bool echec, double x, double y)
{
    EXPECT_EQ(echec, attendu.echec);
    EXPECT_NEAR(x, attendu.x, 1e-9);
    EXPECT_NEAR(y, attendu.y, 1e-9);
}

TEST(Geometrie, intersectionDroitesParDeterminant)
{
    struct {
        double a1, b1, c1, a2, b2, c2;
        TPointAttendu attendu;
    } const cas[] = {
        {1, 0, -2, 0, 1, -3, {false, 2, 3}},
        {1, 0, 0, 1, 5e-7, -1, rien},            // det 5e-7: parallel
        {1, 0, 0, 1, 2e-6, -1, {false, 0, 5e5}},   // det 2e-6: far away
        {1, 0, nan, 0, 1, -3, rien},
        {nan, 0, -2, 0, 1, -3, rien},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.b2);
        double x = intact, y = intact;
        bool paralleles = !c.attendu.echec;
        intersectionDroites(x, y, paralleles, c.a1, c.b1, c.c1, c.a2, c.b2, c.c2);
        verifier(c.attendu, paralleles, x, y);
    }

    double x = intact, y = intact;
    bool paralleles = true;
    intersectionDroitesAB_CD(x, y, paralleles, 0, 0, 1, 1, 4, 0, 0, 1);
    verifier({false, 4, 4}, paralleles, x, y);
    x = y = intact;
    intersectionDroitesAB_CD(x, y, paralleles, 0, 0, 1, 2, 5, 5, 2, 4);
    verifier(rien, paralleles, x, y);
}

// The line y = x + 1, through (0, 1) with the unit direction (r2, r2): it is slanted and misses
// the origin, so a wrong sign in a, b or c shows.
TEST(Geometrie, symetriqueEtProjeteSurDroiteOblique)
{
    struct {
        double x, y, xs, ys, xp, yp, distance;
    } const cas[] = {
        {3, 0, -1, 4, 1, 2, std::sqrt(8.0)},
        {-1, 4, 3, 0, 1, 2, std::sqrt(8.0)},
        {2, 3, 2, 3, 2, 3, 0},
        {0, 0, -1, 1, -0.5, 0.5, r2},
    };
    double a, b, c;
    equationDroite(a, b, c, 0, 1, r2, r2);
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message() << k.x << ", " << k.y);
        double xs, ys, xp, yp;
        symetriquePointDroite(xs, ys, k.x, k.y, 0, 1, r2, r2);
        EXPECT_NEAR(xs, k.xs, 1e-12);
        EXPECT_NEAR(ys, k.ys, 1e-12);
        projetePointDroite(xp, yp, k.x, k.y, 0, 1, r2, r2);
        EXPECT_NEAR(xp, k.xp, 1e-12);
        EXPECT_NEAR(yp, k.yp, 1e-12);
        symetriquePointDroiteEq(xs, ys, a, b, c, k.x, k.y);
        EXPECT_NEAR(xs, k.xs, 1e-12);
        projetePointDroiteEq(xp, yp, a, b, c, k.x, k.y);
        EXPECT_NEAR(yp, k.yp, 1e-12);
        EXPECT_NEAR(distancePointDroite(k.x, k.y, 0, 1, r2, r2), k.distance, 1e-12);
    }
}

TEST(Geometrie, intersectionDroiteCercleDesDeuxCotes)
{
    struct {
        int cote;
        double x0, y0, dx, dy, cx, cy, r;
        TPointAttendu attendu;
    } const cas[] = {
        // Side +1 is the point further along the line's direction.
        {1, 0, 0, 0.6, 0.8, 0, 0, 5, {false, 3, 4}},
        {-1, 0, 0, 0.6, 0.8, 0, 0, 5, {false, -3, -4}},
        {1, 0, 0, 1, 0, 3, 1, std::sqrt(2.0), {false, 4, 0}},
        {-1, 0, 0, 1, 0, 3, 1, std::sqrt(2.0), {false, 2, 0}},
        {1, 0, 0, -1, 0, 3, 1, std::sqrt(2.0), {false, 2, 0}},
        // 1 + 1e-7 from the centre: r² - d² is about -2e-7, taken as tangent at the foot.
        {1, 0, 1 + 1e-7, 1, 0, 0, 0, 1, {false, 0, 1 + 1e-7}},
        {-1, 0, 1 + 1e-7, 1, 0, 0, 0, 1, {false, 0, 1 + 1e-7}},
        {1, 0, 1 + 1e-6, 1, 0, 0, 0, 1, rien},
        {1, 0, 1.01, 1, 0, 0, 0, 1, rien},
        {1, 0, 0, 1, 0, 0, 0, nan, rien},
        {1, nan, 0, 1, 0, 0, 0, 1, rien},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.cote << " y0 " << c.y0 << " dx " << c.dx);
        double x = intact, y = intact;
        bool aucun = !c.attendu.echec;
        intersectionDroiteCercle(c.cote, x, y, c.x0, c.y0, c.dx, c.dy, c.cx, c.cy, c.r, aucun);
        verifier(c.attendu, aucun, x, y);
    }
}

TEST(Geometrie, intersectionCerclesEtEchangeDesCercles)
{
    struct {
        double x1, y1, ra, x2, y2, rb;
        TPointAttendu attendu;  // the point left of the way from centre 1 to centre 2
        TPointAttendu echange;  // the other one
    } const cas[] = {
        {0, 0, 5, 6, 0, 5, {false, 3, 4}, {false, 3, -4}},
        {1, 1, 1, 2, 2, 1, {false, 1, 2}, {false, 2, 1}},
        {0, 0, 1, 2, 0, 1, {false, 1, 0}, {false, 1, 0}},     // touching
        {0, 0, 1, 0, 0, 2, rien, rien},                   // same centre
        {0, 0, 1, 4e-7, 0, 1, rien, rien},                // concentric within 1e-6
        {0, 0, 1, 6e-7, 0, 1, {false, 3e-7, 1}, {false, 3e-7, -1}},
        {0, 0, 1, 5, 0, 1, rien, rien},                   // apart
        {0, 0, 5, 1, 0, 1, rien, rien},                   // one inside the other
        {0, 0, nan, 6, 0, 5, rien, rien},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.x2 << ", " << c.y2 << " r " << c.ra);
        double x = intact, y = intact;
        bool aucun = !c.attendu.echec;
        intersectionCercles(x, y, aucun, c.x1, c.y1, c.ra, c.x2, c.y2, c.rb);
        verifier(c.attendu, aucun, x, y);
        x = y = intact;
        aucun = !c.echange.echec;
        intersectionCercles(x, y, aucun, c.x2, c.y2, c.rb, c.x1, c.y1, c.ra);
        verifier(c.echange, aucun, x, y);
    }
}

TEST(Geometrie, rotationDansLeSensDirect)
{
    struct {
        double theta, k, x, y;
    } const cas[] = {
        {90, 1, 1, 2}, {-90, 1, 1, 0}, {180, 1, 0, 1}, {450, 1, 1, 2},
        {90, 2, 1, 3}, {60, 1, 1.5, 1 + std::sqrt(0.75)}, {0, -1, 0, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.theta << " k " << c.k);
        double x, y;
        rotationHomothetie(x, y, 1, 1, 2, 1, c.theta, c.k);
        EXPECT_NEAR(x, c.x, 1e-12);
        EXPECT_NEAR(y, c.y, 1e-12);
        if (c.k == 1) {
            rotationPoint(x, y, 1, 1, 2, 1, c.theta);
            EXPECT_NEAR(x, c.x, 1e-12);
            EXPECT_NEAR(y, c.y, 1e-12);
        }
    }
}

TEST(Geometrie, similitudeQuiEnvoieAsurAPrime)
{
    struct {
        double ox, oy, mx, my, ax, ay, apx, apy;
        TPointAttendu attendu;
    } const cas[] = {
        {0.5, -1, 3, 2, 3, 2, -1, 4, {false, -1, 4}},     // M = A lands on A'
        {1, 1, 1, 2, 2, 1, 1, 3, {false, -1, 1}},         // quarter turn, factor 2
        {1, 1, 3, 3, 2, 1, 3, 1, {false, 5, 5}},          // enlargement only
        {1, 1, 5, 5, 1, 1, 3, 3, rien},                 // A = O
        {0, 0, 5, 5, 1e-6, 0, 3, 3, rien},              // |A - O|² = 1e-12
        {0, 0, 1, 0, 2e-5, 0, 4e-5, 0, {false, 2, 0}},    // |A - O|² = 4e-10
        {0, 0, nan, 0, 1, 0, 2, 0, rien},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.ax << ", " << c.ay);
        double x = intact, y = intact;
        bool aucun = !c.attendu.echec;
        similitudePoint(x, y, aucun, c.ox, c.oy, c.mx, c.my, c.ax, c.ay, c.apx, c.apy);
        verifier(c.attendu, aucun, x, y);
    }
}

TEST(Geometrie, arcCosinusEtAngleDirection)
{
    struct {
        double x, attendu;
    } const cosinus[] = {
        {1, 0}, {1.0000001, 0}, {1 - 1e-11, 0}, {-2, pi}, {-1, pi}, {0, pi / 2},
        {0.5, pi / 3}, {-0.5, 2 * pi / 3}, {0.7, std::acos(0.7)}, {0.69, std::acos(0.69)},
        {0.999, std::acos(0.999)}, {-inf, pi},
    };
    for (const auto& c : cosinus) EXPECT_NEAR(arcCosinus(c.x), c.attendu, 1e-12) << c.x;
    EXPECT_TRUE(std::isnan(arcCosinus(nan)));

    struct {
        double c, s, attendu;
    } const directions[] = {
        {1, 0, 0}, {0, -1, 270}, {-1, 0, 180}, {0, 1, 90}, {r2, -r2, 315},
        {-0.5, std::sqrt(0.75), 120},
    };
    for (const auto& d : directions)
        EXPECT_NEAR(angleDirection(d.c, d.s), d.attendu, 1e-9) << d.c << ", " << d.s;
    EXPECT_NEAR(cosDegres(60), 0.5, 1e-15);
    EXPECT_NEAR(sinDegres(-30), -0.5, 1e-15);
}

TEST(Geometrie, normaliserVecteur)
{
    struct {
        double x, y;
        bool reussi;
        double xn, yn;
    } const cas[] = {
        {3, 4, true, 0.6, 0.8}, {0, -2, true, 0, -1}, {0, 0, false, 0, 0},
        {1e-11, 0, false, 0, 0}, {nan, 1, false, 0, 0}, {inf, 0, false, 0, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        double x = c.x, y = c.y;
        EXPECT_EQ(normaliserVecteur(x, y), c.reussi);
        if (c.reussi) {
            EXPECT_NEAR(x, c.xn, 1e-15);
            EXPECT_NEAR(y, c.yn, 1e-15);
        } else {
            // Left as it was, NaN included.
            EXPECT_EQ(std::memcmp(&x, &c.x, sizeof x), 0);
            EXPECT_EQ(std::memcmp(&y, &c.y, sizeof y), 0);
        }
    }
}

TEST(Geometrie, anglesDeVecteurs)
{
    struct {
        double ux, uy, vx, vy;
        bool invalide;
        double signe, oriente;
    } const cas[] = {
        {1, 0, 0, 1, false, 90, 90},
        {0, 1, 1, 0, false, -90, 270},
        {1, 0, -1, 0, false, -180, 180},
        {3, 0, -1, -1, false, -135, 225},
        {1, 1, -2, 2, false, 90, 90},
        {1, 0, 2, 0, false, 0, 0},
        {0, 0, 1, 0, true, 0, 0},
        {1, 0, 1e-11, 0, true, 0, 0},
        {nan, 0, 1, 0, true, 0, 0},
        {inf, 0, 1, 0, true, 0, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.ux << ", " << c.uy << " / " << c.vx << ", " << c.vy);
        bool invalide = !c.invalide;
        const double a = angleVecteurs(invalide, c.ux, c.uy, c.vx, c.vy);
        EXPECT_EQ(invalide, c.invalide);
        EXPECT_NEAR(a, c.signe, 1e-9);
        // Same directions must not give a "-0" that would be written with its sign.
        if (c.signe == 0) {
            EXPECT_FALSE(std::signbit(a));
        }
        invalide = !c.invalide;
        EXPECT_NEAR(angleOriente(invalide, c.ux, c.uy, c.vx, c.vy), c.oriente, 1e-9);
        EXPECT_EQ(invalide, c.invalide);
    }

    bool invalide = true;
    EXPECT_NEAR(angleSommet(invalide, 3, 1, 1, 1, 1, 4), 90, 1e-9);
    EXPECT_FALSE(invalide);
    EXPECT_NEAR(angleSommet(invalide, 1, 4, 1, 1, 3, 1), -90, 1e-9);
    EXPECT_EQ(angleSommet(invalide, 1, 1, 1, 1, 3, 1), 0);
    EXPECT_TRUE(invalide);
}

TEST(Geometrie, rangSurGraduation)
{
    struct {
        double x0, y0, dx, dy, x, y;
        int rang;
    } const cas[] = {
        // Slanted step of length √5, the point 0.7 of a normal away from graduation 3.
        {1, 1, 2, 1, 7 - 0.7, 4 + 1.4, 3},
        {1, 1, 2, 1, 1 + 2 * 2.4, 1 + 2.4, 2},
        {1, 1, 2, 1, 1 + 2 * 2.6 + 1, 1 + 2.6 - 2, 3},
        {1, 1, 2, 1, 1 - 2 * 1.2, 1 - 1.2, -1},
        // Vertical and horizontal steps; halves go to the even neighbour.
        {0, 0, 0, 0.5, 3, 1.25, 2},
        {0, 0, 0, 0.5, -1, 1.75, 4},
        {0, 0, 0, -2, 5, -6, 3},
        {2, 7, 0.5, 0, 3.3, 0, 3},
        // Nothing sensible to give, but never an undefined conversion.
        {0, 0, 0, 0, 3, 4, 0},
        {0, 0, 1, 0, nan, 0, 0},
        {0, 0, nan, 1, 3, 4, 0},
        {0, 0, 1, 0, 1e300, 0, 1000000000},
        {0, 0, 1, 0, -1e300, 0, -1000000000},
        {0, 0, 1e-9, 0, 1e300, 0, 1000000000},
    };
    for (const auto& c : cas)
        EXPECT_EQ(rangSurGraduation(c.x0, c.y0, c.dx, c.dy, c.x, c.y), c.rang)
            << c.dx << ", " << c.dy << " at " << c.x << ", " << c.y;
    const int loin = rangSurGraduation(0, 0, 1, 1, inf, 0);
    EXPECT_LE(std::abs(loin), 1000000000);
}

} // namespace
