#include "exercise/exercices_communs.h"

#include "exercise/ecriture_enonce.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

namespace {

constexpr std::int32_t exerciceDroites = 249;
constexpr double ligneRemarque = 7;

}  // namespace

void enonceExercicesCommuns(TdonneesCommunes& donnees)
{
    if (donnees.numeroExercice == exerciceDroites) poserDroitesPerpendiculairesOuParalleles(donnees);
}

void verifierExercicesCommuns(TdonneesCommunes& donnees)
{
    if (donnees.numeroExercice != 0) verifierReponse(donnees);
}

void solutionExercicesCommuns(TdonneesCommunes& donnees)
{
    if (donnees.numeroExercice == exerciceDroites)
        corrigerDroitesPerpendiculairesOuParalleles(donnees);
    else
        ecrireTexteSolution(donnees);
}

void ecrireConseilPointVirgule(TdonneesCommunes& donnees, double ligne)
{
    ecrireEnonce(donnees, "Utiliser le point$-virgule pour séparer les éléments d'une liste.", ligne);
}

void ecrireRemarquePlusieursChapitres(TdonneesCommunes& donnees)
{
    ecrireSolution(donnees, "Remarque : cet exercice est accessible à partir de plusieurs chapitres.", ligneRemarque);
}
