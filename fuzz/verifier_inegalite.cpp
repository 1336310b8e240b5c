// Any expected and typed inequality ("x>=2/3"): a result, never a crash, a read out of bounds or
// an endless loop; and the expected text typed back by the pupil, with a decimal comma, is never
// judged wrong or refused.

#include <cstddef>
#include <cstdint>

#include "fuzz/verification_commune.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    if (taille == 0) return 0;
    const unsigned choix = octets[0];
    TdonneesCommunes& d = donneesFuzz();
    d.nbChamps = static_cast<std::uint8_t>(choix & 1 ? 1 : 2);
    d.typeReponse[1] = choix & 2 ? typeInegaliteStricte : typeInegalite;
    d.champsReponse[1].tolerance = choix & 4 ? 0 : 0.1;
    verifierTextes(d, 1, octets + 1, taille - 1, "x>=2/3");
    verifierRetape(d, 1);
    return 0;
}
