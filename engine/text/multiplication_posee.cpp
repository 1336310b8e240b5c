#include <algorithm>
#include <utility>

#include "engine/base/chaines.h"
#include "engine/text/grille_operation.h"
#include "engine/text/operations_posees.h"

namespace {

// The digits of a factor as a whole number: no blanks, no point or comma, no leading or final
// zeros, at least one digit. Empty when the text holds anything else.
std::string chiffresFacteur(const std::string& texte)
{
    std::string s = sansEspaces(texte);
    std::erase(s, ',');
    std::erase(s, '.');
    if (s.empty() || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    const std::size_t premier = s.find_first_not_of('0');
    s.erase(0, premier == std::string::npos ? s.size() - 1 : premier);
    const std::size_t dernier = s.find_last_not_of('0');
    s.erase(dernier == std::string::npos ? 1 : dernier + 1);
    return s;
}

}  // namespace

void dessinerMultiplicationPosee(Canevas& canevas, const std::string& facteur1,
                                 const std::string& facteur2, double x0, double y0)
{
    std::string f = chiffresFacteur(facteur1);
    std::string g = chiffresFacteur(facteur2);
    if (f.empty() || g.empty()) return;
    // The longer factor goes on top.
    if (f.size() < g.size()) std::swap(f, g);
    if (f.size() <= 1 || g == "0" || g == "1") return;
    std::int64_t vf = 0, vg = 0;
    if (!lireValeur32Bits(f, vf) || !lireValeur32Bits(g, vg) || !tientSur32Bits(vf * vg)) return;

    const int chiffresNonNuls = static_cast<int>(g.size() - static_cast<std::size_t>(std::count(g.begin(), g.end(), '0')));
    const int R = g.size() == 1 ? 3 : 3 + chiffresNonNuls;
    const std::string produit = std::to_string(vf * vg);
    const int W = static_cast<int>(produit.size());
    TgrilleOperation grille(canevas, x0, y0, 1.5, 1.3, W, R);
    grille.ecrireNombre(f, R, 1, couleurOperande);
    grille.ecrireNombre(g, R - 1, 1, couleurOperande);
    grille.ecrire('*', R - 1, static_cast<double>(f.size()) + 1, couleurOperande);
    grille.barre(R - 2, W);
    grille.ecrireNombre(produit, 1, 1, couleurProduit);
    if (R > 3) {
        // One row per non-zero digit of g, from its units digit up, shifted one column each.
        int rangee = R - 2;
        for (int k = 1; k <= static_cast<int>(g.size()); ++k) {
            const char chiffre = g[g.size() - static_cast<std::size_t>(k)];
            if (chiffre == '0') continue;
            grille.ecrireNombre(std::to_string(vf * (chiffre - '0')), rangee, k, couleurOperande);
            --rangee;
        }
        grille.barre(1, W);
    }
}
