#pragma once
// What the fuzz targets of the answer checks share: one record with a solution surface on a
// recording paint box, cleared before each input, and the typed text cut as the record cuts it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/figure/figure.h"
#include "exercise/donnees_communes.h"
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
inline bool resultatConnu(std::uint8_t r)
{
    return r == resultatJuste || r == resultatFaux || r == resultatNonCompris || r == resultatForme;
}

// "expected\ntyped", or the typed text alone against a default expected text.
inline void separerAttenduTape(const std::uint8_t* octets, std::size_t taille, const char* attenduParDefaut,
                               std::string& attendu, std::string& tape)
{
    const std::string texte(reinterpret_cast<const char*>(octets), taille);
    const std::string::size_type ligne = texte.find('\n');
    if (ligne == std::string::npos) {
        attendu = attenduParDefaut;
        tape = texte;
    } else {
        attendu = texte.substr(0, ligne);
        tape = texte.substr(ligne + 1);
    }
}
