#include <string>

#include "exercise/lecture_nombres.h"
#include "exercise/verification_nombre_interne.h"

namespace {

constexpr double exposantMax = 32000;

// Removes a leading sign of the given kinds; true when it was a minus.
bool retirerSigne(std::string& texte, bool plusAdmis)
{
    if (texte.empty()) return false;
    if (texte.front() == '-') {
        texte.erase(0, 1);
        return true;
    }
    if (plusAdmis && texte.front() == '+') texte.erase(0, 1);
    return false;
}

}  // namespace

void verifierNotationScientifique(TverificationNombre& v, const std::string& compact)
{
    const std::string incomprise = v.tete + "n'est pas comprise comme notation scientifique.";
    const std::string marque = marqueNotationScientifique;
    // Something before the mark; the power may be missing, and is then not understood.
    const std::string::size_type position = compact.find(marque);
    if (position == std::string::npos || position < 1) {
        refuserNombre(v, {incomprise});
        return;
    }
    std::string mantisse = compact.substr(0, position);
    std::string exposant = compact.substr(position + marque.size());
    const bool mantisseNegative = retirerSigne(mantisse, false);
    const bool exposantNegatif = retirerSigne(exposant, true);

    double puissance = 0;
    int code = lectureIncomprise;
    lireNombre(exposant, puissance, code);
    if (!lectureReussie(code)) {
        refuserNombre(v, {incomprise});
        return;
    }
    if (puissance > exposantMax) {
        refuserNombre(v, {incomprise, exposantNegatif ? "La puissance de 10 est beaucoup trop petite."
                                                      : "La puissance de 10 est beaucoup trop grande."});
        return;
    }
    const int p = static_cast<int>(puissance);
    const int exposantLu = exposantNegatif ? -p : p;

    double valeur = 0;
    lireNombreOuFraction(mantisse, valeur, code);
    if (!lectureReussie(code)) {
        refuserNombre(v, {incomprise});
        return;
    }
    if (valeur < 1) {
        refuserNombre(v, {incomprise, "En effet, " + mantisse + " est inférieur à 1."});
        return;
    }
    if (valeur >= 10) {
        refuserNombre(v, {incomprise, "En effet, " + mantisse + " n'est pas inférieur à 10."});
        return;
    }
    if (mantisseNegative) valeur = -valeur;
    v.donnees.valeurTapee[v.k] = valeur;
    const bool juste = exposantLu == v.donnees.champsReponse[v.k].exposantAttendu && valeurAdmise(v, valeur);
    v.resultat = juste ? resultatJuste : resultatFaux;
}
