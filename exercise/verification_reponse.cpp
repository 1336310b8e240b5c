#include "exercise/verification_reponse.h"

#include "exercise/cases_choix.h"
#include "exercise/ecriture_solution.h"
#include "exercise/signalement.h"
#include "exercise/tete_reponse.h"
#include "exercise/verification_figure.h"
#include "exercise/verification_nombre.h"
#include "exercise/verification_type.h"

namespace {

constexpr double ligneConseilRefaire = 6;
// Short series, where going back to the exercises before them is worth the advice.
constexpr int dureeConseilRefaire = 25;

// A refused or right field is not wrong.
bool estFaux(std::uint8_t resultat)
{
    return resultat != resultatJuste && resultat != resultatForme;
}

void ecrireChampsFaux(TdonneesCommunes& donnees, int premierFaux)
{
    for (int k = premierFaux; k <= donnees.nbChamps; ++k) {
        if (!estFaux(donnees.resultatChamp[k])) continue;
        // Of true/false answers only the first wrong one is told: the others would give it away.
        if (donnees.typeReponse[k] != typeVraiFaux || k == premierFaux)
            ecrireLigneSolution(donnees, teteReponse(donnees, k) + "est fausse.");
        if (donnees.premiereErreurSeule) return;
    }
}

// The pupil has a diagram to set, not yet found right.
bool diagrammeARegler(const TdonneesCommunes& donnees)
{
    const Tfigure* f = donnees.surfaceFigureEnonce;
    const Tobjet* diagramme = f ? objetDIndice(*f, f->indiceDiagramme) : nullptr;
    return diagramme && !diagramme->verrouille;
}

const Image* imageCalculMentalFaux(const TdonneesCommunes& donnees)
{
    if (donnees.tempsEcoule) return donnees.ImageDepasse;
    if (donnees.resultat == resultatNonCompris || donnees.resultat == resultatForme) return donnees.ImageCMincorrect;
    return donnees.ImageFausse;
}

}  // namespace

void verifierReponse(TdonneesCommunes& donnees)
{
    if (donnees.modeReponse == modeSansReponse)
        donnees.questionTerminee = true;
    else if (donnees.nbChamps > 1)
        verifierPlusieursChamps(donnees);
    else if (donnees.choixUnique)
        verifierChoixUnique(donnees);
    else if (diagrammeARegler(donnees))
        verifierDiagramme(donnees);
    else if (donnees.modeReponse == modeCalculMental)
        verifierChampUnique(donnees);
    else
        verifierPlusieursChamps(donnees);
}

void verifierPlusieursChamps(TdonneesCommunes& donnees)
{
    int premierFaux = 0, premierRefuse = 0;
    for (int k = 1; k <= donnees.nbChamps; ++k) {
        std::uint8_t& r = donnees.resultatChamp[k];
        verifierSelonType(donnees, k, r);
        if (r == resultatNonCompris) {
            --donnees.nbEssais;
            donnees.champActif = static_cast<std::uint8_t>(k);
            return;
        }
        if (estFaux(r) && premierFaux == 0) premierFaux = k;
        if (r == resultatForme && premierFaux == 0 && premierRefuse == 0) premierRefuse = k;
    }
    if (premierFaux != 0 || premierRefuse != 0)
        donnees.champActif = static_cast<std::uint8_t>(premierFaux != 0 ? premierFaux : premierRefuse);
    if (premierFaux == 0 && premierRefuse != 0) {
        --donnees.nbEssais;
        donnees.resultat = resultatForme;
    } else if (premierFaux == 0) {
        donnees.resultat = resultatJuste;
        donnees.questionTerminee = true;
        signalerJuste(donnees);
        donnees.pointsObtenus = donnees.pointsQuestion - 2 * (donnees.nbEssais - 1);
    } else {
        signalerFaux(donnees);
        donnees.solutionPermise = donnees.nbEssais > 2;
        ecrireChampsFaux(donnees, premierFaux);
    }
}

void verifierChampUnique(TdonneesCommunes& donnees)
{
    verifierNombre(donnees, 1, donnees.resultat);
    if (donnees.resultat == resultatJuste) {
        signalerJuste(donnees);
        donnees.pointsObtenus = donnees.pointsQuestion;
    } else {
        jouerSon(donnees, "erreur");
        afficherImageResultat(donnees, imageCalculMentalFaux(donnees));
        if (donnees.resultat == resultatFaux && donnees.dureeHorloge < dureeConseilRefaire && donnees.conseilRefaire)
            ecrireSolution(donnees, "Refaire en cas de difficultés les exercices précédant le calcul mental.",
                           ligneConseilRefaire);
    }
    donnees.questionTerminee = true;
}
