#pragma once
// Choice cells: rounded boxes in the statement zone that the pupil ticks (one, several, or one
// per group) or swaps two at a time to put their texts in order. Cells are in pixels of the
// statement text box and numbered row by row from the top left.

#include <cstdint>
#include <string>

#include "exercise/donnees_communes.h"

// lignes × colonnes visible, unticked cells of the given height sharing the given width, the
// grid standing on the line y = 260 − espacementChoix; every other cell is hidden. Cells beyond
// the thirtieth are not laid out.
void disposerChoix(TdonneesCommunes& donnees, int lignes, int colonnes, double hauteur, double largeur);
// Over the statement's width: 680 pixels less its column offset.
void disposerChoixSurLargeur(TdonneesCommunes& donnees, int lignes, int colonnes, double hauteur);
// Cell `numeroCase` shows text `numeroTexte`, which becomes texte, centred by `decalage` columns.
void definirChoix(TdonneesCommunes& donnees, int numeroCase, int numeroTexte, const std::string& texte,
                  double decalage);
// Paints the visible cells on the statement text box's canvas, over the statement.
void dessinerChoix(TdonneesCommunes& donnees);
// The first visible cell strictly containing (sourisX, sourisY); 0 for none.
int choixSousSouris(const TdonneesCommunes& donnees);
// A click in the statement zone that hit no link, at (sourisX, sourisY).
void cliquerZoneEnonce(TdonneesCommunes& donnees);
// One try: right when cell choixJuste is ticked.
void verifierChoixUnique(TdonneesCommunes& donnees);
