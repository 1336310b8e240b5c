#pragma once
// String routines of answer checking and of the renderer. Texts are Windows-1252 bytes.

#include <string>
#include <string_view>

#include "engine/base/ensemble.h"

// 'a'..'z' to 'A'..'Z'; accented letters are left as they are.
std::string enMajuscules(const std::string& s);
std::string sansEspaces(const std::string& s);
// Remove leading and trailing blanks in place; the short form also keeps at most 120 characters.
void supprimerBlancsExtremesCourte(std::string& s);
void supprimerBlancsExtremes(std::string& s);
// Replaces every occurrence of the motif (its first 10 characters) by the replacement, searching
// again from the start after each one; an empty motif changes nothing, and a replacement that
// holds the motif replaces each occurrence once.
void remplacerTout(std::string& s, std::string_view motif, std::string_view remplacement);
// Deletes every character of s that belongs to the set; the short form first keeps at most 120
// characters.
void supprimerCaracteresCourte(std::string& s, const Ensemble256& ensemble);
void supprimerCaracteres(std::string& s, const Ensemble256& ensemble);
// The set of the given characters.
Ensemble256 ensembleDe(const std::string& caracteres);
// "janvier" .. "décembre" for 1..12; empty outside.
std::string nomDuMois(int mois);
