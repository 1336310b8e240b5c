// Chapter 8: ruler, set square, compass.

#include "chapters/dispatcheurs.h"
#include "exercise/exercices_communs.h"

// Its exercises without a statement of their own, exercise 249 among them, are the shared ones.
void poserQuestionChapitre08()
{
    enonceExercicesCommuns(*donneesCommunes);
}

void verifierReponseChapitre08()
{
    verifierExercicesCommuns(*donneesCommunes);
}

void afficherSolutionChapitre08()
{
    solutionExercicesCommuns(*donneesCommunes);
}

void reessayerChapitre08() {}
