#include <string>

#include "exercise/ecriture_solution.h"
#include "exercise/liste_solutions.h"
#include "exercise/signalement.h"
#include "exercise/tete_reponse.h"
#include "exercise/verification_valeurs.h"
#include "exercise/verification_type.h"

namespace {

// Items compared in order. False with the result and the lines of the first wrong item.
bool valeursEgales(TdonneesCommunes& donnees, int k, const std::string& tete, const TlisteSolutions& attendue,
                   const TlisteSolutions& donnee, double tolerance, std::uint8_t& resultat)
{
    const std::uint8_t genre = donnees.typeReponse[k];
    const std::string& point = donnees.champsReponse[k].termesAdmis;
    bool abscisseFausse = false;
    for (int i = 0; i < attendue.nbSolutions; ++i) {
        if (!ecartTrop(attendue.solutions[i].valeur, donnee.solutions[i].valeur, tolerance)) continue;
        if (genre == typeCoordonnees && i == 0) {
            abscisseFausse = true;
            continue;
        }
        resultat = resultatFaux;
        if (genre == typeListeOrdonnee)
            ecrireLigneSolution(donnees, "La valeur numéro " + std::to_string(i + 1) + " de l" + tete.substr(1) + "est fausse.");
        else if (genre == typeCoordonnees)
            ecrireLigneSolution(donnees, abscisseFausse ? "Les coordonnées de " + point + " sont fausses."
                                                        : "L'ordonnée de " + point + " est fausse.");
        return false;
    }
    if (abscisseFausse) {
        resultat = resultatFaux;
        ecrireLigneSolution(donnees, "L'abscisse de " + point + " est fausse.");
        return false;
    }
    return true;
}

}  // namespace

void verifierListeValeurs(TdonneesCommunes& donnees, int k, std::uint8_t& resultat)
{
    const std::uint8_t genre = donnees.typeReponse[k];
    const bool trier = genre == typeSolutions || genre == typeListeNonOrdonnee;
    const std::string tete = teteReponse(donnees, k);

    TlisteSolutions attendue;
    lireListeSolutions(attendue, donnees.texteAttendu[k], trier);
    if (attendue.erreur != 0 || (trier && attendue.doublon)) {
        refuserExpressionProf(donnees, resultat);
        return;
    }
    TlisteSolutions donnee;
    lireListeSolutions(donnee, donnees.reponseTapee[k], trier);
    if (donnee.erreur != 0) {
        refuserIncomprise(donnees, tete, resultat);
        return;
    }
    if (genre == typeSolutions && donnee.doublon) {
        resultat = resultatNonCompris;
        ecrireLigneSolution(donnees, tete + "contient une solution en double.");
        signalerIncorrect(donnees);
        return;
    }
    if (donnee.nbSolutions != attendue.nbSolutions) {
        // A set of solutions may lack some; any other list must have the expected count.
        if (genre == typeSolutions)
            resultat = resultatFaux;
        else
            refuserAvecLigne(donnees, tete + "doit contenir " + std::to_string(attendue.nbSolutions) + " valeurs.",
                             resultat);
        return;
    }
    if (attendue.nbSolutions == 0) {
        resultat = resultatJuste;
        return;
    }
    const double tolerance = toleranceNonNulle(donnees.champsReponse[k].tolerance);
    if (!valeursEgales(donnees, k, tete, attendue, donnee, tolerance, resultat)) return;
    for (int i = 0; i < attendue.nbSolutions; ++i) {
        if (valeurSimplifiable(attendue.solutions[i], donnee.solutions[i])) {
            refuserSimplifiable(donnees, tete, resultat);
            return;
        }
    }
    resultat = resultatJuste;
}
