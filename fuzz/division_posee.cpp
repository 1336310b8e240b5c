// The first byte gives the decimals, the second the detailed flag; the rest, split at its first
// line break, the dividend and the divisor.

#include <cstdint>
#include <string>

#include "engine/text/division_posee.h"
#include "fuzz/cible.h"
#include "platform/double/canevas_enregistre.h"

namespace {

// Digit strings of at most 18 digits fit in 64 bits.
std::uint64_t valeur(const std::string& chiffres)
{
    std::uint64_t v = 0;
    for (const char c : chiffres) v = v * 10 + static_cast<std::uint64_t>(c - '0');
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille < 2) return 0;
    const auto decimales = donnees[0];
    const bool detaillee = (donnees[1] & 1) != 0;
    const auto [dividende, diviseur] = couperALaLigne(texteDe(donnees + 2, taille - 2));

    CanevasEnregistre canevas;
    dessinerDivisionPosee(canevas, dividende, diviseur, 1.2, 0, 0, detaillee, decimales);
    for (const Appel& a : canevas.appels(GenreAppel::TextOut))
        verifier(a.texte.size() == 1 && ((a.texte[0] >= '0' && a.texte[0] <= '9') || a.texte[0] == '-'));

    TblocDiv bloc;
    if (!preparerDivision(bloc, dividende, diviseur, detaillee, decimales)) return 0;
    verifier(bloc.nbEtapes <= etapesDivisionMax && bloc.etapeLimite <= stadesDivisionMax);
    // The quotient, with the zeros not brought down, is the whole quotient of the digit strings.
    if (bloc.dividende.size() <= 18 && bloc.diviseur.size() <= 18 && bloc.zerosFinaux <= 18) {
        std::uint64_t q = valeur(bloc.quotient);
        for (int i = 0; i < bloc.zerosFinaux; ++i) q *= 10;
        verifier(q == valeur(bloc.dividende) / valeur(bloc.diviseur));
    }
    return 0;
}
