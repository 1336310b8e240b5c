#pragma once
// The answer fields of the exercise page and their labels. The fields' right edges line up at
// x = 421 of the statement zone; one field stands at 251, two or three stand on top of one
// another down to 263.

#include <string>

#include "exercise/donnees_communes.h"

// Shows fields 1..n (0..3) emptied and editable, each `largeur` pixels wide; hides the others.
void placerChampsReponse(TdonneesCommunes& donnees, int n, int largeur);
// placerChampsReponse at the usual width of 121 pixels.
void definirChampsReponse(TdonneesCommunes& donnees, int n);

// A black text whose left edge is `decalage` columns left of field k and whose top is 27 pixels
// above it.
void ecrireEtiquetteChamp(TdonneesCommunes& donnees, int k, const std::string& texte, double decalage);
// "Réponse :" before field 1.
void ecrireEtiquetteReponse(TdonneesCommunes& donnees);
// "Réponse a :", "Réponse b :" (and "Réponse c :") before fields 1, 2 (and 3).
void ecrireEtiquettesReponseAB(TdonneesCommunes& donnees);
void ecrireEtiquettesReponseABC(TdonneesCommunes& donnees);
