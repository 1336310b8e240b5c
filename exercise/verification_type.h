#pragma once
// The check of one typed answer field by its kind: geometric names, expressions, lists of values,
// inequalities and bounds here, every other kind by the numeric check. Each checker reads
// reponseTapee[k] and texteAttendu[k], writes its result and its explanation lines, and gives the
// question beep for the refusals (resultatNonCompris, resultatForme) that the pupil must correct.

#include <cstdint>
#include <string>

#include "exercise/donnees_communes.h"

// Routes field k (1..3) to its checker; a field that may stay empty is first checked for
// emptiness.
void verifierSelonType(TdonneesCommunes& donnees, int k, std::uint8_t& resultat);

void verifierNomGeometrique(TdonneesCommunes& donnees, int k, std::uint8_t& resultat);
void verifierExpression(TdonneesCommunes& donnees, int k, std::uint8_t& resultat);
void verifierListeValeurs(TdonneesCommunes& donnees, int k, std::uint8_t& resultat);
void verifierInegalite(TdonneesCommunes& donnees, int k, std::uint8_t& resultat);
void verifierEncadrement(TdonneesCommunes& donnees, int k, std::uint8_t& resultat);

// Inequality signs, as read at the start of a text.
constexpr int signeAucun = 0;
constexpr int signeInferieur = 1;
constexpr int signeInferieurEgal = 2;
constexpr int signeSuperieur = 3;
constexpr int signeSuperieurEgal = 4;

// Reads and deletes a leading "<", "<=", ">" or ">="; any other start gives signeAucun and
// deletes nothing.
int lireSigneInegalite(std::string& texte);

// A value of a list could be written more simply than it was: the expected one is a whole number
// (form 2) and the given one is not written as one, or the expected one is a decimal or a fraction
// (forms 3, 4) and the given one is some other expression (form 10).
bool formeSimplifiable(int formeAttendue, int formeDonnee);
