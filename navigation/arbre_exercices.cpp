#include "navigation/arbres.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "engine/base/nombres.h"
#include "engine/text/textes_numerotes.h"

namespace {

// Each chapter: its node, then its group heading, then its exercises up to the next chapter's
// node (the last chapter ends at node 463).
constexpr int noeudsChapitres[] = {0, 35, 67, 98, 146, 182, 221, 246, 285, 314, 346, 391, 428, 464};

// The exercises that have a name of their own; the others are numbered within their chapter.
struct TexerciceNomme {
    int noeud;
    const char* titre;
};
constexpr TexerciceNomme exercicesNommes[] = {
    {249, "Vocabulaire : parallèle, perpendiculaire"},
};

std::vector<TLigneArbre> construireLignes()
{
    std::vector<TLigneArbre> lignes;
    for (int chapitre = 0; chapitre + 1 < static_cast<int>(std::size(noeudsChapitres)); ++chapitre) {
        lignes.push_back({0, texteNumero(503 + chapitre)});
        lignes.push_back({1, "Exercices"});
        const int premier = noeudsChapitres[chapitre] + 2;
        for (int noeud = premier; noeud < noeudsChapitres[chapitre + 1]; ++noeud) {
            const auto nomme = std::find_if(std::begin(exercicesNommes), std::end(exercicesNommes),
                                            [&](const TexerciceNomme& e) { return e.noeud == noeud; });
            lignes.push_back({2, nomme != std::end(exercicesNommes)
                                     ? std::string(nomme->titre)
                                     : "Exercice " + reelVersChaine(noeud - premier + 1)});
        }
    }
    return lignes;
}

}  // namespace

std::span<const TLigneArbre> lignesArbreChoixExercice()
{
    static const std::vector<TLigneArbre> lignes = construireLignes();
    return lignes;
}
