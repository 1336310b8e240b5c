#pragma once
// How a check answers the pupil: a sound and a result picture above the solution lines.

#include "exercise/donnees_communes.h"
#include "platform/image.h"

// The picture as a picture object of the solution surface, at column 2, line 1.5.
void afficherImageResultat(TdonneesCommunes& donnees, const Image* image);
// The answer cannot be accepted as given; the caller counts no attempt: the question-mark beep
// and the picture ImageIncorrecte.
void signalerIncorrect(TdonneesCommunes& donnees);
