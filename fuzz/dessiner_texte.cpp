// Any bytes drawn as $-markup while a surface's link zones are published, and as a fixed-pitch
// formula run.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/text/systeme_formule.h"
#include "engine/text/texte_balise.h"
#include "engine/text/zones_liens.h"
#include "platform/double/canevas_enregistre.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    TlisteZonesLiens liste;
    viderZonesLiens(liste, 0);
    listeZonesCourante = &liste;
    CanevasEnregistre canevas;
    double x = 10;
    dessinerTexte(canevas, texte, x, 20, 0x000000, styleNormal, 12);
    listeZonesCourante = nullptr;
    if (!std::isfinite(x) || x != std::floor(x)) std::abort();
    if (texteImbrique || partieDeFraction) std::abort();
    if (liste.nbZones < 0 || liste.nbZones > nbZonesLiensMax) std::abort();

    dessinerTexteFixe(canevas, texte, 0xFF0000, 0, 0);

    TsystemeAdessiner systeme;
    systeme.source = texte;
    lireSysteme(systeme);
    if (systeme.n > nbLignesSystemeMax) std::abort();
    return 0;
}
