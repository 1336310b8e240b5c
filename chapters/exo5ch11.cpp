// Chapter 11: usual figures.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre11() {}

void verifierReponseChapitre11()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre11()
{
    ecrireTexteSolution(*donneesCommunes);
}
