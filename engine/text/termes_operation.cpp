#include <algorithm>
#include <limits>

#include "engine/base/chaines.h"
#include "engine/text/grille_operation.h"

namespace {

constexpr std::int64_t max32 = std::numeric_limits<std::int32_t>::max();
// 10^9 is the largest scale a 32-bit value holds.
constexpr std::size_t decimalesMax = 9;
constexpr std::size_t chiffres32Bits = 10;

// Digits with at most one "," or "." among them: no sign, no exponent, nothing else.
bool estDecimalPositif(const std::string& s)
{
    int chiffres = 0, separateurs = 0;
    for (const char c : s) {
        if (c >= '0' && c <= '9') ++chiffres;
        else if (c == ',' || c == '.') ++separateurs;
        else return false;
    }
    return chiffres > 0 && separateurs <= 1;
}

// A term as the digits of its integer and decimal parts, the final zeros of the decimals left
// out: scaling it is appending zeros, which a double times 10 cannot do exactly ("6558,02").
struct TtermeLu {
    std::string chiffres;
    std::size_t decimales;
};

TtermeLu couperTerme(const std::string& terme)
{
    const std::size_t separateur = terme.find_first_of(",.");
    if (separateur == std::string::npos) return {terme, 0};
    std::string decimales = terme.substr(separateur + 1);
    decimales.erase(decimales.find_last_not_of('0') + 1);
    return {terme.substr(0, separateur) + decimales, decimales.size()};
}

}  // namespace

bool lireValeur32Bits(const std::string& chiffres, std::int64_t& valeur)
{
    const std::size_t premier = chiffres.find_first_not_of('0');
    if (premier == std::string::npos) {
        valeur = 0;
        return true;
    }
    if (chiffres.size() - premier > chiffres32Bits) return false;
    valeur = std::stoll(chiffres.substr(premier));
    return tientSur32Bits(valeur);
}

bool tientSur32Bits(std::int64_t valeur)
{
    return valeur >= 0 && valeur <= max32;
}

bool lireTermesOperation(const std::string& texte, char separateur, TtermesOperation& termes)
{
    const std::string s = sansEspaces(texte);
    std::vector<TtermeLu> lus;
    for (std::size_t debut = 0;;) {
        const std::size_t fin = s.find(separateur, debut);
        const std::string morceau = s.substr(debut, fin == std::string::npos ? fin : fin - debut);
        if (!estDecimalPositif(morceau)) return false;
        lus.push_back(couperTerme(morceau));
        if (fin == std::string::npos) break;
        debut = fin + 1;
    }

    // All terms share the scale of the one with the most decimals.
    std::size_t decimales = 0;
    for (const TtermeLu& t : lus) decimales = std::max(decimales, t.decimales);
    if (decimales > decimalesMax) return false;
    termes.valeurs.clear();
    for (const TtermeLu& t : lus) {
        std::int64_t valeur = 0;
        if (!lireValeur32Bits(t.chiffres + std::string(decimales - t.decimales, '0'), valeur))
            return false;
        termes.valeurs.push_back(valeur);
    }
    termes.decimales = static_cast<int>(decimales);
    return true;
}

std::string chiffresOperation(std::int64_t valeur, int decimales)
{
    std::string chiffres = std::to_string(valeur);
    const std::size_t longueur = static_cast<std::size_t>(decimales) + 1;
    if (chiffres.size() < longueur) chiffres.insert(0, longueur - chiffres.size(), '0');
    return chiffres;
}
