#include "engine/figure/objets_par_nom.h"

#include "engine/base/chaine_courte.h"
#include "engine/figure/construction.h"

namespace {

Tpoint* pointNomme(Tfigure& figure, const std::string& nom)
{
    Tobjet* o = objetNommeAModifier(figure, nom);
    return o && o->point ? &*o->point : nullptr;
}

const Tpoint* pointNomme(const Tfigure& figure, const std::string& nom)
{
    const Tobjet* o = objetNomme(figure, nom);
    return o && o->point ? &*o->point : nullptr;
}

} // namespace

Tobjet* cacherObjet(Tfigure& figure, const std::string& nom)
{
    Tobjet* o = objetNommeAModifier(figure, nom);
    if (o) o->visible = false;
    return o;
}

Tobjet* montrerObjet(Tfigure& figure, const std::string& nom)
{
    Tobjet* o = objetNommeAModifier(figure, nom);
    if (o) o->visible = true;
    return o;
}

void rendreFixe(Tfigure& figure, const std::string& nom)
{
    if (Tobjet* o = objetNommeAModifier(figure, nom)) o->mobile = false;
}

void rendreMobile(Tfigure& figure, const std::string& nom)
{
    if (Tobjet* o = objetNommeAModifier(figure, nom)) o->mobile = true;
}

bool estIndefini(const Tfigure& figure, const std::string& nom)
{
    const Tobjet* o = objetNomme(figure, nom);
    return !o || o->indefini;
}

void changerEtiquette(Tfigure& figure, const std::string& nom, const std::string& etiquette)
{
    if (Tpoint* p = pointNomme(figure, nom)) p->etiquette = courte(etiquette);
}

void changerRemplissage(Tfigure& figure, const std::string& nom, int motif)
{
    if (Tobjet* o = objetNommeAModifier(figure, nom)) o->remplissage = motif;
}

void changerTrait(Tfigure& figure, const std::string& nom, int trait)
{
    if (Tobjet* o = objetNommeAModifier(figure, nom)) o->trait = trait;
}

void changerCouleur(Tfigure& figure, const std::string& nom, TColor couleur)
{
    if (Tobjet* o = objetNommeAModifier(figure, nom)) o->couleur = couleur;
}

void changerEpaisseur(Tfigure& figure, const std::string& nom, int epaisseur)
{
    if (Tobjet* o = objetNommeAModifier(figure, nom)) o->epaisseur = epaisseur;
}

void placerEtiquette(Tfigure& figure, const std::string& nom, double dx, double dy)
{
    if (Tpoint* p = pointNomme(figure, nom)) {
        p->decalageEtiquetteX = dx;
        p->decalageEtiquetteY = dy;
    }
}

void changerModeEtiquette(Tfigure& figure, const std::string& nom, int mode)
{
    if (Tpoint* p = pointNomme(figure, nom)) p->modeEtiquette = mode;
}

double abscisse(const Tfigure& figure, const std::string& nom)
{
    const Tpoint* p = pointNomme(figure, nom);
    return p ? p->x : 0;
}

double ordonnee(const Tfigure& figure, const std::string& nom)
{
    const Tpoint* p = pointNomme(figure, nom);
    return p ? p->y : 0;
}

double rayonCercle(const Tfigure& figure, const std::string& nom)
{
    const Tobjet* o = objetNomme(figure, nom);
    if (!o || o->indefini || o->genre != genreCercle) return 0;
    return o->donneesDe<Tcercle>().rayon;
}

void placerPoint(Tfigure& figure, const std::string& nom, double x, double y)
{
    const int i = indiceObjet(figure, nom);
    Tobjet* o = objetAModifier(figure, i);
    if (!o || !o->point) return;
    o->point->x = x;
    o->point->y = y;
    if (auto* arc = std::get_if<TpointSurArc>(&o->donnees)) arc->angle = x;
    if (auto* gradue = std::get_if<TpointGradue>(&o->donnees)) gradue->k = arrondi(x);
    recalculerDepuis(figure, i);
}

void placerPointSur(Tfigure& figure, const std::string& nom, const std::string& nomCible)
{
    placerPoint(figure, nom, abscisse(figure, nomCible), ordonnee(figure, nomCible));
}
