#include "exercise/verification_type.h"

#include <array>

#include "exercise/liste_solutions.h"
#include "exercise/lecture_nombres.h"
#include "exercise/verification_nombre.h"

namespace {

using Tverificateur = void (*)(TdonneesCommunes&, int, std::uint8_t&);

struct TgenreVerifie {
    std::uint8_t genre;
    Tverificateur verificateur;
};

constexpr TgenreVerifie genresVerifies[] = {
    {typeNomDroite, verifierNomGeometrique},
    {typeNomDemiDroite, verifierNomGeometrique},
    {typeNomDeuxPoints, verifierNomGeometrique},
    {typeNomSegment, verifierNomGeometrique},
    {typeNomDeuxPointsListe, verifierNomGeometrique},
    {typeNomAngle, verifierNomGeometrique},
    {typeNomPoint, verifierNomGeometrique},
    {typeNomTroisPoints, verifierNomGeometrique},
    {typeNomQuatrePoints, verifierNomGeometrique},
    {typeEnsemblePoints, verifierNomGeometrique},
    {typeExpression, verifierExpression},
    {typeExpressionFactorisee, verifierExpression},
    {typeExpressionDeveloppee, verifierExpression},
    {typeExpressionSansParentheses, verifierExpression},
    {typeExpressionLibre, verifierExpression},
    {typeSolutions, verifierListeValeurs},
    {typeListeNonOrdonnee, verifierListeValeurs},
    {typeListeOrdonnee, verifierListeValeurs},
    {typeCoordonnees, verifierListeValeurs},
    {typeInegalite, verifierInegalite},
    {typeInegaliteStricte, verifierInegalite},
    {typeEncadrement, verifierEncadrement},
};

// The checker of every kind; the numeric check for the kinds not listed above.
constexpr std::array<Tverificateur, 256> tableVerificateurs = [] {
    std::array<Tverificateur, 256> table{};
    table.fill(verifierNombre);
    for (const TgenreVerifie& g : genresVerifies) table[g.genre] = g.verificateur;
    return table;
}();

}  // namespace

void verifierSelonType(TdonneesCommunes& donnees, int k, std::uint8_t& resultat)
{
    if (donnees.champsReponse[k].peutResterVide) {
        const bool attenduVide = donnees.texteAttendu[k].empty();
        const bool reponseVide = donnees.reponseTapee[k].empty();
        if (attenduVide || reponseVide) {
            resultat = attenduVide && reponseVide ? resultatJuste : resultatFaux;
            return;
        }
    }
    tableVerificateurs[donnees.typeReponse[k]](donnees, k, resultat);
}

bool formeSimplifiable(int formeAttendue, int formeDonnee)
{
    if (formeAttendue == lectureEntier) return formeDonnee != lectureEntier;
    return (formeAttendue == lectureDecimal || formeAttendue == lectureFraction) && formeDonnee == formeExpression;
}

int lireSigneInegalite(std::string& texte)
{
    if (texte.empty() || (texte.front() != '<' && texte.front() != '>')) return signeAucun;
    const bool egal = texte.size() >= 2 && texte[1] == '=';
    const int signe = texte.front() == '<' ? (egal ? signeInferieurEgal : signeInferieur)
                                           : (egal ? signeSuperieurEgal : signeSuperieur);
    texte.erase(0, egal ? 2 : 1);
    return signe;
}
