#include "engine/figure/deplacement.h"

#include <algorithm>
#include <cmath>

#include "engine/base/geometrie.h"
#include "engine/base/nombres.h"
#include "engine/figure/construction.h"

namespace {

constexpr double centreOutilMax = 5;
constexpr double rayonMin = 0.5;
constexpr double bordGlissantNul = 0.1;
constexpr double distanceAimant = 0.2;
constexpr double longueurNulle = 1e-10;

// From the minimum by whole steps, halves to even; a negative step counts as its size, a step of
// 0 follows the mouse.
double surLesPas(double v, double minimum, double pas)
{
    const double taille = std::abs(pas);
    return taille > 0 ? minimum + std::nearbyint((v - minimum) / taille) * taille : v;
}

// Never beyond the bounds.
double surLesPasBorne(double v, double minimum, double maximum, double pas)
{
    if (v <= minimum) return minimum;
    v = surLesPas(v, minimum, pas);
    return v > maximum ? maximum : v;
}

// Into (-180, 180].
double ramener(double a)
{
    while (a > 180) a -= 360;
    while (a <= -180) a += 360;
    return a;
}

// Moves the point held; false when nothing moved and nothing needs recomputing.
bool deplacerPoint(Tfigure& f, Tobjet& o)
{
    Tpoint& p = *o.point;
    switch (o.genre) {
    case genrePointLibre:
        p.x = std::clamp(f.xSouris, f.xMin, f.xMax);
        p.y = std::clamp(f.ySouris, f.yMin, f.yMax);
        return true;
    case genrePointCurseur: {
        const TpointCurseur& c = o.donneesDe<TpointCurseur>();
        p.x = surLesPasBorne(f.xSouris, c.xMin, c.xMax, c.pas);
        return true;
    }
    case genrePointMobileBorne: {
        const TpointMobileBorne& b = o.donneesDe<TpointMobileBorne>();
        p.x = surLesPasBorne(f.xSouris, b.xMin, b.xMax, b.pasX);
        p.y = surLesPasBorne(f.ySouris, b.yMin, b.yMax, b.pasY);
        return true;
    }
    case genrePointSurArc: {
        TpointSurArc& arc = o.donneesDe<TpointSurArc>();
        const Tobjet* centre = objetDIndice(f, o.parents[0]);
        const Tobjet* depart = objetDIndice(f, o.parents[1]);
        if (!centre || !centre->point || !depart || !depart->point) return false;
        bool invalide;
        double a = angleSommet(invalide, depart->point->x, depart->point->y, centre->point->x,
                               centre->point->y, f.xSouris, f.ySouris);
        if (invalide) return false;
        if (a < arc.angleMin) a = arc.angleMin;
        else if (a > arc.angleMax) a = arc.angleMax;
        else a = surLesPas(a, arc.angleMin, arc.pas);
        if (presqueEgal(a, arc.angle)) return false;
        arc.angle = a;
        return true;
    }
    case genrePointGradue: {
        TpointGradue& g = o.donneesDe<TpointGradue>();
        g.k = rangSurGraduation(g.xOrigine, g.yOrigine, g.pasX, g.pasY, f.xSouris, f.ySouris);
        return true;
    }
    default:
        return true;
    }
}

void deplacerOutilSaisi(Tfigure& f, int t)
{
    Toutil& o = f.outils[static_cast<std::size_t>(t)];
    if (o.partieSaisie == partieCorps)
        for (int k = 1; k <= std::min(f.nbPointsAimantes, nbPointsAimantesMax); ++k) {
            const Tobjet* aimant = objetDIndice(f, f.pointsAimantes[static_cast<std::size_t>(k)]);
            if (!aimant || !aimant->point) continue;
            const double cx = f.xSouris - o.decalageSaisieX, cy = f.ySouris - o.decalageSaisieY;
            if (distance(cx, cy, aimant->point->x, aimant->point->y) < distanceAimant) {
                f.xSouris = aimant->point->x + o.decalageSaisieX;
                f.ySouris = aimant->point->y + o.decalageSaisieY;
                break;
            }
        }
    deplacerOutil(o, f.xSouris, f.ySouris);
    if (f.rayonsLies)
        for (int k = 1; k <= nbOutilsMax; ++k)
            f.outils[static_cast<std::size_t>(k)].rayon = o.rayon;
}

} // namespace

void deplacerSaisie(Tfigure& figure)
{
    const int saisi = figure.objetSaisi;
    if (saisi < 0 && -saisi <= nbOutilsMax) {
        deplacerOutilSaisi(figure, -saisi);
        repeindreFigure(figure);
        return;
    }
    Tobjet* o = objetARecalculer(figure, saisi);
    if (!o || !o->point || !deplacerPoint(figure, *o)) return;
    recalculerDepuis(figure, saisi);
    repeindreFigure(figure);
}

void deplacerOutil(Toutil& o, double x, double y)
{
    switch (o.partieSaisie) {
    case partieCorps:
        o.x = std::clamp(x - o.decalageSaisieX, -centreOutilMax, centreOutilMax);
        o.y = std::clamp(y - o.decalageSaisieY, -centreOutilMax, centreOutilMax);
        break;
    case partieBord:
    case partieBordArriere:
    case partieBras:
    case partieBrasArriere: {
        double c = x - o.x, s = y - o.y;
        if (!(norme(c, s) >= longueurNulle) || !normaliserVecteur(c, s)) break;
        const bool derriere =
            o.partieSaisie == partieBordArriere || o.partieSaisie == partieBrasArriere;
        const double a = angleDirection(c, s) - (derriere ? 180 : 0);
        if (o.partieSaisie == partieBord || o.partieSaisie == partieBordArriere)
            o.angle = ramener(a);
        else
            o.angleBras = ramener(a - o.angle);
        break;
    }
    case partieRayon:
        o.rayon = std::max(distance(o.x, o.y, x, y), rayonMin);
        break;
    case partieBordGlissant: {
        const double l = (x - o.x) * cosDegres(o.angle) + (y - o.y) * sinDegres(o.angle);
        o.longueurA = std::abs(l) < bordGlissantNul ? 0 : l;
        break;
    }
    default:
        break;
    }
}

void placerOutil(Tfigure& figure, int i, const std::string& nomA, const std::string& nomB)
{
    const Tobjet* a = objetNomme(figure, nomA);
    const Tobjet* b = objetNomme(figure, nomB);
    if (i < 1 || i > nbOutilsMax || !a || !a->point || !b || !b->point) return;
    const double dx = b->point->x - a->point->x, dy = b->point->y - a->point->y;
    if (!(norme(dx, dy) >= longueurNulle)) return;
    bool invalide;
    const double angle = angleVecteurs(invalide, 1, 0, dx, dy);
    if (invalide) return;
    Toutil& o = figure.outils[static_cast<std::size_t>(i)];
    o.x = a->point->x;
    o.y = a->point->y;
    o.angle = angle;
}
