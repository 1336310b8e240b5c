// Chapter 9: protractor and angle measures.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre09() {}

void verifierReponseChapitre09()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre09()
{
    ecrireTexteSolution(*donneesCommunes);
}
