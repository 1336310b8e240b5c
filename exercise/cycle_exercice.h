#pragma once
// The exercise cycle: an exercise is started, each question posed through its chapter, the answer
// checked, tried again, helped or solved, the question settled with its score, and the pupil sent
// to the next question or back to the menu. The window's buttons, keys and timer call these.

#include <cstdint>

#include "exercise/donnees_communes.h"

// Starts exercise n (its node in the exercise tree), after the pupil agreed to abandon the one
// running, if any.
void lancerExercice(TdonneesCommunes& donnees, std::int32_t n);
// The first question of numeroExercice, or with `suivante` the next one.
void poserQuestion(TdonneesCommunes& donnees, bool suivante);
// Checks the answer; on a settled question, goes on as BoutonSuite or BoutonSommaire would.
void validerReponse(TdonneesCommunes& donnees);
void reessayer(TdonneesCommunes& donnees);
void aide(TdonneesCommunes& donnees);
// Shows the solution, then counts a settled question's points and offers what comes next.
void terminerQuestion(TdonneesCommunes& donnees);
void afficherSolution(TdonneesCommunes& donnees);
// On the exercise page shown, the focus goes where the question waits for the pupil: Suite or
// Sommaire once it is settled or when there is nothing to answer, Réessayer after a wrong answer,
// else the active answer field, else Valider; where none of them is shown, the page itself: never
// a button that leaves a question not answered.
void focaliserQuestion(TdonneesCommunes& donnees);
// Repaints the solution text, the statement text, the statement figure and the solution figure,
// each when it shows.
void redessinerZonesExercice(TdonneesCommunes& donnees);
// Empties the solution text and hides and empties the solution figure.
void effacerZonesReponse(TdonneesCommunes& donnees);
