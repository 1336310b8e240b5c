#pragma once
// Writing the statement: its lines, its frame, the remark on random data, the calculator, and
// the data an exercise reads from a list. Lines and columns are those of the statement text
// surface (8 pixels a column, 18 a line), shifted by its column offset.

#include <string>

#include "exercise/donnees_communes.h"

// A $-markup line in black at column 2, standing on the line: its top at (ligne − 0.5) × 18.
void ecrireEnonce(TdonneesCommunes& donnees, const std::string& texte, double ligne);
// The frame headed "Énoncé", from column 1 and line 0.2.
void encadrerEnonce(TdonneesCommunes& donnees, double colonnes, double lignes);
// Two statement lines, from ligne on.
void ecrireRemarqueDonneesHasard(TdonneesCommunes& donnees, double ligne);
// The calculator's picture at the top left of the statement; a click on it starts the system's
// calculator.
void afficherCalculatrice(TdonneesCommunes& donnees);
// A course page offers the exercise of link code `lien` with its button at that line.
void placerBoutonPourSexercer(TdonneesCommunes& donnees, std::int32_t lien, double ligne);
// The pieces of texte between "\" read as numbers (comma or point), rounded to integers, into
// the statement figure's parametres 1, 2, 3, ...; pieces beyond the sixteenth are ignored.
void lireListeNombres(TdonneesCommunes& donnees, const std::string& texte);
