// Any expected and typed list of values ("2;-1"), for every kind of list: a result, never a crash
// or a read out of bounds; and a readable list is never wrong against itself.

#include <cstddef>
#include <cstdint>

#include "fuzz/verification_commune.h"

namespace {

constexpr std::uint8_t genresListes[] = {typeSolutions, typeListeNonOrdonnee, typeListeOrdonnee,
                                         typeCoordonnees};
constexpr std::size_t nbGenres = sizeof genresListes;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    if (taille == 0) return 0;
    // The first byte: the kind, then the field and the tolerance.
    const unsigned choix = octets[0];
    const int k = static_cast<int>(choix / nbGenres % 3) + 1;
    TdonneesCommunes& d = donneesFuzz();
    d.nbChamps = static_cast<std::uint8_t>(k == 1 && choix & 0x80 ? 1 : 3);
    d.typeReponse[k] = genresListes[choix % nbGenres];
    d.champsReponse[k].tolerance = choix & 0x40 ? 0 : 0.01;
    d.champsReponse[k].termesAdmis = "A";
    verifierTextes(d, k, octets + 1, taille - 1, "2;-1/2");
    d.reponseTapee[k] = d.texteAttendu[k];
    verifier(verifierChamp(d, k) != resultatFaux);
    return 0;
}
