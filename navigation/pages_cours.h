#pragma once
// Course pages on surfaceCours: the picture of the page with its frames and buttons, the history
// of the pages left by following links, and the previous, next and back buttons.

#include <string>

#include "exercise/donnees_communes.h"

// Shows the course page of a code 1002..1499; a code without a picture shows its title and
// "Image non disponible".
void afficherPageCours(TdonneesCommunes& donnees, int code);
// Only brings PageCours to the front when the page is the one shown.
void allerPageCours(TdonneesCommunes& donnees, int code);

// The course buttons: the next and previous pages of the tree, headings skipped, and the page
// before in the history.
void pageCoursSuivante(TdonneesCommunes& donnees);
void pageCoursPrecedente(TdonneesCommunes& donnees);
void pageCoursRetour(TdonneesCommunes& donnees);

// A title of the tree of course pages written in the $-markup, where a plain "-" is a minus sign
// and a hyphen "$-".
std::string titreEnBalise(std::string titre);

// The chapter node of ArbreChoixCours of each chapter code 2..14.
constexpr int noeudsChapitresCours[] = {0, 11, 22, 33, 44, 55, 66, 75, 86, 96, 106, 117, 129};
