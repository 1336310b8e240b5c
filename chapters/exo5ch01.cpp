// Chapter 1: whole and decimal numbers.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_reponse.h"

void poserQuestionChapitre01() {}

void verifierReponseChapitre01()
{
    verifierReponse(*donneesCommunes);
}

void afficherSolutionChapitre01()
{
    ecrireTexteSolution(*donneesCommunes);
}
