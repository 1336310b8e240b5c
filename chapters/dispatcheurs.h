#pragma once
// The chapters' dispatchers: each reads numeroExercice (and numeroQuestion) from the shared record
// and runs the statement, the check or the solution of that exercise, or the default of its
// chapter. An exercise without a branch of its own poses nothing. Chapters 8, 10 and 12 also put
// the statement figure back before a new try, and chapter 12 draws help into it.

#include "exercise/donnees_communes.h"

void poserQuestionChapitre01();
void verifierReponseChapitre01();
void afficherSolutionChapitre01();
void poserQuestionChapitre02();
void verifierReponseChapitre02();
void afficherSolutionChapitre02();
void poserQuestionChapitre03();
void verifierReponseChapitre03();
void afficherSolutionChapitre03();
void poserQuestionChapitre04();
void verifierReponseChapitre04();
void afficherSolutionChapitre04();
void poserQuestionChapitre05();
void verifierReponseChapitre05();
void afficherSolutionChapitre05();
void poserQuestionChapitre06();
void verifierReponseChapitre06();
void afficherSolutionChapitre06();
void poserQuestionChapitre07();
void verifierReponseChapitre07();
void afficherSolutionChapitre07();
void poserQuestionChapitre08();
void verifierReponseChapitre08();
void afficherSolutionChapitre08();
void reessayerChapitre08();
void poserQuestionChapitre09();
void verifierReponseChapitre09();
void afficherSolutionChapitre09();
void poserQuestionChapitre10();
void verifierReponseChapitre10();
void afficherSolutionChapitre10();
void reessayerChapitre10();
void poserQuestionChapitre11();
void verifierReponseChapitre11();
void afficherSolutionChapitre11();
void poserQuestionChapitre12();
void verifierReponseChapitre12();
void afficherSolutionChapitre12();
void reessayerChapitre12();
void aideChapitre12();
void poserQuestionChapitre13();
void verifierReponseChapitre13();
void afficherSolutionChapitre13();
