#include "engine/text/zones_liens.h"

#include <algorithm>

#include "engine/text/liens.h"

TlisteZonesLiens* listeZonesCourante = nullptr;

namespace {

constexpr TColor couleurLiensParDefaut = 0x00FF00;
constexpr TColor couleurLiensGardee = 1;

// The zones actually held, whatever a careless writer left in the count.
int nombreZones(const TlisteZonesLiens& liste)
{
    return std::clamp(liste.nbZones, 0, nbZonesLiensMax);
}

}  // namespace

int ajouterZoneLien(TlisteZonesLiens& liste, int numero, int gauche, int haut, int droite,
                    int bas)
{
    const int n = nombreZones(liste);
    if (n >= nbZonesLiensMax) return 0;
    liste.nbZones = n + 1;
    liste.zones[static_cast<std::size_t>(n + 1)] = {gauche, haut, droite, bas, numero};
    return liste.nbZones;
}

int enregistrerLien(TlisteZonesLiens& liste, const std::string& nom, int gauche, int haut,
                    int droite, int bas)
{
    if (nombreZones(liste) >= nbZonesLiensMax) return 0;
    const int numero = numeroLien(nom);
    if (numero == 0) return 0;
    return ajouterZoneLien(liste, numero, gauche, haut, droite, bas);
}

int lienSousPoint(const TlisteZonesLiens& liste, int x, int y)
{
    const int n = nombreZones(liste);
    for (int i = 1; i <= n; ++i) {
        const TzoneLien& z = liste.zones[static_cast<std::size_t>(i)];
        if (z.gauche <= x && x <= z.droite && z.haut <= y && y <= z.bas) return z.numero;
    }
    return 0;
}

void viderZonesLiens(TlisteZonesLiens& liste, TColor couleur)
{
    liste.nbZones = 0;
    if (couleur != couleurLiensGardee) liste.couleurLiens = couleurLiensParDefaut;
}
