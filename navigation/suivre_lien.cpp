#include "navigation/suivre_lien.h"

#include "engine/figure/lancer_outil.h"
#include "navigation/imagiciels.h"
#include "navigation/info.h"
#include "navigation/pages_cours.h"

namespace {

constexpr int lienPageCours = 1002;
constexpr int lienImagiciel = 1500;
constexpr int lienVocabulaire = 1990;

void montrerExercice(TdonneesCommunes& d)
{
    Arbre& arbre = *d.ArbreChoixExercice;
    arbre.Select(d.codeLien);
    const int choisi = arbre.Selected();
    if (arbre.HasChildren(choisi)) arbre.Expand(choisi, true);
    d.PageControle->setActivePage(d.PageMenu);
    arbre.SetFocus();
}

}  // namespace

// The ranges are tested in this order: the calculator's code lies among the vocabulary codes.
void suivreLien(TdonneesCommunes& d)
{
    const int code = d.codeLien;
    if (code == lienCalculatrice) {
        lancerOutil(code);
    } else if (code >= lienVocabulaire) {
        afficherInfo(d, code);
    } else if (code >= lienImagiciel) {
        allerImagiciel(d, code);
    } else if (code < lienPageCours) {
        montrerExercice(d);
    } else {
        allerPageCours(d, code);
    }
}
