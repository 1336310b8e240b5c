// Any text typed in a numeric field, for every numeric kind, in every mode: a result, never a
// crash, a read out of bounds or an endless loop.

#include <cstddef>
#include <cstdint>

#include "exercise/verification_nombre.h"
#include "fuzz/verification_commune.h"

namespace {

constexpr std::size_t nbGenres = nbGenresNumeriques;
constexpr int denominateursImposes[] = {0, 1, 100};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    if (taille == 0) return 0;
    // The first byte: the kind, then the mode, the field and the denominator rule.
    const unsigned choix = octets[0];
    const std::uint8_t genre = genresNumeriques[choix % nbGenres];
    const int k = static_cast<int>(choix / nbGenres % 3) + 1;

    TdonneesCommunes& d = donneesFuzz();
    d.modeReponse = choix & 0x80 ? modeCalculMental : modeSaisie;
    d.nbChamps = static_cast<std::uint8_t>(k == 1 && choix & 0x40 ? 1 : 3);
    d.denominateurImpose = denominateursImposes[choix / 16 % 3];
    d.denominateurReponseA = 4;
    d.typeReponse[k] = genre;
    d.valeurAttendue[k] = genre == typeFormuleTableur ? k + (choix & 3) : 0.25;
    d.texteAttendu[k] = (choix & 1) ? "B2:B6" : "B2*C2 C2*B2";
    d.champsReponse[k].termesAdmis = "xy";
    d.champsReponse[k].exposantAttendu = 3;
    d.champsReponse[k].tolerance = (choix & 2) ? 0 : 0.01;
    d.reponseTapee[k] = texteDe(octets + 1, taille - 1);

    std::uint8_t resultat = resultatJuste;
    verifierNombre(d, k, resultat);
    verifierResultatConnu(resultat);
    return 0;
}
