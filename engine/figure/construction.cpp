#include "engine/figure/construction.h"

#include <algorithm>
#include <array>

#include "engine/base/geometrie.h"
#include "engine/base/nombres.h"
#include "engine/figure/requetes.h"

namespace {

// Below these a length gives no direction; the perpendicular bisector and the graduation ask
// for more.
constexpr double longueurNulle = 1e-10;
constexpr double longueurMinimale = 1e-6;

// Tests are written !(d >= tolerance) so that a NaN falls on the undefined side.
bool tropCourt(double d, double tolerance)
{
    return !(d >= tolerance);
}

// What a recompute reads of the table: the parents of object `indice`, each null when its slot
// designates no earlier object, when it is undefined or when it is not of the kind asked for.
struct Tparents {
    const Tfigure& figure;
    int indice;

    const Tobjet* objet(int p) const
    {
        if (p < 1 || p >= indice) return nullptr;
        const Tobjet* o = figure.objets[p].get();
        return o->indefini ? nullptr : o;
    }

    const Tpoint* point(int p) const
    {
        const Tobjet* o = objet(p);
        return o && o->point ? &*o->point : nullptr;
    }

    const Tdroite* droite(int p) const
    {
        const Tobjet* o = objet(p);
        if (!o) return nullptr;
        switch (o->genre) {
        case genreDroite:
        case genrePerpendiculaire:
        case genreMediatrice:
        case genreParallele:
            return &o->donneesDe<Tdroite>();
        default:
            return nullptr;
        }
    }

