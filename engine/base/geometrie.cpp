#include "engine/base/geometrie.h"

#include <cmath>
#include <numbers>

#include "platform/types.h"

namespace {

// Parallel lines, tangency and concentric circles.
constexpr double toleranceContact = 1e-6;
// Zero vectors and the similarity's A = O.
constexpr double toleranceNulle = 1e-10;

// Every tolerance test below is written so that a NaN falls on the failing side, and a result
// that is not finite counts as no result: a construction fed a NaN or overflowing far away
// becomes undefined instead of being drawn at a meaningless place.
bool sontFinis(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y);
}

} // namespace

double distance(double x1, double y1, double x2, double y2)
{
    return norme(x1 - x2, y1 - y2);
}

double norme(double dx, double dy)
{
    return std::sqrt(dx * dx + dy * dy);
}

void equationDroite(double& a, double& b, double& c, double x0, double y0, double dx, double dy)
{
    a = dy;
    b = -dx;
    c = dx * y0 - dy * x0;
}

void intersectionDroites(double& x, double& y, bool& paralleles, double a1, double b1, double c1,
                         double a2, double b2, double c2)
{
    const double det = a1 * b2 - a2 * b1;
    paralleles = true;
    if (!(std::abs(det) >= toleranceContact)) return;
    const double xi = (b1 * c2 - b2 * c1) / det;
    const double yi = (a2 * c1 - a1 * c2) / det;
    if (!sontFinis(xi, yi)) return;
    x = xi;
    y = yi;
    paralleles = false;
}

void intersectionDroitesAB_CD(double& x, double& y, bool& paralleles, double xa, double ya,
                              double dxa, double dya, double xc, double yc, double dxc, double dyc)
{
    double a1, b1, c1, a2, b2, c2;
    equationDroite(a1, b1, c1, xa, ya, dxa, dya);
    equationDroite(a2, b2, c2, xc, yc, dxc, dyc);
    intersectionDroites(x, y, paralleles, a1, b1, c1, a2, b2, c2);
}

double distancePointDroite(double px, double py, double x0, double y0, double dx, double dy)
{
    double a, b, c;
    equationDroite(a, b, c, x0, y0, dx, dy);
    return std::abs(a * px + b * py + c);
}

void symetriquePointDroiteEq(double& xs, double& ys, double a, double b, double c, double x,
                             double y)
{
    const double d = a * x + b * y + c;
    xs = x - 2 * a * d;
    ys = y - 2 * b * d;
}

void projetePointDroiteEq(double& xp, double& yp, double a, double b, double c, double x, double y)
{
    const double d = a * x + b * y + c;
    xp = x - a * d;
    yp = y - b * d;
}

void symetriquePointDroite(double& xs, double& ys, double x, double y, double x0, double y0,
                           double dx, double dy)
{
    double a, b, c;
    equationDroite(a, b, c, x0, y0, dx, dy);
    symetriquePointDroiteEq(xs, ys, a, b, c, x, y);
}

void projetePointDroite(double& xp, double& yp, double x, double y, double x0, double y0,
                        double dx, double dy)
{
    double a, b, c;
    equationDroite(a, b, c, x0, y0, dx, dy);
    projetePointDroiteEq(xp, yp, a, b, c, x, y);
}

void intersectionDroiteCercleEq(int cote, double& x, double& y, double a, double b, double c,
                                double cx, double cy, double r, bool& aucun)
{
    aucun = true;
    const double d = a * cx + b * cy + c;
    double h = r * r - d * d;
    if (!(h >= 0)) {
        // A line that misses by a rounding error still touches the circle.
        if (!(h > -toleranceContact)) return;
        h = 0;
    }
    const double t = cote * std::sqrt(h);
    // The foot of the perpendicular from the centre, moved by t along the direction (-b, a).
    const double xi = cx - a * d - b * t;
    const double yi = cy - b * d + a * t;
    if (!sontFinis(xi, yi)) return;
    x = xi;
    y = yi;
    aucun = false;
}

void intersectionDroiteCercle(int cote, double& x, double& y, double x0, double y0, double dx,
                              double dy, double cx, double cy, double r, bool& aucun)
{
    double a, b, c;
    equationDroite(a, b, c, x0, y0, dx, dy);
    intersectionDroiteCercleEq(cote, x, y, a, b, c, cx, cy, r, aucun);
}

void intersectionCercles(double& x, double& y, bool& aucun, double x1, double y1, double r1,
                         double x2, double y2, double r2)
{
    // The radical axis, whose direction (-B, A) points to the left of the way from centre 1 to
    // centre 2: side +1 gives the point on that left.
    const double A = 2 * (x2 - x1);
    const double B = 2 * (y2 - y1);
    const double C = x1 * x1 + y1 * y1 - r1 * r1 - x2 * x2 - y2 * y2 + r2 * r2;
    const double n = std::sqrt(A * A + B * B);
    if (!(n >= toleranceContact)) {
        aucun = true;
        return;
    }
    intersectionDroiteCercleEq(1, x, y, A / n, B / n, C / n, x1, y1, r1, aucun);
}

