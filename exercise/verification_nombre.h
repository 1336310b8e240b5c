#pragma once
// The check of a typed answer whose kind is numeric: numbers with a decimal comma, fractions,
// angles, multiples of pi, true/false and yes/no letters, comparison signs, durations,
// spreadsheet formulas and scientific notation. It answers right, wrong, or a refusal that costs
// no attempt, each refusal with its message in the solution surface.

#include <cstdint>
#include <string>

#include "exercise/donnees_communes.h"

// Judges field k (1..3): resultatJuste, resultatFaux (no message: the caller writes it),
// resultatNonCompris or resultatForme; valeurTapee[k] gets the value read. In mental calculation
// the refusals of the pupil's own writing habits are silent.
void verifierNombre(TdonneesCommunes& donnees, int k, std::uint8_t& resultat);

// A spreadsheet formula of genre 1 SOMME, 2 an operation on two cells, 3 MAX, 4 MIN, 5 MEDIANE,
// against the expected range or the accepted writings; prefixe heads its messages. Every refusal
// gives resultatNonCompris; another genre leaves the result as it was.
void verifierFormuleTableur(TdonneesCommunes& donnees, int genre, const std::string& prefixe,
                            const std::string& attendu, std::uint8_t& resultat,
                            const std::string& texte);
// The two lines that say how a cell is named.
void aideNomCellule(TdonneesCommunes& donnees);
