#pragma once
// The instruments of the statement figure as the exercise sets them: imposed by the exercise
// (the panel then stays hidden) or offered through the instrument panel, and saved and restored
// around the steps of a construction.

#include "engine/figure/outil.h"
#include "exercise/donnees_communes.h"

// Slot 1 gets the kind and only that kind; a protractor gets the radius 5.9.
void definirOutil(TdonneesCommunes& donnees, TgenreOutil genre);
void definirDeuxOutils(TdonneesCommunes& donnees, TgenreOutil genre1, TgenreOutil genre2);
void libererOutilsImposes(TdonneesCommunes& donnees);
// The panel shows exactly when the statement figure has instruments the exercise did not impose.
void montrerPanneauOutils(TdonneesCommunes& donnees);
void cacherPanneauOutils(TdonneesCommunes& donnees);
void sauverOutils(TdonneesCommunes& donnees);
void restaurerOutils(TdonneesCommunes& donnees);
