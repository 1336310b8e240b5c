#include "navigation/arbres.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "engine/base/nombres.h"
#include "engine/text/textes_numerotes.h"
#include "exercise/donnees_communes.h"

namespace {

// The tree's node count: the last chapter's exercises run up to node 463.
constexpr int nbNoeudsExercices = 464;

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
    // Each chapter: its node, its group heading, then its exercises up to the next chapter's node.
    for (std::size_t chapitre = 0; chapitre < noeudsChapitres.size(); ++chapitre) {
        lignes.push_back({0, texteNumero(503 + static_cast<int>(chapitre))});
        lignes.push_back({1, "Exercices"});
        const int premier = noeudsChapitres[chapitre] + 2;
        const int fin = chapitre + 1 < noeudsChapitres.size() ? noeudsChapitres[chapitre + 1] : nbNoeudsExercices;
        for (int noeud = premier; noeud < fin; ++noeud) {
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
