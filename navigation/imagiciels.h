#pragma once
// The animated constructions on PageImagiciel: a text surface that explains and a figure surface
// that shows, either one interactive page or a construction replayed step by step with
// BoutonAvancer and BoutonReculer, whose finished figure the pupil may then drag.

#include "exercise/donnees_communes.h"

// Starts the animation whose code is in `imagiciel`.
void lancerImagiciel(TdonneesCommunes& donnees);
// Starts the animation of the code, or only brings PageImagiciel to the front when it is the one
// already shown.
void allerImagiciel(TdonneesCommunes& donnees, int code);
// Brings both surfaces to step etapeImagiciel and sets the two buttons.
void deroulerEtapeImagiciel(TdonneesCommunes& donnees);
// The focus goes to BoutonAvancer, so that Enter goes on to the next step; at the last step, where
// it is disabled, to BoutonReculer rather than nowhere; without steps, to the page itself, where
// Enter does nothing.
void focaliserImagiciel(TdonneesCommunes& donnees);
// The two buttons: one step forward or back, within the steps, and both surfaces repainted.
void etapeSuivanteImagiciel(TdonneesCommunes& donnees);
void etapePrecedenteImagiciel(TdonneesCommunes& donnees);
