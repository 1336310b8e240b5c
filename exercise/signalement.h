#pragma once
// How a check answers the pupil: a sound and a result picture above the solution lines, and for a
// wrong answer its message.

#include <string>

#include "exercise/donnees_communes.h"
#include "platform/image.h"

// The picture as a picture object of the solution surface, at column 2, line 1.5.
void afficherImageResultat(TdonneesCommunes& donnees, const Image* image);
// Right: the beep and ImageExacte, or ImageAcceptee when the exercise accepts rather than
// approves.
void signalerJuste(TdonneesCommunes& donnees);
// Wrong: resultat := resultatFaux, the error sound and ImageFausse.
void signalerFaux(TdonneesCommunes& donnees);
// The message at line 2.5 of the solution, then signalerFaux.
void signalerFauxMessage(TdonneesCommunes& donnees, const std::string& texte);
// The answer cannot be accepted as given; the caller counts no attempt: the question-mark beep
// and the picture ImageIncorrecte.
void signalerIncorrect(TdonneesCommunes& donnees);
// The sound file nom + ".wav" of the program's folder. A missing or unreadable file plays
// nothing, and the check goes on.
void jouerSon(TdonneesCommunes& donnees, const std::string& nom);
