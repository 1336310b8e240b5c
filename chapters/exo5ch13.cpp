// Chapter 13: cuboids and volumes.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre13() {}

void verifierReponseChapitre13()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre13()
{
    ecrireTexteSolution(*donneesCommunes);
}
