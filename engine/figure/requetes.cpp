#include "engine/figure/requetes.h"

#include <cmath>

#include "engine/base/geometrie.h"
#include "engine/base/nombres.h"

namespace {

struct Tcoordonnees {
    double x, y;
};

Tcoordonnees coordonnees(const Tobjet& o)
{
    return o.point ? Tcoordonnees{o.point->x, o.point->y} : Tcoordonnees{0, 0};
}

// One look-up for both coordinates; a missing name, like any object that is not a point, reads
// as (0, 0), as abscisse and ordonnee read it.
Tcoordonnees lire(const Tfigure& figure, const std::string& nom)
{
    const Tobjet* o = objetNomme(figure, nom);
    return o ? coordonnees(*o) : Tcoordonnees{0, 0};
}

bool confondus(Tcoordonnees a, Tcoordonnees b)
{
    return presqueEgal(a.x, b.x) && presqueEgal(a.y, b.y);
}

bool alignes(Tcoordonnees a, Tcoordonnees b, Tcoordonnees c)
{
    return std::abs((c.x - a.x) * (b.y - a.y) - (b.x - a.x) * (c.y - a.y)) < 0.01;
}

double produitScalaire(Tcoordonnees a, Tcoordonnees b, Tcoordonnees c, Tcoordonnees d)
{
    return (b.x - a.x) * (d.x - c.x) + (b.y - a.y) * (d.y - c.y);
}

bool perpendiculaires(Tcoordonnees a, Tcoordonnees b, Tcoordonnees c, Tcoordonnees d)
{
    return std::abs(produitScalaire(a, b, c, d)) < 1e-6;
}

bool triangle(Tcoordonnees a, Tcoordonnees b, Tcoordonnees c)
{
    return !confondus(a, b) && !alignes(a, b, c);
}

// The angle at S from SA to SB: negative unless the raw cross product is positive, 0 when a side
// has no length (no direction, and nothing a check takes for a real angle).
double angleOriente(Tcoordonnees a, Tcoordonnees s, Tcoordonnees b)
{
    bool sansCote;
    return angleSommet(sansCote, a.x, a.y, s.x, s.y, b.x, b.y);
}

} // namespace

double longueur(const Tfigure& figure, const std::string& a, const std::string& b)
{
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    return distance(pa.x, pa.y, pb.x, pb.y);
}

double mesureAngle(const Tfigure& figure, const std::string& a, const std::string& s,
                   const std::string& b)
{
    return std::abs(mesureAngleOriente(figure, a, s, b));
}

double mesureAngleOriente(const Tfigure& figure, const std::string& a, const std::string& s,
                          const std::string& b)
{
    return angleOriente(lire(figure, a), lire(figure, s), lire(figure, b));
}

double distanceALaDroite(const Tfigure& figure, const std::string& p, const std::string& a,
                         const std::string& b)
{
    const Tcoordonnees pp = lire(figure, p);
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    double dx = pb.x - pa.x, dy = pb.y - pa.y;
    if (!normaliserVecteur(dx, dy)) return 0;
    return distancePointDroite(pp.x, pp.y, pa.x, pa.y, dx, dy);
}

double distanceObjets(const Tobjet& a, const Tobjet& b)
{
    const Tcoordonnees pa = coordonnees(a);
    const Tcoordonnees pb = coordonnees(b);
    return distance(pa.x, pa.y, pb.x, pb.y);
}

double distanceSouris(const Tfigure& figure, const Tobjet& objet)
{
    const Tcoordonnees p = coordonnees(objet);
    return distance(p.x, p.y, figure.xSouris, figure.ySouris);
}

bool pointsConfondus(const Tfigure& figure, const std::string& a, const std::string& b)
{
    return confondus(lire(figure, a), lire(figure, b));
}

bool pointsProches(const Tfigure& figure, const std::string& a, const std::string& b)
{
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    return std::abs(pa.x - pb.x) < 0.15 && std::abs(pa.y - pb.y) < 0.15;
}

