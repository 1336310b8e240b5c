// Chapter 6: proportionality.

#include "chapters/dispatcheurs.h"
#include "exercise/ecriture_solution.h"
#include "exercise/exercices_communs.h"

void poserQuestionChapitre06() {}

void verifierReponseChapitre06()
{
    verifierExercicesCommuns(*donneesCommunes);
}

void afficherSolutionChapitre06()
{
    ecrireTexteSolution(*donneesCommunes);
}
