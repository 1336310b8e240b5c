// Chapter 2: addition and subtraction.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre02() {}

void verifierReponseChapitre02()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre02()
{
    ecrireTexteSolution(*donneesCommunes);
}
