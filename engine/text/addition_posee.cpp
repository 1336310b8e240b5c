#include <numeric>

#include "engine/text/grille_operation.h"
#include "engine/text/operations_posees.h"

void dessinerAdditionPosee(Canevas& canevas, const std::string& texte, double x0, double y0)
{
    TtermesOperation termes;
    if (!lireTermesOperation(texte, '+', termes)) return;
    std::vector<std::int64_t>& valeurs = termes.valeurs;
    const int n = static_cast<int>(valeurs.size());
    if (n > termesAdditionMax) return;
    const std::int64_t somme = std::accumulate(valeurs.begin(), valeurs.end(), std::int64_t{0});
    if (!tientSur32Bits(somme)) return;

    const int d = termes.decimales;
    const std::string texteSomme = chiffresOperation(somme, d);
    const int W = static_cast<int>(texteSomme.size()) + 1;
    // Row n + 2 holds the carries, the first term is on top, the sum in row 1.
    TgrilleOperation grille(canevas, x0, y0, 2.5, 1.15, W, n + 2);
    for (int i = 1; i <= n; ++i)
        grille.ecrireNombre(chiffresOperation(valeurs[static_cast<std::size_t>(i - 1)], d),
                            n + 2 - i, 1, couleurOperande);
    for (int i = 2; i <= n; ++i) grille.ecrire('+', n + 2 - i, W, couleurOperande);
    grille.ecrireNombre(texteSomme, 1, 1, couleurOperande);
    if (d > 0)
        for (int rangee = 1; rangee <= n + 1; ++rangee)
            grille.ecrire(',', rangee, d + 0.5, couleurOperande);
    grille.barre(1, W);

    // A carry into the leftmost column of the sum is not shown: the sum's digit says it.
    std::int64_t retenue = 0;
    for (int colonne = 1; colonne <= W - 2; ++colonne) {
        if (retenue > 0)
            grille.ecrire(static_cast<char>('0' + retenue), n + 2, colonne, couleurRetenue);
        for (std::int64_t& v : valeurs) {
            retenue += v % 10;
            v /= 10;
        }
        retenue /= 10;
    }
}
