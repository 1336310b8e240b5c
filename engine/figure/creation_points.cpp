#include "engine/figure/creation_points.h"

#include "engine/base/chaine_courte.h"
#include "engine/figure/creation.h"

namespace {

// A point kind placed at a world position, not computed.
Tobjet* pointPlace(Tfigure& figure, const std::string& nom, TgenreObjet genre, TColor couleur,
                   double x, double y, double dx, double dy)
{
    Tobjet* o = ajouterObjet(figure, nom, genre);
    if (!o) return nullptr;
    o->couleur = couleur;
    o->point->x = x;
    o->point->y = y;
    o->point->decalageEtiquetteX = dx;
    o->point->decalageEtiquetteY = dy;
    return o;
}

} // namespace

Tobjet* creerPoint(Tfigure& figure, const std::string& nom, const std::string& etiquette, double x,
                   double y, double dx, double dy, TColor couleur, int taille)
{
    Tobjet* o = pointPlace(figure, nom, genrePointLibre, couleur, x, y, dx, dy);
    if (!o) return nullptr;
    o->epaisseur = taille;
    o->point->etiquette = courte(etiquette);
    // The kind is draggable; the figures' own points are not unless asked.
    o->mobile = false;
    return o;
}

Tobjet* creerPointNomme(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                        double y, double dx, double dy)
{
    return creerPoint(figure, nom, nom, x, y, dx, dy, couleur, 5);
}

Tobjet* creerPointMobile(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                         double y)
{
    Tobjet* o = creerPoint(figure, nom, nom, x, y, 0, 0, couleur, 5);
    if (o) o->mobile = true;
    return o;
}

Tobjet* creerPointSansNom(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                          double y)
{
    return creerPoint(figure, nom, "", x, y, 0, 0, couleur, 5);
}

Tobjet* creerPointDiscret(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                          double y, double dx, double dy)
{
    return creerPoint(figure, nom, nom, x, y, dx, dy, couleur, 1);
}

Tobjet* creerPointCurseur(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                          double y, double xMin, double xMax, double pas, double dx, double dy)
{
    Tobjet* o = pointPlace(figure, nom, genrePointCurseur, couleur, x, y, dx, dy);
    if (!o) return nullptr;
    o->donneesDe<TpointCurseur>() = {xMin, xMax, pas};
    o->mobile = true;
    return o;
}

Tobjet* creerPointMobileBorne(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                              double y, double xMin, double xMax, double pasX, double yMin,
                              double yMax, double pasY, double dx, double dy)
{
    Tobjet* o = pointPlace(figure, nom, genrePointMobileBorne, couleur, x, y, dx, dy);
    if (!o) return nullptr;
    o->donneesDe<TpointMobileBorne>() = {xMin, xMax, pasX, yMin, yMax, pasY};
    o->mobile = true;
    return o;
}
