#include "engine/figure/creation_auxiliaires.h"

#include "engine/figure/creation_points.h"

std::string nomAuxiliaire(const std::string& prefixe, int numero)
{
    return prefixe + "_" + std::to_string(numero);
}

Tobjet* cacher(Tobjet* objet)
{
    if (objet) objet->visible = false;
    return objet;
}

void creerLongueurAuxiliaire(Tfigure& figure, const std::string& prefixe, int a, int b,
                             double longueur)
{
    cacher(creerPointSansNom(figure, nomAuxiliaire(prefixe, a), 0, 0, 0));
    cacher(creerPointSansNom(figure, nomAuxiliaire(prefixe, b), 0, longueur, 0));
}

void reporterAuxiliaire(Tfigure& figure, const std::string& prefixe, int numero,
                        const std::string& o, const std::string& p, int a, int b)
{
    cacher(reporterLongueur(figure, nomAuxiliaire(prefixe, numero), o, p,
                            nomAuxiliaire(prefixe, a), nomAuxiliaire(prefixe, b), 0, 0, 0));
}
