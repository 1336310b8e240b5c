#include <cmath>

#include "engine/figure/peinture.h"
#include "engine/text/primitives.h"

namespace {

// The two points where the line through (x0, y0) of direction (dx, dy) leaves the window: on its
// left and right edges when the line is nearer the horizontal, else on its bottom and top edges.
// The other coordinate is left unclipped: the canvas clips what falls outside the control.
struct TtraverseeFenetre {
    double x1, y1, x2, y2;
};

TtraverseeFenetre traverserFenetre(const Tfigure& f, double x0, double y0, double dx, double dy)
{
    if (std::abs(dx) > std::abs(dy))
        return {f.xMin, y0 + (f.xMin - x0) * dy / dx, f.xMax, y0 + (f.xMax - x0) * dy / dx};
    return {x0 + (f.yMin - y0) * dx / dy, f.yMin, x0 + (f.yMax - y0) * dx / dy, f.yMax};
}

// A direction of no length gives no line (and would divide by zero).
bool directionNulle(double dx, double dy)
{
    return !(std::abs(dx) > 0 || std::abs(dy) > 0);
}

} // namespace

void tracerLigneMonde(const Tfigure& figure, Canevas& canevas, TColor couleur, int trait,
                      double x1, double y1, double x2, double y2, int epaisseur)
{
    tracerSegment(canevas, couleur, trait, versPixelX(figure, x1), versPixelY(figure, y1),
                  versPixelX(figure, x2), versPixelY(figure, y2), epaisseur);
}

void tracerDroiteFenetre(const Tfigure& figure, Canevas& canevas, TColor couleur, int trait,
                         double x0, double y0, double dx, double dy, int epaisseur)
{
    if (directionNulle(dx, dy)) return;
    const TtraverseeFenetre t = traverserFenetre(figure, x0, y0, dx, dy);
    tracerLigneMonde(figure, canevas, couleur, trait, t.x1, t.y1, t.x2, t.y2, epaisseur);
}

// The window end behind the origin is replaced by the origin; a half-line that starts beyond
// the edge it points to draws nothing.
void tracerDemiDroiteFenetre(const Tfigure& figure, Canevas& canevas, TColor couleur, int trait,
                             double x0, double y0, double dx, double dy, int epaisseur)
{
    if (directionNulle(dx, dy)) return;
    TtraverseeFenetre t = traverserFenetre(figure, x0, y0, dx, dy);
    const bool horizontale = std::abs(dx) > std::abs(dy);
    // The coordinate compared and the window's edges along it.
    const double c0 = horizontale ? x0 : y0;
    const double bordMin = horizontale ? figure.xMin : figure.yMin;
    const double bordMax = horizontale ? figure.xMax : figure.yMax;
    const bool versPlus = (horizontale ? dx : dy) > 0;
    if (versPlus) {
        if (c0 >= bordMax) return;
        if (c0 > bordMin) {
            t.x1 = x0;
            t.y1 = y0;
        }
    } else {
        if (c0 <= bordMin) return;
        if (c0 < bordMax) {
            t.x2 = x0;
            t.y2 = y0;
        }
    }
    tracerLigneMonde(figure, canevas, couleur, trait, t.x1, t.y1, t.x2, t.y2, epaisseur);
}
