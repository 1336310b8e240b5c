// Chapter 10: line symmetry and axes of symmetry.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre10() {}

void verifierReponseChapitre10()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre10()
{
    ecrireTexteSolution(*donneesCommunes);
}

void reessayerChapitre10() {}
