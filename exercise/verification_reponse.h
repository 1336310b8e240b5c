#pragma once
// The default check of a question, chosen by how the pupil answers, and the framework's checks of
// typed fields. Each sets resultat, questionTerminee, pointsObtenus, solutionPermise and
// champActif, and answers the pupil; an answer that must be corrected takes its attempt back from
// nbEssais, since the exercise cycle counts one whenever the question stays open.

#include "exercise/donnees_communes.h"

void verifierReponse(TdonneesCommunes& donnees);
// Fields 1..nbChamps by kind. A field not understood stops the check at once; a field in a
// refused form costs no attempt unless another is wrong; each wrong field gets its line.
void verifierPlusieursChamps(TdonneesCommunes& donnees);
// The one field of a mental-calculation question: settled at the first answer, right or not.
void verifierChampUnique(TdonneesCommunes& donnees);