bool sontAlignes(const Tfigure& figure, const std::string& a, const std::string& b,
                 const std::string& c)
{
    return alignes(lire(figure, a), lire(figure, b), lire(figure, c));
}

bool sontPerpendiculaires(const Tfigure& figure, const std::string& a, const std::string& b,
                          const std::string& c, const std::string& d)
{
    return perpendiculaires(lire(figure, a), lire(figure, b), lire(figure, c), lire(figure, d));
}

bool vecteursMemeSens(const Tfigure& figure, const std::string& a, const std::string& b,
                      const std::string& c, const std::string& d)
{
    return produitScalaire(lire(figure, a), lire(figure, b), lire(figure, c), lire(figure, d)) > 0;
}

bool memeLongueur(const Tfigure& figure, const std::string& a, const std::string& b,
                  const std::string& c, const std::string& d)
{
    return presqueEgal(longueur(figure, a, b), longueur(figure, c, d));
}

bool pairesConfondues(const Tfigure& figure, const std::string& a, const std::string& b,
                      const std::string& c, const std::string& d)
{
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    const Tcoordonnees pc = lire(figure, c);
    const Tcoordonnees pd = lire(figure, d);
    if (confondus(pa, pc)) return confondus(pb, pd);
    if (confondus(pa, pd)) return confondus(pb, pc);
    return false;
}

bool polygonesConfondus(const Tfigure& figure, const std::string& p, const std::string& q)
{
    const Tobjet* op = objetNomme(figure, p);
    const Tobjet* oq = objetNomme(figure, q);
    if (!op || !oq || op->genre != genrePolygone || oq->genre != genrePolygone) return false;
    const Tpolygone& pp = op->donneesDe<Tpolygone>();
    const Tpolygone& pq = oq->donneesDe<Tpolygone>();
    const int n = pp.nbSommets;
    if (n != pq.nbSommets) return false;
    const auto egaux = [&](int i, int j) {
        return confondus({pp.x[i], pp.y[i]}, {pq.x[j], pq.y[j]});
    };
    int j = 1;
    while (j <= n && !egaux(1, j)) ++j;
    if (j > n) return false;
    // The vertex after the first (the first again when there is only one) gives the direction.
    int (*pas)(int, int);
    if (egaux(2, sommetSuivant(j, n))) {
        pas = sommetSuivant;
    } else if (egaux(2, sommetPrecedent(j, n))) {
        pas = sommetPrecedent;
    } else {
        return false;
    }
    j = pas(j, n);
    for (int i = 3; i <= n; ++i) {
        j = pas(j, n);
        if (!egaux(i, j)) return false;
    }
    return true;
}

bool estTriangle(const Tfigure& figure, const std::string& a, const std::string& b,
                 const std::string& c)
{
    return triangle(lire(figure, a), lire(figure, b), lire(figure, c));
}

bool estTriangleRectangle(const Tfigure& figure, const std::string& a, const std::string& b,
                          const std::string& c)
{
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    const Tcoordonnees pc = lire(figure, c);
    return triangle(pa, pb, pc) && perpendiculaires(pa, pb, pa, pc);
}

bool sommeAnglesNulle(const Tfigure& figure, const std::string& a, const std::string& b,
                      const std::string& c, const std::string& d)
{
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    const Tcoordonnees pc = lire(figure, c);
    const Tcoordonnees pd = lire(figure, d);
    const double somme = angleOriente(pb, pa, pd) + angleOriente(pc, pb, pa) +
                         angleOriente(pd, pc, pb) + angleOriente(pa, pd, pc);
    return presqueEgal(somme, 0);
}

int sommetSuivant(int i, int n)
{
    return i >= n ? 1 : i + 1;
}

int sommetPrecedent(int i, int n)
{
    return i <= 1 ? n : i - 1;
}
