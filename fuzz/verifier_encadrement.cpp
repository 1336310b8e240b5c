// Any expected and typed bounds ("1<x<=2"): a result, never a crash, a read out of bounds or an
// endless loop.

#include <cstddef>
#include <cstdint>

#include "fuzz/verification_commune.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    if (taille == 0) return 0;
    const unsigned choix = octets[0];
    TdonneesCommunes& d = donneesFuzz();
    d.nbChamps = static_cast<std::uint8_t>(choix & 1 ? 1 : 3);
    d.typeReponse[3] = typeEncadrement;
    d.champsReponse[3].tolerance = choix & 2 ? 0 : 0.1;
    verifierTextes(d, 3, octets + 1, taille - 1, "1<x<=2");
    verifierRetape(d, 3);
    return 0;
}
