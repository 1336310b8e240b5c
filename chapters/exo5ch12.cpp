// Chapter 12: perimeters and areas.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre12() {}

void verifierReponseChapitre12()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre12()
{
    ecrireTexteSolution(*donneesCommunes);
}

void reessayerChapitre12() {}

void aideChapitre12() {}
