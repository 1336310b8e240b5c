#include "engine/figure/creation_pave.h"

#include "engine/figure/creation.h"

Tobjet* creerPave(Tfigure& figure, const std::string& nom, int zMin, int zMax, int xMin, int xMax,
                  int yMin, int yMax, int modele)
{
    Tobjet* o = ajouterObjet(figure, nom, genrePave);
    if (!o) return nullptr;
    Tpave& p = o->donneesDe<Tpave>();
    p.zDebut = zMin;
    p.zFin = zMax;
    p.xDebut = xMin;
    p.xFin = xMax;
    p.yDebut = yMin;
    p.yFin = yMax;
    p.modeleSolide = modele;
    for (int k = 1; k <= sommetsPaveMax; ++k) {
        double z, x, y;
        directionsVue(k, z, x, y);
        p.sommetsX[static_cast<std::size_t>(k)] = x - figure.fuiteX * z;
        p.sommetsY[static_cast<std::size_t>(k)] = y - figure.fuiteY * z;
    }
    definirSolide(p);
    return o;
}
