#include "engine/figure/creation.h"
#include "engine/figure/creation_commune.h"
#include "engine/figure/creation_points.h"

namespace {

// Appends a constructed point with its parents, colour and label offset; the caller stores the
// kind's data, then computes it.
Tobjet* pointConstruit(Tfigure& figure, const std::string& nom, TgenreObjet genre,
                       std::initializer_list<std::string> parents, double dx, double dy,
                       TColor couleur)
{
    Tobjet* o = ajouterObjet(figure, nom, genre);
    if (!o) return nullptr;
    lierParents(figure, *o, parents);
    o->couleur = couleur;
    o->point->decalageEtiquetteX = dx;
    o->point->decalageEtiquetteY = dy;
    return o;
}

} // namespace

Tobjet* creerPointSurDroite(Tfigure& figure, const std::string& nom, const std::string& a,
                            const std::string& b, double t, double dx, double dy, TColor couleur)
{
    Tobjet* o = pointConstruit(figure, nom, genrePointSurDroite, {a, b}, dx, dy, couleur);
    if (o) o->donneesDe<TpointSurDroite>().t = t;
    return calculerDernier(figure, o);
}

Tobjet* creerSymetriqueCentral(Tfigure& figure, const std::string& nom, const std::string& a,
                               const std::string& b, double dx, double dy, TColor couleur)
{
    return creerPointSurDroite(figure, nom, a, b, -1, dx, dy, couleur);
}

Tobjet* creerMilieu(Tfigure& figure, const std::string& nom, const std::string& a,
                    const std::string& b, double dx, double dy, TColor couleur)
{
    return creerPointSurDroite(figure, nom, a, b, 0.5, dx, dy, couleur);
}

Tobjet* creerPointRepere(Tfigure& figure, const std::string& nom, const std::string& a,
                         const std::string& b, const std::string& c, double u, double v, double dx,
                         double dy, TColor couleur)
{
    Tobjet* o = pointConstruit(figure, nom, genrePointRepere, {a, b, c}, dx, dy, couleur);
    if (o) o->donneesDe<TpointRepere>() = {u, v};
    return calculerDernier(figure, o);
}

Tobjet* creerQuatriemeSommet(Tfigure& figure, const std::string& nom, const std::string& a,
                             const std::string& b, const std::string& c, double dx, double dy,
                             TColor couleur)
{
    return creerPointRepere(figure, nom, a, b, c, 1, 1, dx, dy, couleur);
}

Tobjet* creerImageRotation(Tfigure& figure, const std::string& nom, const std::string& o,
                           const std::string& m, double angle, double dx, double dy,
                           TColor couleur)
{
    Tobjet* p = pointConstruit(figure, nom, genreImageRotation, {o, m}, dx, dy, couleur);
    if (p) p->donneesDe<TimageRotation>().angle = angle;
    return calculerDernier(figure, p);
}

Tobjet* creerImageRotationHomothetie(Tfigure& figure, const std::string& nom,
                                     const std::string& o, const std::string& m, double angle,
                                     double rapport, double dx, double dy, TColor couleur)
{
    Tobjet* p = pointConstruit(figure, nom, genreImageRotationHomothetie, {o, m}, dx, dy, couleur);
    if (p) p->donneesDe<TimageRotationHomothetie>() = {angle, rapport};
    return calculerDernier(figure, p);
}

Tobjet* creerImageSimilitude(Tfigure& figure, const std::string& nom, const std::string& o,
                             const std::string& m, const std::string& p, const std::string& q,
                             double dx, double dy, TColor couleur)
{
    return calculerDernier(
        figure, pointConstruit(figure, nom, genreImageSimilitude, {o, m, p, q}, dx, dy, couleur));
}

// The lengths come first in the slots: CD is carried onto [AB).
Tobjet* reporterLongueur(Tfigure& figure, const std::string& nom, const std::string& a,
                         const std::string& b, const std::string& c, const std::string& d,
                         double dx, double dy, TColor couleur)
{
    return calculerDernier(
        figure, pointConstruit(figure, nom, genreReportLongueur, {c, d, a, b}, dx, dy, couleur));
}

