#include "engine/figure/creation_marques.h"

#include "engine/figure/creation_auxiliaires.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"

namespace {

constexpr TColor grisCompas = 0xC0C0C0;

// The length codings: the point of [IB) at the mark's size (number 3) turned about the middle I
// by one angle (number 4) and, for two strokes, by a second (number 6); numbers 5 and 7 are their
// reflections through I. Each stroke joins two of these numbers; a second stroke of 0 is none.
struct TstyleCodage {
    int style;
    double angle1, angle2;
    int traits[2][2];
};

constexpr TstyleCodage stylesCodage[] = {
    {1, 80, 0, {{4, 5}, {0, 0}}},
    {2, 80, 100, {{4, 7}, {5, 6}}},
    {4, 65, 115, {{4, 5}, {7, 6}}},
};

} // namespace

Tobjet* creerMarqueAngleDroit(Tfigure& figure, const std::string& nom, const std::string& b,
                              const std::string& a, const std::string& c, double taille,
                              TColor couleur, int plein)
{
    creerLongueurAuxiliaire(figure, nom, 0, 1, taille);
    reporterAuxiliaire(figure, nom, 2, b, a, 0, 1);
    reporterAuxiliaire(figure, nom, 3, b, c, 0, 1);
    cacher(creerQuatriemeSommet(figure, nomAuxiliaire(nom, 4), b, nomAuxiliaire(nom, 3),
                                nomAuxiliaire(nom, 2), 0, 0, 0));
    Tobjet* carre = creerPolygone(figure, nom,
                                  b + " " + nomAuxiliaire(nom, 2) + " " + nomAuxiliaire(nom, 4) +
                                      " " + nomAuxiliaire(nom, 3),
                                  couleur);
    if (carre && plein == 1) carre->remplissage = 1;
    return carre;
}

Tobjet* creerArcAngleDonne(Tfigure& figure, const std::string& nom, const std::string& o,
                           const std::string& m, double angle)
{
    cacher(creerImageRotation(figure, nomAuxiliaire(nom, 1), o, m, -angle / 2, 0, 0, 0));
    cacher(creerImageRotation(figure, nomAuxiliaire(nom, 2), o, m, angle / 2, 0, 0, 0));
    return creerArcCercle(figure, nom, o, nomAuxiliaire(nom, 1), nomAuxiliaire(nom, 2),
                          grisCompas, 1, 1);
}

Tobjet* creerProjete(Tfigure& figure, const std::string& nom, const std::string& ligne,
                     const std::string& m, double dx, double dy, TColor couleur)
{
    cacher(creerSymetriqueDroite(figure, nomAuxiliaire(nom, 1), ligne, m, 0, 0, 0));
    return creerMilieu(figure, nom, m, nomAuxiliaire(nom, 1), dx, dy, couleur);
}

void creerCodageSegment(Tfigure& figure, const std::string& nom, const std::string& a,
                        const std::string& b, double taille, TColor couleur, int style)
{
    creerLongueurAuxiliaire(figure, nom, 0, 1, taille);
    const std::string milieu = nomAuxiliaire(nom, 2);
    cacher(creerMilieu(figure, milieu, a, b, 0, 0, 0));
    reporterAuxiliaire(figure, nom, 3, milieu, b, 0, 1);
    for (const TstyleCodage& s : stylesCodage) {
        if (s.style != style) continue;
        const std::string tourne = nomAuxiliaire(nom, 3);
        const bool deuxTraits = s.traits[1][0] != 0;
        cacher(creerImageRotation(figure, nomAuxiliaire(nom, 4), milieu, tourne, s.angle1, 0, 0,
                                  0));
        if (deuxTraits)
            cacher(creerImageRotation(figure, nomAuxiliaire(nom, 6), milieu, tourne, s.angle2, 0,
                                      0, 0));
        cacher(creerSymetriqueCentral(figure, nomAuxiliaire(nom, 5), milieu,
                                      nomAuxiliaire(nom, 4), 0, 0, 0));
        if (deuxTraits)
            cacher(creerSymetriqueCentral(figure, nomAuxiliaire(nom, 7), milieu,
                                          nomAuxiliaire(nom, 6), 0, 0, 0));
        for (const auto& trait : s.traits)
            if (trait[0] != 0)
                creerSegmentTrait(figure, nomAuxiliaire(nom, trait[0]),
                                  nomAuxiliaire(nom, trait[1]), couleur);
    }
}

Tobjet* creerCodageAngle(Tfigure& figure, const std::string& nom, const std::string& b,
                         const std::string& a, const std::string& c, double rayon, TColor couleur,
                         int style)
{
    creerLongueurAuxiliaire(figure, nom, 0, 1, rayon);
    reporterAuxiliaire(figure, nom, 2, b, a, 0, 1);
    reporterAuxiliaire(figure, nom, 3, b, c, 0, 1);
    Tobjet* arc = creerArcCercle(figure, nom, b, nomAuxiliaire(nom, 2), nomAuxiliaire(nom, 3),
                                 couleur, 1, 1);
    if (arc && style == 0) arc->remplissage = 1;
    if (style == 2) {
        cacher(creerPointSansNom(figure, nomAuxiliaire(nom, 12), 0, 1.3 * rayon, 0));
        reporterAuxiliaire(figure, nom, 22, b, a, 0, 12);
        reporterAuxiliaire(figure, nom, 32, b, c, 0, 12);
        creerArcCercle(figure, nomAuxiliaire(nom, 42), b, nomAuxiliaire(nom, 22),
                       nomAuxiliaire(nom, 32), couleur, 1, 1);
    }
    return arc;
}
