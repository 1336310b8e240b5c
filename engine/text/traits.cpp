#include <cmath>
#include <numbers>

#include "engine/text/primitives.h"

namespace {

constexpr double longueurPointePleine = 10;
constexpr double longueurPointeOuverte = 20;
constexpr double demiAnglePointe = std::numbers::pi / 12;
// Below this, a segment has no direction to put a head on.
constexpr double longueurNulle = 1e-10;
constexpr double longueurBarbeArc = 14;
constexpr double rayonArcNul = 1e-6;

TPenStyle styleDeTrait(int trait)
{
    switch (trait) {
    case 2: return psDash;
    case 3: return psDot;
    default: return psSolid;
    }
}

void preparerPlume(Canevas& canevas, TColor couleur, int largeur, TPenStyle style)
{
    canevas.Pen.Color = couleur;
    canevas.Pen.Width = largeur;
    canevas.Pen.Style = style;
}

// An arrow head's pen is solid; its brush takes the colour, filled or clear.
void preparerPointe(Canevas& canevas, TColor couleur, int largeur, TBrushStyle fond)
{
    preparerPlume(canevas, couleur, largeur, psSolid);
    canevas.Brush.Color = couleur;
    canevas.Brush.Style = fond;
}

void ligne(Canevas& canevas, double x1, double y1, double x2, double y2)
{
    canevas.MoveTo(arrondi(x1), arrondi(y1));
    canevas.LineTo(arrondi(x2), arrondi(y2));
}

// The two corners of a head whose tip is (x2, y2), on the side of (x1, y1), `longueur` long.
// False when the segment is too short to have a direction.
bool coinsPointe(double x1, double y1, double x2, double y2, double longueur, TPoint& p,
                 TPoint& q)
{
    const double d = std::hypot(x1 - x2, y1 - y2) / longueur;
    if (!(d >= longueurNulle)) return false;
    const double ux = (x1 - x2) / d, uy = (y1 - y2) / d;
    const double c = std::cos(demiAnglePointe), s = std::sin(demiAnglePointe);
    p = {arrondi(x2 + ux * c - uy * s), arrondi(y2 + uy * c + ux * s)};
    q = {arrondi(x2 + ux * c + uy * s), arrondi(y2 + uy * c - ux * s)};
    return true;
}

// Two barbs from (x, y) away from the centre (cx, cy), turned by a1 and a2 degrees. False when
// the point is the centre, where the arc has no direction.
bool barbesArc(Canevas& canevas, double x, double y, double cx, double cy, double a1, double a2)
{
    double dx = x - cx, dy = y - cy;
    const double r = std::hypot(dx, dy);
    if (!(r >= rayonArcNul)) return false;
    dx *= longueurBarbeArc / r;
    dy *= longueurBarbeArc / r;
    for (const double degres : {a1, a2}) {
        const double a = degres * std::numbers::pi / 180;
        ligne(canevas, x, y, x + dx * std::cos(a) - dy * std::sin(a),
              y + dx * std::sin(a) + dy * std::cos(a));
    }
    return true;
}

}  // namespace

void tracerSegment(Canevas& canevas, TColor couleur, int trait, double x1, double y1, double x2,
                   double y2, int largeur)
{
    switch (trait) {
    case 4: doubleFleche(canevas, couleur, x1, y1, x2, y2); return;
    case 5: pointeFlechePleine(canevas, couleur, largeur, x1, y1, x2, y2); return;
    case 6: pointeFlecheOuverte(canevas, couleur, largeur, x1, y1, x2, y2); return;
    default: break;
    }
    preparerPlume(canevas, couleur, largeur, styleDeTrait(trait));
    ligne(canevas, x1, y1, x2, y2);
}

void pointeFlechePleine(Canevas& canevas, TColor couleur, int largeur, double x1, double y1,
                        double x2, double y2)
{
    preparerPointe(canevas, couleur, largeur, bsSolid);
    ligne(canevas, x1, y1, x2, y2);
    TPoint p, q;
    if (coinsPointe(x1, y1, x2, y2, longueurPointePleine, p, q)) {
        canevas.Pen.Style = psClear;
        const TPoint pointe[] = {{arrondi(x2), arrondi(y2)}, p, q};
        canevas.Polygon(pointe);
    }
    canevas.Brush.Style = bsClear;
}

void pointeFlecheOuverte(Canevas& canevas, TColor couleur, int largeur, double x1, double y1,
                         double x2, double y2)
{
    preparerPointe(canevas, couleur, largeur, bsClear);
    TPoint p, q;
    if (!coinsPointe(x1, y1, x2, y2, longueurPointeOuverte, p, q)) return;
    const TPoint pointe = {arrondi(x2), arrondi(y2)};
    // Shaft and both barbs in one outline.
    const TPoint contour[] = {pointe, p, pointe, q, pointe, {arrondi(x1), arrondi(y1)}};
    canevas.Polygon(contour);
}

void doubleFleche(Canevas& canevas, TColor couleur, double x1, double y1, double x2, double y2)
{
    pointeFlechePleine(canevas, couleur, 1, x1, y1, x2, y2);
    pointeFlechePleine(canevas, couleur, 1, x2, y2, x1, y1);
}

void tracerTrait(Canevas& canevas, TColor couleur, double x1, double y1, double x2, double y2)
{
    tracerSegment(canevas, couleur, 0, x1, y1, x2, y2, 1);
}

void tracerTraitNoir(Canevas& canevas, double x1, double y1, double x2, double y2)
{
    tracerTrait(canevas, 0x000000, x1, y1, x2, y2);
}

void tracerTraitTexte(Canevas& canevas, double x1, double y1, double x2, double y2)
{
    tracerTrait(canevas, canevas.Font.Color, x1, y1, x2, y2);
}

void tracerAccolade(Canevas& canevas, TColor couleur, double x, double y, double hauteur)
{
    // Sixteenths of the height, the two halves meeting in a point at mid-height.
    struct Tsommet {
        double dx, dy;
    };
    static constexpr Tsommet sommets[] = {{1, 0}, {0, 2},  {0, 4},  {1, 6},  {1, 7}, {0, 8},
                                          {1, 9}, {1, 10}, {0, 12}, {0, 14}, {1, 16}};
    const double u = hauteur / 16;
    TPoint points[std::size(sommets)];
    for (std::size_t i = 0; i < std::size(sommets); ++i)
        points[i] = {arrondi(x + sommets[i].dx * u), arrondi(y + sommets[i].dy * u)};
    preparerPlume(canevas, couleur, 1, psSolid);
    canevas.Polyline(points);
}

void tracerArc(Canevas& canevas, TColor couleur, int trait, double x1, double y1, double x2,
               double y2, double x3, double y3, double x4, double y4, int largeur)
{
    preparerPlume(canevas, couleur, largeur, styleDeTrait(trait));
    canevas.Arc(arrondi(x1), arrondi(y1), arrondi(x2), arrondi(y2), arrondi(x3), arrondi(y3),
                arrondi(x4), arrondi(y4));
    const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    if (trait == 4 || trait == 5)
        if (!barbesArc(canevas, x4, y4, cx, cy, 120, 60)) return;
    if (trait == 4 || trait == 7) barbesArc(canevas, x3, y3, cx, cy, -120, -60);
}