Tobjet* creerIntersectionDroites(Tfigure& figure, const std::string& nom, const std::string& ligne1,
                                 const std::string& ligne2, double dx, double dy, TColor couleur)
{
    return calculerDernier(figure, pointConstruit(figure, nom, genreIntersectionDroites,
                                                  {ligne1, ligne2}, dx, dy, couleur));
}

Tobjet* creerSymetriqueDroite(Tfigure& figure, const std::string& nom, const std::string& ligne,
                              const std::string& m, double dx, double dy, TColor couleur)
{
    return calculerDernier(
        figure, pointConstruit(figure, nom, genreSymetriqueDroite, {ligne, m}, dx, dy, couleur));
}

Tobjet* creerCentreCercleInscrit(Tfigure& figure, const std::string& nom, const std::string& a,
                                 const std::string& b, const std::string& c, double dx, double dy,
                                 TColor couleur)
{
    return calculerDernier(figure, pointConstruit(figure, nom, genreCentreCercleInscrit,
                                                  {a, b, c}, dx, dy, couleur));
}

Tobjet* creerIntersectionCercles(Tfigure& figure, const std::string& nom,
                                 const std::string& cercle1, const std::string& cercle2, double dx,
                                 double dy, TColor couleur)
{
    return calculerDernier(figure, pointConstruit(figure, nom, genreIntersectionCercles,
                                                  {cercle1, cercle2}, dx, dy, couleur));
}

// The circle takes the first slot.
Tobjet* creerIntersectionDroiteCercle(Tfigure& figure, const std::string& nom,
                                      const std::string& ligne, const std::string& cercle,
                                      double dx, double dy, TColor couleur)
{
    return calculerDernier(figure, pointConstruit(figure, nom, genreIntersectionDroiteCercle,
                                                  {cercle, ligne}, dx, dy, couleur));
}

// Measures show a label only: no marker.
Tobjet* creerCoteLongueur(Tfigure& figure, const std::string& nom, const std::string& a,
                          const std::string& b, int decimales, double dx, double dy,
                          TColor couleur)
{
    Tobjet* o = pointConstruit(figure, nom, genreCoteLongueur, {a, b}, dx, dy, couleur);
    if (o) {
        o->donneesDe<TcoteLongueur>().decimales = decimales;
        o->epaisseur = 0;
    }
    return calculerDernier(figure, o);
}

Tobjet* creerCoteAngle(Tfigure& figure, const std::string& nom, const std::string& b,
                       const std::string& a, const std::string& c, int decimales, double dx,
                       double dy, TColor couleur)
{
    Tobjet* o = pointConstruit(figure, nom, genreCoteAngle, {b, a, c}, dx, dy, couleur);
    if (o) {
        o->donneesDe<TcoteAngle>().decimales = decimales;
        o->epaisseur = 0;
    }
    return calculerDernier(figure, o);
}

Tobjet* creerPointSurArc(Tfigure& figure, const std::string& nom, const std::string& o,
                         const std::string& m, double angleMin, double angleMax, double pas,
                         double angle, double dx, double dy, TColor couleur)
{
    Tobjet* p = pointConstruit(figure, nom, genrePointSurArc, {o, m}, dx, dy, couleur);
    if (p) {
        p->donneesDe<TpointSurArc>() = {angle, angleMin, angleMax, pas};
        p->mobile = true;
    }
    return calculerDernier(figure, p);
}

Tobjet* creerPointGradue(Tfigure& figure, const std::string& nom, const std::string& o,
                         const std::string& e, const std::string& u, int k, double dx, double dy,
                         TColor couleur)
{
    Tobjet* p = pointConstruit(figure, nom, genrePointGradue, {o, e, u}, dx, dy, couleur);
    if (p) {
        p->donneesDe<TpointGradue>().k = k;
        p->mobile = true;
    }
    return calculerDernier(figure, p);
}
