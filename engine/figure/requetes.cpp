#include "engine/figure/requetes.h"

#include <cmath>
#include <numbers>

#include "engine/base/geometrie.h"
#include "engine/base/nombres.h"
#include "engine/figure/objets_par_nom.h"

namespace {

struct Tcoordonnees {
    double x, y;
};

Tcoordonnees lire(const Tfigure& figure, const std::string& nom)
{
    return {abscisse(figure, nom), ordonnee(figure, nom)};
}

Tcoordonnees coordonnees(const Tobjet& o)
{
    return o.point ? Tcoordonnees{o.point->x, o.point->y} : Tcoordonnees{0, 0};
}

bool confondus(Tcoordonnees a, Tcoordonnees b)
{
    return presqueEgal(a.x, b.x) && presqueEgal(a.y, b.y);
}

double produitScalaire(Tcoordonnees a, Tcoordonnees b, Tcoordonnees c, Tcoordonnees d)
{
    return (b.x - a.x) * (d.x - c.x) + (b.y - a.y) * (d.y - c.y);
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
    const Tcoordonnees sommet = lire(figure, s);
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    double ux = pa.x - sommet.x, uy = pa.y - sommet.y;
    double vx = pb.x - sommet.x, vy = pb.y - sommet.y;
    // A side of no length has no direction: 0, which no check takes for a real angle.
    if (!normaliserVecteur(ux, uy) || !normaliserVecteur(vx, vy)) return 0;
    const double cosinus = ux * vx + uy * vy;
    if (std::isnan(cosinus)) return 0;
    return arcCosinus(cosinus) * 180 / std::numbers::pi;
}

double mesureAngleOriente(const Tfigure& figure, const std::string& a, const std::string& s,
                          const std::string& b)
{
    const Tcoordonnees sommet = lire(figure, s);
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    const double mesure = mesureAngle(figure, a, s, b);
    const double produitVectoriel =
        (pa.x - sommet.x) * (pb.y - sommet.y) - (pa.y - sommet.y) * (pb.x - sommet.x);
    return produitVectoriel > 0 ? mesure : 0 - mesure;
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
    const Tcoordonnees pa = lire(figure, a);
    const Tcoordonnees pb = lire(figure, b);
    const Tcoordonnees pc = lire(figure, c);
    return std::abs((pc.x - pa.x) * (pb.y - pa.y) - (pb.x - pa.x) * (pc.y - pa.y)) < 0.01;
}

bool sontPerpendiculaires(const Tfigure& figure, const std::string& a, const std::string& b,
                          const std::string& c, const std::string& d)
{
    return std::abs(produitScalaire(lire(figure, a), lire(figure, b), lire(figure, c),
                                    lire(figure, d))) < 1e-6;
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
    if (pointsConfondus(figure, a, c)) return pointsConfondus(figure, b, d);
    if (pointsConfondus(figure, a, d)) return pointsConfondus(figure, b, c);
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
    return !pointsConfondus(figure, a, b) && !sontAlignes(figure, a, b, c);
}

bool estTriangleRectangle(const Tfigure& figure, const std::string& a, const std::string& b,
                          const std::string& c)
{
    return estTriangle(figure, a, b, c) && sontPerpendiculaires(figure, a, b, a, c);
}

bool sommeAnglesNulle(const Tfigure& figure, const std::string& a, const std::string& b,
                      const std::string& c, const std::string& d)
{
    const double somme =
        mesureAngleOriente(figure, b, a, d) + mesureAngleOriente(figure, c, b, a)
        + mesureAngleOriente(figure, d, c, b) + mesureAngleOriente(figure, a, d, c);
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
