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

// Every kind of typed answer, the numeric ones first.
constexpr std::uint8_t genresTapes[] = {
    typeEntier,        typeDecimal,          typeFractionSimplifiee, typeNombre,
    typeFraction,      typeAngle180,         typeAngle360,           typeFractionDecimale,
    typeVraiFaux,      typeMultiplePi,       typeNotationScientifique, typeOuiNon,
    typeComparaison,   typeDuree,            typeFormuleTableur,
    typeNomDroite,     typeNomDemiDroite,    typeNomDeuxPoints,      typeNomSegment,
    typeNomDeuxPointsListe, typeNomAngle,    typeNomPoint,           typeNomTroisPoints,
    typeNomQuatrePoints, typeEnsemblePoints, typeExpression,         typeExpressionFactorisee,
    typeExpressionDeveloppee, typeExpressionSansParentheses, typeExpressionLibre, typeSolutions,
    typeListeNonOrdonnee, typeListeOrdonnee, typeCoordonnees,        typeInegalite,
    typeInegaliteStricte, typeEncadrement,
};
constexpr std::size_t nbGenresNumeriques = 15;
constexpr std::size_t nbGenresTapes = sizeof genresTapes;
constexpr const std::uint8_t* genresNumeriques = genresTapes;

// The solution surface blank, its first line ready.
inline void effacerSolution(TdonneesCommunes& d)
{
    reinitialiserFigure(*d.surfaceSolution);
    d.ligneSolution = 2.5;
}

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
    d.surfaceSolution = surface.get();
    d.ImageIncorrecte = &image;
    effacerSolution(d);
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

// The field checked again with another typed text, on a clean solution surface.
inline std::uint8_t retaper(TdonneesCommunes& d, int k, const std::string& tape)
{
    effacerSolution(d);
    d.reponseTapee[k] = tape;
    return verifierChamp(d, k);
}

// A text written as the pupil types it: a decimal point between two digits becomes a comma.
inline std::string avecVirgule(std::string texte)
{
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i + 1 < texte.size(); ++i)
        if (texte[i] == '.' && chiffre(texte[i - 1]) && chiffre(texte[i + 1])) texte[i] = ',';
    return texte;
}

// The expected text typed back: never wrong against itself; and when it is right, the way the
// pupil writes it is right too. An expected text the check refuses is the exercise's own fault.
inline void verifierRetape(TdonneesCommunes& d, int k)
{
    const std::string attendu = d.texteAttendu[k];
    const std::uint8_t telQuel = retaper(d, k, attendu);
    verifier(telQuel != resultatFaux);
    if (telQuel == resultatJuste) verifier(retaper(d, k, avecVirgule(attendu)) == resultatJuste);
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
