// The default check of a whole typed question: one to three fields of any kinds, then lines
// "expected", "typed" for each field. Whatever the fields hold, the question ends only when it is
// right (or, in mental calculation, at the first answer), an attempt is taken back only for a
// refusal, the active field is one of the question's, and no more points are scored than the
// question is worth.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/base/nombres.h"
#include "exercise/verification_reponse.h"
#include "fuzz/verification_commune.h"

namespace {

constexpr std::size_t octetsDeChoix = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    if (taille < octetsDeChoix) return 0;
    // The first byte: the number of fields, the mode, whether only the first error is told and
    // the attempt; the next three: the kind of each field.
    const unsigned choix = octets[0];
    const bool calculMental = (choix & 0x04) != 0;
    TdonneesCommunes& d = donneesFuzz();
    d.nbChamps = static_cast<std::uint8_t>(calculMental ? 1 : 1 + choix % 3);
    d.modeReponse = calculMental ? modeCalculMental : modeSaisie;
    d.premiereErreurSeule = (choix & 0x08) != 0;
    const int essai = 1 + static_cast<int>(choix >> 4) % 3;
    d.nbEssais = essai;
    d.pointsQuestion = 3;
    d.champActif = 1;

    std::string_view reste(reinterpret_cast<const char*>(octets + octetsDeChoix), taille - octetsDeChoix);
    for (int k = 1; k <= d.nbChamps; ++k) {
        const std::size_t genres = calculMental ? nbGenresNumeriques : nbGenresTapes;
        d.typeReponse[k] = genresTapes[octets[k] % genres];
        const TdeuxLignes attenduEtReste = couperALaLigne(reste);
        const TdeuxLignes tapeEtReste = couperALaLigne(attenduEtReste.seconde);
        d.texteAttendu[k] = attenduEtReste.premiere;
        d.valeurAttendue[k] = chaineVersReel(attenduEtReste.premiere);
        d.reponseTapee[k] = tapeEtReste.premiere;
        reste = reste.substr(reste.size() - tapeEtReste.seconde.size());
    }

    verifierReponse(d);
    verifier(d.resultat == 0 || d.resultat == resultatJuste || d.resultat == resultatFaux ||
             d.resultat == resultatNonCompris || d.resultat == resultatForme);
    verifier(!d.questionTerminee || calculMental || d.resultat == resultatJuste);
    verifier(d.nbEssais == essai || d.nbEssais == essai - 1);
    verifier(d.champActif >= 1 && d.champActif <= d.nbChamps);
    verifier(d.pointsObtenus <= d.pointsQuestion);
    verifier(!d.solutionPermise || d.resultat == resultatFaux);
    return 0;
}
