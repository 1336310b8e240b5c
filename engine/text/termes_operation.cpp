#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/base/chaines.h"
#include "engine/base/nombres.h"
#include "engine/text/grille_operation.h"

namespace {

constexpr double toleranceEntier = 1e-10;
constexpr std::int64_t max32 = std::numeric_limits<std::int32_t>::max();

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

bool estEntier(double t)
{
    return std::fabs(t - std::nearbyint(t)) <= toleranceEntier;
}

bool depasse32Bits(double t)
{
    return t > static_cast<double>(max32);
}

}  // namespace

bool tientSur32Bits(std::int64_t valeur)
{
    return valeur >= 0 && valeur <= max32;
}

bool lireTermesOperation(const std::string& texte, char separateur, TtermesOperation& termes)
{
    const std::string s = sansEspaces(texte);
    std::vector<double> lus;
    for (std::size_t debut = 0;;) {
        const std::size_t fin = s.find(separateur, debut);
        const std::string morceau = s.substr(debut, fin == std::string::npos ? fin : fin - debut);
        if (!estDecimalPositif(morceau)) return false;
        lus.push_back(chaineVersReel(morceau));
        if (fin == std::string::npos) break;
        debut = fin + 1;
    }

    // Every term is multiplied by 10 until all are whole: they share one scale. A term still not
    // whole beyond 32 bits is out of reach, which also ends the loop.
    int decimales = 0;
    while (!std::all_of(lus.begin(), lus.end(), estEntier)) {
        if (std::any_of(lus.begin(), lus.end(), depasse32Bits)) return false;
        for (double& t : lus) t *= 10;
        ++decimales;
    }
    if (std::any_of(lus.begin(), lus.end(), depasse32Bits)) return false;
    termes.valeurs.clear();
    for (const double t : lus) termes.valeurs.push_back(static_cast<std::int64_t>(std::nearbyint(t)));
    termes.decimales = decimales;
    return true;
}

std::string chiffresOperation(std::int64_t valeur, int decimales)
{
    std::string chiffres = std::to_string(valeur);
    const std::size_t longueur = static_cast<std::size_t>(decimales) + 1;
    if (chiffres.size() < longueur) chiffres.insert(0, longueur - chiffres.size(), '0');
    return chiffres;
}
