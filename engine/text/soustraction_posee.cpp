#include "engine/text/grille_operation.h"
#include "engine/text/operations_posees.h"

void dessinerSoustractionPosee(Canevas& canevas, const std::string& texte, double x0, double y0)
{
    TtermesOperation termes;
    if (!lireTermesOperation(texte, '-', termes) || termes.valeurs.size() != 2) return;
    std::int64_t a = termes.valeurs[0];
    std::int64_t b = termes.valeurs[1];
    // A negative difference is not posed this way.
    if (a < b) return;

    const int d = termes.decimales;
    const std::string texteA = chiffresOperation(a, d);
    const int W = static_cast<int>(texteA.size()) + 1;
    // Row 3 holds a, row 2 b, row 1 the marks added to b, row 0 the difference.
    TgrilleOperation grille(canevas, x0, y0, 2.5, 1.15, W, 4);
    grille.ecrireNombre(texteA, 3, 1, couleurOperande);
    grille.ecrireNombre(chiffresOperation(b, d), 2, 1, couleurOperande);
    grille.ecrire('-', 2, W, couleurOperande);
    grille.ecrireNombre(chiffresOperation(a - b, d), 0, 1, couleurOperande);
    if (d > 0) {
        grille.ecrire(',', 3, d + 0.5, couleurOperande);
        grille.ecrire(',', 2, d + 0.5, couleurOperande);
        grille.ecrire(',', 0, d + 0.6, couleurOperande);
    }
    grille.barre(0, W);

    // Equal additions: ten is added to the digit of a (a red 1 just left of it) and one to the
    // next digit of b (a red 1 under it).
    int emprunt = 0;
    for (int colonne = 1; colonne <= W - 2; ++colonne) {
        emprunt = a % 10 < b % 10 + emprunt ? 1 : 0;
        if (emprunt == 1) {
            grille.ecrire('1', 3, colonne + 0.35, couleurRetenue);
            grille.ecrire('1', 1, colonne + 1, couleurRetenue);
        }
        a /= 10;
        b /= 10;
    }
}
