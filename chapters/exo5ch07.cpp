// Chapter 7: organising data.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre07() {}

void verifierReponseChapitre07()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre07()
{
    ecrireTexteSolution(*donneesCommunes);
}
