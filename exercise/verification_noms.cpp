#include <algorithm>
#include <string>

#include "engine/base/chaines.h"
#include "exercise/ecriture_solution.h"
#include "exercise/signalement.h"
#include "exercise/tete_reponse.h"
#include "exercise/verification_type.h"

namespace {

// The brackets a name must stand between.
struct Tcrochets {
    std::uint8_t genre;
    char premier;
    const char* sansPremier;
    char dernier;
    const char* sansDernier;
};
constexpr Tcrochets crochetsNoms[] = {
    {typeNomDroite, '(', "Ecrire le nom de la droite entre parenthèses.", ')',
     "Ecrire le nom de la droite entre parenthèses."},
    {typeNomSegment, '[', "Ecrire le nom du segment entre crochets.", ']', "Ecrire le nom du segment entre crochets."},
    {typeNomDemiDroite, '[', "Commencer le nom de la demi$-droite par \"[\".", ')',
     "Finir le nom de la demi$-droite par \")\"."},
};

// How many letters a name has, and whether they must differ.
constexpr int nombreLibre = -1;
struct Tcompte {
    std::uint8_t genre;
    int nombre;
    bool distinctes;
    const char* message;
};
constexpr Tcompte comptesNoms[] = {
    {typeNomPoint, 1, false, "Proposer le nom d'un point unique."},
    {typeNomDroite, 2, true, "Proposer deux points distincts."},
    {typeNomDemiDroite, 2, true, "Proposer deux points distincts."},
    {typeNomDeuxPoints, 2, true, "Proposer deux points distincts."},
    {typeNomSegment, 2, true, "Proposer deux points distincts."},
    {typeNomDeuxPointsListe, 2, false, "Proposer deux points."},
    {typeNomAngle, 3, true, "Proposer trois points distincts."},
    {typeNomTroisPoints, 3, true, "Proposer trois points distincts."},
    {typeNomQuatrePoints, 4, false, "Elle devrait se composer de quatre noms de points."},
    {typeEnsemblePoints, nombreLibre, true, "Elle devrait se composer de points distincts."},
};

bool lettresDistinctes(std::string s)
{
    std::sort(s.begin(), s.end());
    return std::adjacent_find(s.begin(), s.end()) == s.end();
}

bool toutesDans(const std::string& lettres, const std::string& ensemble)
{
    return std::all_of(lettres.begin(), lettres.end(),
                       [&](char c) { return ensemble.find(c) != std::string::npos; });
}

// What the form of the name asks, before its letters are compared; null when it is well formed.
const char* defautForme(std::uint8_t genre, std::string& a, const std::string& lettresAdmises)
{
    for (const Tcrochets& c : crochetsNoms) {
        if (c.genre != genre) continue;
        if (a.empty() || a.front() != c.premier) return c.sansPremier;
        if (a.back() != c.dernier) return c.sansDernier;
    }
    static const Ensemble256 crochets = ensembleDe("()[]");
    static const Ensemble256 separateurs = ensembleDe(",;");
    supprimerCaracteres(a, crochets);
    if (genre == typeEnsemblePoints) supprimerCaracteres(a, separateurs);
    if (!toutesDans(a, lettresAdmises)) return "Vous devez utiliser les noms de points connus.";
    for (const Tcompte& c : comptesNoms) {
        if (c.genre != genre) continue;
        const bool nombreJuste = c.nombre == nombreLibre || a.size() == static_cast<std::size_t>(c.nombre);
        if (!nombreJuste || (c.distinctes && !lettresDistinctes(a))) return c.message;
    }
    return nullptr;
}

// The sides of an angle's expected text "vertex, points of one side ; points of the other".
bool angleJuste(const std::string& a, const std::string& attendu)
{
    const std::string::size_type separation = attendu.find(';');
    if (separation == std::string::npos || attendu.empty() || attendu.front() != a[1]) return false;
    const auto cote = [&](char c) {
        const auto p = static_cast<long>(attendu.find(c));
        return p - static_cast<long>(separation);
    };
    return cote(a[0]) * cote(a[2]) <= 0;
}

// One of the names written one after the other, each of the name's length: a name made of the end
// of one and the start of the next is none of them.
bool nomDeLaListe(const std::string& a, const std::string& attendu)
{
    if (a.empty()) return false;
    for (std::string::size_type p = 0; p + a.size() <= attendu.size(); p += a.size())
        if (attendu.compare(p, a.size(), a) == 0) return true;
    return false;
}

bool nomJuste(std::uint8_t genre, const std::string& a, const std::string& attendu)
{
    if (!toutesDans(a, attendu)) return false;
    if (genre == typeEnsemblePoints) {
        for (const char c : attendu)
            if (c >= 'A' && c <= 'Z' && a.find(c) == std::string::npos) return false;
    }
    if (genre == typeNomAngle && !angleJuste(a, attendu)) return false;
    if (genre == typeNomDemiDroite && (attendu.empty() || attendu.front() != a.front())) return false;
    if ((genre == typeNomDeuxPointsListe || genre == typeNomQuatrePoints) && !nomDeLaListe(a, attendu)) return false;
    return true;
}

}  // namespace

void verifierNomGeometrique(TdonneesCommunes& donnees, int k, std::uint8_t& resultat)
{
    const std::uint8_t genre = donnees.typeReponse[k];
    std::string a = sansEspaces(donnees.reponseTapee[k]);
    if (const char* message = defautForme(genre, a, donnees.lettresAdmises)) {
        signalerIncorrect(donnees);
        ecrireLigneSolution(donnees, teteReponse(donnees, k) + "est incorrecte.");
        ecrireLigneSolution(donnees, message);
        resultat = resultatNonCompris;
        return;
    }
    resultat = nomJuste(genre, a, donnees.texteAttendu[k]) ? resultatJuste : resultatFaux;
}