    const Tcercle* cercle(int p) const
    {
        const Tobjet* o = objet(p);
        return o && o->genre == genreCercle ? &o->donneesDe<Tcercle>() : nullptr;
    }
};

void placer(Tobjet& o, double x, double y)
{
    o.point->x = x;
    o.point->y = y;
}

// Each returns whether the object is defined, and writes its data only then.

bool segment(const Tparents& p, Tobjet& o)
{
    const Tpoint* a = p.point(o.parents[0]);
    const Tpoint* b = p.point(o.parents[1]);
    if (!a || !b) return false;
    o.donneesDe<Tsegment>() = {a->x, a->y, b->x, b->y};
    return true;
}

// Half-lines and lines: from A towards B.
bool droiteAB(const Tparents& p, Tobjet& o)
{
    const Tpoint* a = p.point(o.parents[0]);
    const Tpoint* b = p.point(o.parents[1]);
    if (!a || !b) return false;
    const double d = distance(a->x, a->y, b->x, b->y);
    if (tropCourt(d, longueurNulle)) return false;
    o.donneesDe<Tdroite>() = {a->x, a->y, (b->x - a->x) / d, (b->y - a->y) / d};
    return true;
}

bool cercle(const Tparents& p, Tobjet& o)
{
    const Tpoint* c = p.point(o.parents[0]);
    const Tpoint* m = p.point(o.parents[1]);
    if (!c || !m) return false;
    const double r = distance(c->x, c->y, m->x, m->y);
    o.donneesDe<Tcercle>() = {c->x, c->y, r, c->x - r, c->y - r, c->x + r, c->y + r};
    return true;
}

bool pointSurDroite(const Tparents& p, Tobjet& o)
{
    const Tpoint* a = p.point(o.parents[0]);
    const Tpoint* b = p.point(o.parents[1]);
    if (!a || !b) return false;
    const double t = o.donneesDe<TpointSurDroite>().t;
    placer(o, a->x + t * (b->x - a->x), a->y + t * (b->y - a->y));
    return true;
}

bool perpendiculaire(const Tparents& p, Tobjet& o)
{
    const Tpoint* a = p.point(o.parents[0]);
    const Tdroite* l = p.droite(o.parents[1]);
    if (!a || !l) return false;
    o.donneesDe<Tdroite>() = {a->x, a->y, -l->dy, l->dx};
    return true;
}

bool parallele(const Tparents& p, Tobjet& o)
{
    const Tpoint* a = p.point(o.parents[0]);
    const Tdroite* l = p.droite(o.parents[1]);
    if (!a || !l) return false;
    o.donneesDe<Tdroite>() = {a->x, a->y, l->dx, l->dy};
    return true;
}

bool pointCommunDroites(const Tparents& p, Tobjet& o)
{
    const Tdroite* l1 = p.droite(o.parents[0]);
    const Tdroite* l2 = p.droite(o.parents[1]);
    if (!l1 || !l2) return false;
    double x, y;
    bool paralleles;
    intersectionDroitesAB_CD(x, y, paralleles, l1->x, l1->y, l1->dx, l1->dy, l2->x, l2->y, l2->dx,
                             l2->dy);
    if (paralleles) return false;
    placer(o, x, y);
    return true;
}

bool pointRepere(const Tparents& p, Tobjet& o)
{
    const Tpoint* r = p.point(o.parents[0]);
    const Tpoint* a = p.point(o.parents[1]);
    const Tpoint* b = p.point(o.parents[2]);
    if (!r || !a || !b) return false;
    const auto [u, v] = o.donneesDe<TpointRepere>();
    placer(o, r->x + u * (a->x - r->x) + v * (b->x - r->x),
           r->y + u * (a->y - r->y) + v * (b->y - r->y));
    return true;
}

// The image of M by the rotation of centre C and the angle the kind holds: a rotated point, or a
// point on an arc, which the mouse turns by changing that angle.
template <class Tdonnees>
bool rotation(const Tparents& p, Tobjet& o)
{
    const Tpoint* c = p.point(o.parents[0]);
    const Tpoint* m = p.point(o.parents[1]);
    if (!c || !m) return false;
    double x, y;
    rotationPoint(x, y, c->x, c->y, m->x, m->y, o.donneesDe<Tdonnees>().angle);
    placer(o, x, y);
    return true;
}

// The point of half-line [P3 P4) at the distance P1P2 from P3.
bool reportLongueur(const Tparents& p, Tobjet& o)
{
    const Tpoint* p1 = p.point(o.parents[0]);
    const Tpoint* p2 = p.point(o.parents[1]);
    const Tpoint* p3 = p.point(o.parents[2]);
    const Tpoint* p4 = p.point(o.parents[3]);
    if (!p1 || !p2 || !p3 || !p4) return false;
    const double d34 = distance(p3->x, p3->y, p4->x, p4->y);
    if (tropCourt(d34, longueurNulle)) return false;
    const double k = distance(p1->x, p1->y, p2->x, p2->y) / d34;
    placer(o, p3->x + (p4->x - p3->x) * k, p3->y + (p4->y - p3->y) * k);
    return true;
}

// The vertices before the first undefined one are copied all the same.
bool polygone(const Tparents& p, Tobjet& o)
{
    Tpolygone& poly = o.donneesDe<Tpolygone>();
    for (int s = 1; s <= poly.nbSommets; ++s) {
        const Tpoint* v = p.point(poly.sommets[s]);
        if (!v) return false;
        poly.x[s] = v->x;
        poly.y[s] = v->y;
    }
    poly.x[poly.nbSommets + 1] = poly.x[1];
    poly.y[poly.nbSommets + 1] = poly.y[1];
    return true;
}

bool symetriqueDroite(const Tparents& p, Tobjet& o)
{
    const Tdroite* l = p.droite(o.parents[0]);
    const Tpoint* m = p.point(o.parents[1]);
    if (!l || !m) return false;
    double x, y;
    symetriquePointDroite(x, y, m->x, m->y, l->x, l->y, l->dx, l->dy);
    placer(o, x, y);
    return true;
}

bool arcCercle(const Tparents& p, Tobjet& o)
{
    const Tpoint* c = p.point(o.parents[0]);
    const Tpoint* d = p.point(o.parents[1]);
    const Tpoint* f = p.point(o.parents[2]);
    if (!c || !d || !f) return false;
    const double r = distance(c->x, c->y, d->x, d->y);
    o.donneesDe<Tarc>() = {c->x, c->y, r, c->x - r, c->x + r, c->y - r, c->y + r,
                           d->x, d->y, f->x, f->y};
    return true;
}

// Of the two common points, the one on the left of the way from the first centre to the second.
bool pointCommunCercles(const Tparents& p, Tobjet& o)
{
    const Tcercle* c1 = p.cercle(o.parents[0]);
    const Tcercle* c2 = p.cercle(o.parents[1]);
    if (!c1 || !c2) return false;
    double x, y;
    bool aucun;
    intersectionCercles(x, y, aucun, c1->x, c1->y, c1->rayon, c2->x, c2->y, c2->rayon);
    if (aucun) return false;
    placer(o, x, y);
    return true;
}

bool coteLongueur(const Tparents& p, Tobjet& o)
{
    const Tpoint* a = p.point(o.parents[0]);
    const Tpoint* b = p.point(o.parents[1]);
    if (!a || !b) return false;
    TcoteLongueur& cote = o.donneesDe<TcoteLongueur>();
    placer(o, (a->x + b->x) / 2, (a->y + b->y) / 2);
    cote.longueur = distance(a->x, a->y, b->x, b->y);
    o.point->etiquette = notationScientifiqueTexte(cote.decimales, cote.longueur);
    return true;
}

bool mediatrice(const Tparents& p, Tobjet& o)
{
    const Tpoint* a = p.point(o.parents[0]);
    const Tpoint* b = p.point(o.parents[1]);
    if (!a || !b) return false;
    const double d = distance(a->x, a->y, b->x, b->y);
    if (tropCourt(d, longueurMinimale)) return false;
    o.donneesDe<Tdroite>() = {(a->x + b->x) / 2, (a->y + b->y) / 2, -(b->y - a->y) / d,
                              (b->x - a->x) / d};
    return true;
}

// The measure is taken again by name: a figure that reuses a name measures its first bearer.
bool coteAngle(const Tparents& p, Tobjet& o)
{
    const Tpoint* sommet = p.point(o.parents[0]);
    if (!sommet || !p.point(o.parents[1]) || !p.point(o.parents[2])) return false;
    TcoteAngle& cote = o.donneesDe<TcoteAngle>();
    const auto& objets = p.figure.objets;
    placer(o, sommet->x, sommet->y);
    cote.mesure = mesureAngle(p.figure, objets[o.parents[1]]->nom, objets[o.parents[0]]->nom,
                              objets[o.parents[2]]->nom);
    o.point->etiquette = notationScientifiqueTexte(cote.decimales, cote.mesure) + "°";
    return true;
}

// The common point further along the line's direction; a line that misses by a rounding error
// touches.
bool pointCommunDroiteCercle(const Tparents& p, Tobjet& o)
{
    const Tcercle* c = p.cercle(o.parents[0]);
    const Tdroite* l = p.droite(o.parents[1]);
    if (!c || !l) return false;
    double x, y;
    bool aucun;
    intersectionDroiteCercle(1, x, y, l->x, l->y, l->dx, l->dy, c->x, c->y, c->rayon, aucun);
    if (aucun) return false;
    placer(o, x, y);
    return true;
}

// Three coincident vertices have no inscribed circle: the weights would all be 0.
bool centreCercleInscrit(const Tparents& p, Tobjet& o)
{
    const Tpoint* a = p.point(o.parents[0]);
    const Tpoint* b = p.point(o.parents[1]);
    const Tpoint* c = p.point(o.parents[2]);
    if (!a || !b || !c) return false;
    const double la = distance(b->x, b->y, c->x, c->y);
    const double lb = distance(a->x, a->y, c->x, c->y);
    const double lc = distance(a->x, a->y, b->x, b->y);
    const double somme = la + lb + lc;
    if (tropCourt(somme, longueurNulle)) return false;
    placer(o, (la * a->x + lb * b->x + lc * c->x) / somme,
           (la * a->y + lb * b->y + lc * c->y) / somme);
    return true;
}

bool imageRotationHomothetie(const Tparents& p, Tobjet& o)
{
    const Tpoint* c = p.point(o.parents[0]);
    const Tpoint* m = p.point(o.parents[1]);
    if (!c || !m) return false;
    const TimageRotationHomothetie& d = o.donneesDe<TimageRotationHomothetie>();
    double x, y;
    rotationHomothetie(x, y, c->x, c->y, m->x, m->y, d.angle, d.rapport);
    placer(o, x, y);
    return true;
}

// The image of P2 by the direct similarity of centre P1 that sends P3 onto P4.
bool imageSimilitude(const Tparents& p, Tobjet& o)
{
    const Tpoint* p1 = p.point(o.parents[0]);
    const Tpoint* p2 = p.point(o.parents[1]);
    const Tpoint* p3 = p.point(o.parents[2]);
    const Tpoint* p4 = p.point(o.parents[3]);
    if (!p1 || !p2 || !p3 || !p4) return false;
    double x, y;
    bool aucun;
    similitudePoint(x, y, aucun, p1->x, p1->y, p2->x, p2->y, p3->x, p3->y, p4->x, p4->y);
    if (aucun) return false;
    placer(o, x, y);
    return true;
}

// Graduation k of the n that fit from O to E, with the unit OU.
bool pointGradue(const Tparents& p, Tobjet& o)
{
    const Tpoint* origine = p.point(o.parents[0]);
    const Tpoint* fin = p.point(o.parents[1]);
    const Tpoint* unite = p.point(o.parents[2]);
    if (!origine || !fin || !unite) return false;
    const double dU = distance(origine->x, origine->y, unite->x, unite->y);
    const double dE = distance(origine->x, origine->y, fin->x, fin->y);
    if (tropCourt(dU, longueurMinimale) || tropCourt(dE, longueurMinimale)) return false;
    const int n = arrondi(dE / dU);
    if (n < 1) return false;
    TpointGradue& g = o.donneesDe<TpointGradue>();
    g.n = n;
    g.k = std::clamp(g.k, 0, n);
    g.xOrigine = origine->x;
    g.yOrigine = origine->y;
    g.pasX = unite->x - origine->x;
    g.pasY = unite->y - origine->y;
    placer(o, g.xOrigine + g.k * g.pasX, g.yOrigine + g.k * g.pasY);
    return true;
}

struct TcalculGenre {
    TgenreObjet genre;
    bool (*calculer)(const Tparents&, Tobjet&);
};

// The kinds that depend on other objects; every other kind keeps what it was given.
constexpr TcalculGenre calculs[] = {
    {genreSegment, segment},
    {genreDemiDroite, droiteAB},
    {genreCercle, cercle},
    {genreDroite, droiteAB},
    {genrePointSurDroite, pointSurDroite},
    {genrePerpendiculaire, perpendiculaire},
    {genreIntersectionDroites, pointCommunDroites},
    {genrePointRepere, pointRepere},
    {genreImageRotation, rotation<TimageRotation>},
    {genreReportLongueur, reportLongueur},
    {genrePolygone, polygone},
    {genreSymetriqueDroite, symetriqueDroite},
    {genreArcCercle, arcCercle},
    {genreIntersectionCercles, pointCommunCercles},
    {genreCoteLongueur, coteLongueur},
    {genreMediatrice, mediatrice},
    {genreCoteAngle, coteAngle},
    {genrePointSurArc, rotation<TpointSurArc>},
    {genreIntersectionDroiteCercle, pointCommunDroiteCercle},
    {genreCentreCercleInscrit, centreCercleInscrit},
    {genreImageRotationHomothetie, imageRotationHomothetie},
    {genreImageSimilitude, imageSimilitude},
    {genrePointGradue, pointGradue},
    {genreParallele, parallele},
};

// The same, indexed by kind.
constexpr auto calculsParGenre = [] {
    std::array<bool (*)(const Tparents&, Tobjet&), genreDamier + 1> table{};
    for (const TcalculGenre& c : calculs) table[c.genre] = c.calculer;
    return table;
}();

} // namespace

void recalculerObjet(Tfigure& figure, int i)
{
    Tobjet* o = objetARecalculer(figure, i);
    if (!o || o->genre >= calculsParGenre.size()) return;
    const auto calculer = calculsParGenre[o->genre];
    if (calculer) o->indefini = !calculer(Tparents{figure, i}, *o);
}

void recalculerDepuis(Tfigure& figure, int premier)
{
    for (int i = std::max(premier, 1); i <= figure.nbObjets; ++i) recalculerObjet(figure, i);
}
