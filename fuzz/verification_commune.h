#pragma once
// What the fuzz targets of the answer checks share: one record with a solution surface on a
// recording paint box, cleared before each input, and the typed text cut as the record cuts it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/figure/figure.h"
#include "exercise/donnees_communes.h"
#include "exercise/verification_type.h"
#include "fuzz/cible.h"
#include "platform/double/controles_enregistres.h"
#include "platform/double/image_enregistree.h"

inline TdonneesCommunes& donneesFuzz()
{
    static ZoneDessinEnregistree zone;
    static ImageEnregistree image(60, 40);
    static std::unique_ptr<Tfigure> surface;
    if (!surface) {
        zone.setBounds(0, 0, 528, 155);
        creerFigure(&zone, 528, 155, surface);
    }
    TdonneesCommunes& d = *donneesCommunes;
    reinitialiserQuestion(d);
    reinitialiserFigure(*surface);
    d.surfaceSolution = surface.get();
    d.ImageIncorrecte = &image;
    d.ligneSolution = 2.5;
    return d;
}

// Every check answers one of the four results.
inline void verifierResultatConnu(std::uint8_t r)
{
    verifier(r == resultatJuste || r == resultatFaux || r == resultatNonCompris ||
             r == resultatForme);
}

// Field k checked as it stands; gives the result.
inline std::uint8_t verifierChamp(TdonneesCommunes& d, int k)
{
    std::uint8_t resultat = resultatJuste;
    verifierSelonType(d, k, resultat);
    verifierResultatConnu(resultat);
    return resultat;
}

// Field k, its kind already set, checked against the input: "expected\ntyped", or the typed text
// alone against the default expected text. Gives the result.
inline std::uint8_t verifierTextes(TdonneesCommunes& d, int k, const std::uint8_t* octets,
                                   std::size_t taille, const char* attenduParDefaut)
{
    const std::string texte = texteDe(octets, taille);
    if (texte.find('\n') == std::string::npos) {
        d.texteAttendu[k] = attenduParDefaut;
        d.reponseTapee[k] = texte;
    } else {
        const TdeuxLignes lignes = couperALaLigne(texte);
        d.texteAttendu[k] = lignes.premiere;
        d.reponseTapee[k] = lignes.seconde;
    }
    return verifierChamp(d, k);
}
