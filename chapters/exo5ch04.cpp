// Chapter 4: Euclidean and decimal division.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre04() {}

void verifierReponseChapitre04()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre04()
{
    ecrireTexteSolution(*donneesCommunes);
}