void rotationPoint(double& xr, double& yr, double cx, double cy, double x, double y, double theta)
{
    rotationHomothetie(xr, yr, cx, cy, x, y, theta, 1);
}

void rotationHomothetie(double& xr, double& yr, double cx, double cy, double x, double y,
                        double theta, double k)
{
    const double dx = x - cx;
    const double dy = y - cy;
    const double co = cosDegres(theta);
    const double si = sinDegres(theta);
    xr = cx + k * (dx * co - dy * si);
    yr = cy + k * (dy * co + dx * si);
}

void similitudePoint(double& xr, double& yr, bool& aucun, double ox, double oy, double mx,
                     double my, double ax, double ay, double apx, double apy)
{
    aucun = true;
    // z = (A' - O) / (A - O) as complex numbers: multiply by the conjugate of A - O.
    const double qx = ax - ox;
    const double qy = ay - oy;
    const double q2 = qx * qx + qy * qy;
    if (!(q2 >= toleranceNulle)) return;
    const double px = apx - ox;
    const double py = apy - oy;
    const double zx = (px * qx + py * qy) / q2;
    const double zy = (py * qx - px * qy) / q2;
    const double dx = mx - ox;
    const double dy = my - oy;
    const double xi = ox + zx * dx - zy * dy;
    const double yi = oy + zx * dy + zy * dx;
    if (!sontFinis(xi, yi)) return;
    xr = xi;
    yr = yi;
    aucun = false;
}

double arcCosinus(double x)
{
    // The negative side first, so that a NaN, which is neither negative nor positive, cannot
    // recurse: it falls through to the last formula and gives NaN.
    if (x < 0) return std::numbers::pi - arcCosinus(-x);
    if (1 - x < toleranceNulle) return 0;
    // Near 1 the first form keeps its precision, near 0 the second.
    if (x >= 0.7) return std::atan(std::sqrt(1 / (x * x) - 1));
    return std::numbers::pi / 2 - std::atan(x / std::sqrt(1 - x * x));
}

double angleDirection(double c, double s)
{
    const double a = arcCosinus(c) * 180 / std::numbers::pi;
    return s < 0 ? 360 - a : a;
}

double cosDegres(double theta)
{
    return std::cos(std::numbers::pi * theta / 180);
}

double sinDegres(double theta)
{
    return std::sin(std::numbers::pi * theta / 180);
}

bool normaliserVecteur(double& x, double& y)
{
    const double n = norme(x, y);
    if (!(n >= toleranceNulle) || !std::isfinite(n)) return false;
    x /= n;
    y /= n;
    return true;
}

double angleVecteurs(bool& invalide, double ux, double uy, double vx, double vy)
{
    invalide = true;
    const double nu = norme(ux, uy);
    const double nv = norme(vx, vy);
    if (!(nu >= toleranceNulle) || !(nv >= toleranceNulle)) return 0;
    const double cosinus = (ux * vx + uy * vy) / (nu * nv);
    if (std::isnan(cosinus)) return 0;
    invalide = false;
    const double a = arcCosinus(cosinus) * 180 / std::numbers::pi;
    // 0 - a rather than -a: two vectors of the same direction give +0, never a "-0" on screen.
    return ux * vy - uy * vx > 0 ? a : 0 - a;
}

double angleSommet(bool& invalide, double ax, double ay, double ox, double oy, double bx,
                   double by)
{
    return angleVecteurs(invalide, ax - ox, ay - oy, bx - ox, by - oy);
}

double angleOriente(bool& invalide, double ux, double uy, double vx, double vy)
{
    const double a = angleVecteurs(invalide, ux, uy, vx, vy);
    return a < 0 ? a + 360 : a;
}

int rangSurGraduation(double x0, double y0, double dx, double dy, double x, double y)
{
    // The step of a graduation is the length of one unit, rarely 1: the projection needs the
    // unit direction, the division the step itself. A null step has no graduation but 0.
    double ux = dx;
    double uy = dy;
    if (!normaliserVecteur(ux, uy)) return 0;
    double xp, yp;
    projetePointDroite(xp, yp, x, y, x0, y0, ux, uy);
    const double rang = std::abs(dx) <= std::abs(dy) ? (yp - y0) / dy : (xp - x0) / dx;
    // arrondi rounds halves to even, gives 0 for a NaN and clamps what int cannot hold.
    return arrondi(rang);
}
