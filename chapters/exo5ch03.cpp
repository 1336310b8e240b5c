// Chapter 3: multiplication.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre03() {}

void verifierReponseChapitre03()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre03()
{
    ecrireTexteSolution(*donneesCommunes);
}
