// Any bytes drawn as $-markup while a surface's link zones are published, and as a fixed-pitch
// formula run.

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/text/systeme_formule.h"
#include "engine/text/texte_balise.h"
#include "engine/text/zones_liens.h"
#include "fuzz/cible.h"
#include "platform/double/canevas_enregistre.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte = texteDe(donnees, taille);
    TlisteZonesLiens liste;
    viderZonesLiens(liste, 0);
    listeZonesCourante = &liste;
    CanevasEnregistre canevas;
    double x = 10;
    dessinerTexte(canevas, texte, x, 20, 0x000000, styleNormal, 12);
    listeZonesCourante = nullptr;
    verifier(std::isfinite(x) && x == std::floor(x));
    verifier(!texteImbrique && !partieDeFraction);
    verifier(liste.nbZones >= 0 && liste.nbZones <= nbZonesLiensMax);

    dessinerTexteFixe(canevas, texte, 0xFF0000, 0, 0);

    TsystemeAdessiner systeme;
    systeme.source = texte;
    lireSysteme(systeme);
    verifier(systeme.n <= nbLignesSystemeMax);
    return 0;
}
