#include "engine/figure/creation_lignes.h"

#include "engine/figure/creation.h"
#include "engine/figure/creation_commune.h"

namespace {

// Appends a line kind with its parents and pen, then computes it.
Tobjet* ligne(Tfigure& figure, const std::string& nom, TgenreObjet genre,
              std::initializer_list<std::string> parents, TColor couleur, int trait, int epaisseur)
{
    Tobjet* o = ajouterObjet(figure, nom, genre);
    if (!o) return nullptr;
    lierParents(figure, *o, parents);
    o->couleur = couleur;
    o->trait = trait;
    o->epaisseur = epaisseur;
    return calculerDernier(figure, o);
}

Tobjet* polygone(Tfigure& figure, const std::string& nom, const std::string& sommets,
                 TColor couleur, bool ouvert)
{
    Tobjet* o = ajouterObjet(figure, nom, genrePolygone);
    if (!o) return nullptr;
    o->trait = 1;
    o->epaisseur = 1;
    o->couleur = couleur;
    Tpolygone& p = o->donneesDe<Tpolygone>();
    p.ouvert = ouvert;
    for (const std::string& sommet : nomsDeLaListe(sommets)) {
        if (p.nbSommets == nbSommetsMax) break;
        p.sommets[++p.nbSommets] = indiceObjet(figure, sommet);
    }
    return calculerDernier(figure, o);
}

} // namespace

Tobjet* creerSegment(Tfigure& figure, const std::string& a, const std::string& b, TColor couleur,
                     int trait, int epaisseur)
{
    return ligne(figure, "[" + a + b + "]", genreSegment, {a, b}, couleur, trait, epaisseur);
}

Tobjet* creerSegmentTrait(Tfigure& figure, const std::string& a, const std::string& b,
                          TColor couleur)
{
    return creerSegment(figure, a, b, couleur, 1, 1);
}

Tobjet* creerSegmentPointille(Tfigure& figure, const std::string& a, const std::string& b,
                              TColor couleur)
{
    return creerSegment(figure, a, b, couleur, 3, 1);
}

Tobjet* creerDroite(Tfigure& figure, const std::string& a, const std::string& b, TColor couleur,
                    int trait, int epaisseur)
{
    return ligne(figure, "(" + a + b + ")", genreDroite, {a, b}, couleur, trait, epaisseur);
}

Tobjet* creerDemiDroite(Tfigure& figure, const std::string& a, const std::string& b,
                        TColor couleur, int trait, int epaisseur)
{
    return ligne(figure, "[" + a + b + ")", genreDemiDroite, {a, b}, couleur, trait, epaisseur);
}

Tobjet* creerCercle(Tfigure& figure, const std::string& nom, const std::string& o,
                    const std::string& m, TColor couleur, int trait, int epaisseur)
{
    return ligne(figure, nom, genreCercle, {o, m}, couleur, trait, epaisseur);
}

Tobjet* creerArcCercle(Tfigure& figure, const std::string& nom, const std::string& o,
                       const std::string& p2, const std::string& p3, TColor couleur, int trait,
                       int epaisseur)
{
    return ligne(figure, nom, genreArcCercle, {o, p2, p3}, couleur, trait, epaisseur);
}

Tobjet* creerPerpendiculaire(Tfigure& figure, const std::string& nom, const std::string& p,
                             const std::string& droite, TColor couleur, int trait, int epaisseur)
{
    return ligne(figure, nom, genrePerpendiculaire, {p, droite}, couleur, trait, epaisseur);
}

Tobjet* creerParallele(Tfigure& figure, const std::string& nom, const std::string& p,
                       const std::string& droite, TColor couleur, int trait, int epaisseur)
{
    return ligne(figure, nom, genreParallele, {p, droite}, couleur, trait, epaisseur);
}

Tobjet* creerMediatrice(Tfigure& figure, const std::string& nom, const std::string& a,
                        const std::string& b, TColor couleur, int trait, int epaisseur)
{
    return ligne(figure, nom, genreMediatrice, {a, b}, couleur, trait, epaisseur);
}

Tobjet* creerPolygone(Tfigure& figure, const std::string& nom, const std::string& sommets,
                      TColor couleur)
{
    return polygone(figure, nom, sommets, couleur, false);
}

Tobjet* creerPolygoneBorde(Tfigure& figure, const std::string& nom, const std::string& sommets,
                           TColor couleur)
{
    return polygone(figure, nom, sommets, couleur, true);
}

void fixerPointsAimantes(Tfigure& figure, const std::string& noms)
{
    figure.nbPointsAimantes = 0;
    for (const std::string& nom : nomsDeLaListe(noms)) {
        if (figure.nbPointsAimantes == nbPointsAimantesMax) break;
        const int i = indiceObjet(figure, nom);
        if (i) figure.pointsAimantes[++figure.nbPointsAimantes] = i;
    }
}
