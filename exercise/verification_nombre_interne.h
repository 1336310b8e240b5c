#pragma once
// What the branches of the numeric check share: the field being judged and its refusals.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "exercise/donnees_communes.h"

struct TverificationNombre {
    TdonneesCommunes& donnees;
    int k;
    // "La réponse " or the field's letter: the head of the messages.
    std::string tete;
    std::uint8_t& resultat;
    // The field's tolerance, 0 read as the default.
    double tolerance;
};

// Where a typed number says "times ten to the power", on the text upper-cased without blanks.
constexpr const char* marqueNotationScientifique = "*10P";

// resultatNonCompris, the lines and the question beep, in every answer mode.
void refuserNombre(TverificationNombre& v, std::initializer_list<std::string> lignes);
// The value lies within the tolerance of the expected one, bounds included.
bool valeurAdmise(const TverificationNombre& v, double valeur);
// A mantissa from 1 to 10 (excluded), "*10p", and a whole power of ten; compact is the typed text
// upper-cased without blanks.
void verifierNotationScientifique(TverificationNombre& v, const std::string& compact);
