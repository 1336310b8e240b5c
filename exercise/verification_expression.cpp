#include <array>

#include "exercise/comparaison_expressions.h"
#include "exercise/ecriture_solution.h"
#include "exercise/signalement.h"
#include "exercise/tete_reponse.h"
#include "exercise/verification_type.h"

namespace {

// What a comparison code gives: the result, whether the first line starts with the head, and the
// lines.
struct TissueExpression {
    int code;
    std::uint8_t resultat;
    bool avecTete;
    std::array<const char*, 4> lignes;
};

constexpr TissueExpression issuesExpression[] = {
    {comparaisonJuste, resultatJuste, false, {}},
    {comparaisonValeursDifferentes, resultatFaux, false, {}},
    {comparaisonReponseIllisible, resultatNonCompris, true, {"est incorrecte."}},
    {comparaisonNonPolynomiale, resultatNonCompris, true,
     {"est incorrecte:", "Une division par une expression variable n'est pas autorisée ici."}},
    {comparaisonVariableInconnue, resultatNonCompris, true, {"est incorrecte (variable non reconnue)"}},
    {comparaisonParenthesage, resultatNonCompris, true, {"est incorrecte (erreur de parenthésage)"}},
    {comparaisonPuissance, resultatNonCompris, true,
     {"est incorrecte :", "Les puissances doivent être ici des entiers de 2 à 9."}},
    {comparaisonQuotientProduit, resultatNonCompris, true,
     {" contient un quotient suivi d'un produit.",
      "Veuillez ajouter des parenthèses pour confirmer la priorité du quotient."}},
    {comparaisonAttenduIllisible, resultatNonCompris, false, {"Expression prof incorrecte !!!"}},
    {comparaisonRacineVariable, resultatNonCompris, true,
     {"est incorrecte:", "Les racines carrées non constantes ne sont pas autorisées ici.",
      "positifs non carrés parfaits et les racines carrées de fractions irréductibles",
      "positives dont ni le numérateur, ni le dénominateur ne sont des carrés parfaits"}},
    {comparaisonNonDeveloppee, resultatForme, true, {"n'est pas développée."}},
    {comparaisonTropDeTermes, resultatForme, true, {"peut être réduite."}},
    {comparaisonNonReduite, resultatForme, true, {"peut être réduite."}},
    {comparaisonNonFactorisee, resultatForme, true, {"n'est pas ou pas assez factorisée."}},
    {comparaisonPasAssezFactorisee, resultatForme, true, {"n'est pas ou pas assez factorisée."}},
    {comparaisonSimplifiable, resultatForme, true, {"peut être simplifiée."}},
    {comparaisonParenthesesInterdites, resultatForme, true, {"est à donner sans utiliser de parenthèses."}},
};

constexpr std::size_t issueIllisible = 2;
static_assert(issuesExpression[issueIllisible].code == comparaisonReponseIllisible);

const TissueExpression& issueDe(int code)
{
    for (const TissueExpression& issue : issuesExpression)
        if (issue.code == code) return issue;
    // No other code is given; should one be, the answer is one that could not be read.
    return issuesExpression[issueIllisible];
}

}  // namespace

void verifierExpression(TdonneesCommunes& donnees, int k, std::uint8_t& resultat)
{
    const int code = comparerExpressions(donnees.reponseTapee[k], donnees.texteAttendu[k],
                                         donnees.champsReponse[k].termesAdmis,
                                         donnees.champsReponse[k].tolerance, donnees.typeReponse[k]);
    const TissueExpression& issue = issueDe(code);
    resultat = issue.resultat;
    for (std::size_t i = 0; i < issue.lignes.size() && issue.lignes[i]; ++i) {
        const bool tete = i == 0 && issue.avecTete;
        ecrireLigneSolution(donnees, tete ? teteReponse(donnees, k) + issue.lignes[i] : std::string(issue.lignes[i]));
    }
    if (resultat == resultatNonCompris || resultat == resultatForme) signalerIncorrect(donnees);
}
