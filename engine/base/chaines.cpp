#include "engine/base/chaines.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/base/chaine_courte.h"

namespace {

constexpr std::size_t longueurMotif = 10;

const std::array<const char*, 12> nomsDesMois = {
    "janvier", "février", "mars",      "avril",   "mai",      "juin",
    "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

bool dansEnsemble(const Ensemble256& ensemble, char c)
{
    return ensemble.test(static_cast<unsigned char>(c));
}

}  // namespace

std::string enMajuscules(const std::string& s)
{
    std::string r = s;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::string sansEspaces(const std::string& s)
{
    std::string r = s;
    std::erase(r, ' ');
    return r;
}

void supprimerBlancsExtremesCourte(std::string& s)
{
    s = courte(s);
    supprimerBlancsExtremes(s);
}

void supprimerBlancsExtremes(std::string& s)
{
    const auto debut = s.find_first_not_of(' ');
    if (debut == std::string::npos) {
        s.clear();
        return;
    }
    s.erase(s.find_last_not_of(' ') + 1);
    s.erase(0, debut);
}

void remplacerTout(std::string& s, std::string_view motif, std::string_view remplacement)
{
    const std::string_view m = motif.substr(0, longueurMotif);
    if (m.empty()) return;
    if (remplacement.find(m) != std::string::npos) {
        // Searching again from the start would find the motif in its own replacement forever:
        // each occurrence of the text is replaced once instead.
        for (auto p = s.find(m); p != std::string::npos; p = s.find(m, p + remplacement.size()))
            s.replace(p, m.size(), remplacement);
        return;
    }
    // Every search starts over from the beginning, so that a replacement that completes an
    // occurrence with the characters before it is replaced too. Before the last replacement,
    // less the motif's length, nothing changed and nothing matched: the search may start there.
    for (auto p = s.find(m); p != std::string::npos;
         p = s.find(m, p >= m.size() - 1 ? p - (m.size() - 1) : 0))
        s.replace(p, m.size(), remplacement);
}

void supprimerCaracteresCourte(std::string& s, const Ensemble256& ensemble)
{
    s = courte(s);
    supprimerCaracteres(s, ensemble);
}

void supprimerCaracteres(std::string& s, const Ensemble256& ensemble)
{
    std::erase_if(s, [&](char c) { return dansEnsemble(ensemble, c); });
}

Ensemble256 ensembleDe(const std::string& caracteres)
{
    Ensemble256 ensemble;
    for (const char c : caracteres) ensemble.set(static_cast<unsigned char>(c));
    return ensemble;
}

std::string nomDuMois(int mois)
{
    if (mois < 1 || mois > 12) return {};
    return nomsDesMois[static_cast<std::size_t>(mois - 1)];
}
