// Any expected and typed expression, for every kind of expression and set of letters: a result
// with its message lines, never a crash or a read out of bounds; and an expression is never wrong
// against itself.

#include <cstddef>
#include <cstdint>

#include "fuzz/verification_commune.h"

namespace {

constexpr std::uint8_t genresExpressions[] = {typeExpression, typeExpressionFactorisee,
                                              typeExpressionDeveloppee,
                                              typeExpressionSansParentheses, typeExpressionLibre};
constexpr std::size_t nbGenres = sizeof genresExpressions;

struct Tlettres {
    const char* termesAdmis;
    const char* attenduParDefaut;
};
constexpr Tlettres lettresFuzz[] = {{"x", "2x+3"}, {"xy", "(x+y)²"}, {"abc", "a(b+c)"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    if (taille == 0) return 0;
    // The first byte: the kind, then the letters, the field and the tolerance.
    const unsigned choix = octets[0];
    const Tlettres& lettres = lettresFuzz[choix / nbGenres % 3];
    const int k = static_cast<int>(choix / nbGenres / 3 % 3) + 1;
    TdonneesCommunes& d = donneesFuzz();
    d.nbChamps = static_cast<std::uint8_t>(k == 1 && choix & 0x80 ? 1 : 3);
    d.typeReponse[k] = genresExpressions[choix % nbGenres];
    d.champsReponse[k].termesAdmis = lettres.termesAdmis;
    d.champsReponse[k].tolerance = choix & 0x40 ? 1e-9 : 0.01;
    verifierTextes(d, k, octets + 1, taille - 1, lettres.attenduParDefaut);
    d.reponseTapee[k] = d.texteAttendu[k];
    verifier(verifierChamp(d, k) != resultatFaux);
    return 0;
}
