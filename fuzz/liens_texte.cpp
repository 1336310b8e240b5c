// Any bytes as a $-markup line of a statement surface, painted twice as the window paints it: its
// links register zones that the mouse finds again, the same zones at every paint, and no list is
// left published.

#include <cstdint>
#include <memory>
#include <string>

#include "engine/figure/creation_textes.h"
#include "engine/figure/figure.h"
#include "engine/figure/peinture.h"
#include "engine/text/liens.h"
#include "engine/text/zones_liens.h"
#include "fuzz/cible.h"
#include "platform/double/controles_enregistres.h"

namespace {

// Every code a link name gives: course pages, exercise pages and tools, never 0.
bool codeDeLien(int code)
{
    return code >= 1 && code <= 2763;
}

void verifierZones(const TlisteZonesLiens& liste)
{
    verifier(liste.nbZones >= 0 && liste.nbZones <= nbZonesLiensMax);
    for (int i = 1; i <= liste.nbZones; ++i) {
        const TzoneLien& z = liste.zones[static_cast<std::size_t>(i)];
        verifier(codeDeLien(z.numero) && z.gauche <= z.droite && z.haut <= z.bas);
        // The first zone that holds the point wins, so the code found is one of a zone up to i.
        const int code = lienSousPoint(liste, z.gauche, z.haut);
        bool trouve = false;
        for (int j = 1; j <= i; ++j) trouve = trouve || liste.zones[static_cast<std::size_t>(j)].numero == code;
        verifier(trouve);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static ZoneDessinEnregistree zone;
    static std::unique_ptr<Tfigure> surface;
    if (!surface) {
        zone.setBounds(0, 0, 456, 290);
        creerFigure(&zone, 456, 290, surface);
        zone.OnPaint.lier(gardeOuverte(), [] { dessinerFigure(*surface); });
    }
    reinitialiserFigure(*surface);
    const std::string texte = texteDe(donnees, taille);
    creerLigneTexteMarge(*surface, texte, 1);
    // The same text again on the next line: zones of both lines compete for the 20 places.
    creerLigneTexteMarge(*surface, texte, 2);

    zone.peindre();
    verifier(listeZonesCourante == nullptr);
    const TlisteZonesLiens premiere = surface->zonesLiens;
    verifierZones(premiere);
    zone.peindre();
    const TlisteZonesLiens& seconde = surface->zonesLiens;
    verifier(seconde.nbZones == premiere.nbZones);
    for (int i = 1; i <= premiere.nbZones; ++i) {
        const TzoneLien& a = premiere.zones[static_cast<std::size_t>(i)];
        const TzoneLien& b = seconde.zones[static_cast<std::size_t>(i)];
        verifier(a.numero == b.numero && a.gauche == b.gauche && a.haut == b.haut && a.droite == b.droite &&
                 a.bas == b.bas);
    }

    // The text as a link name: a code of its kind's range, and a course page's code has its name.
    const int code = numeroLien(texte);
    verifier(code == 0 || codeDeLien(code));
    if (code >= 1000 && code <= 1999) verifier(!nomPageCours(code).empty());
    return 0;
}
