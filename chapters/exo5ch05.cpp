// Chapter 5: the quotient of two whole numbers.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/exercices_communs.h"

void poserQuestionChapitre05() {}

void verifierReponseChapitre05()
{
    verifierExercicesCommuns(*donneesCommunes);
}

void afficherSolutionChapitre05()
{
    ecrireTexteSolution(*donneesCommunes);
}
