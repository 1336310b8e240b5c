#pragma once
// The head of every message about a typed answer: "La réponse " for a single field, else the
// field's letter in green between blanks.

#include <string>

#include "exercise/donnees_communes.h"

std::string teteReponse(const TdonneesCommunes& donnees, int k);
