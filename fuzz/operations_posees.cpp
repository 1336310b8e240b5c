// The first byte picks the addition, the subtraction or the multiplication; the rest, split at
// its first line break, gives the operands.

#include <cstdint>
#include <string>

#include "engine/text/operations_posees.h"
#include "fuzz/cible.h"
#include "platform/double/canevas_enregistre.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille == 0) return 0;
    const auto [premier, second] = couperALaLigne(texteDe(donnees + 1, taille - 1));
    CanevasEnregistre canevas;
    switch (donnees[0] % 3) {
    case 0: dessinerAdditionPosee(canevas, premier, 0, 0); break;
    case 1: dessinerSoustractionPosee(canevas, premier, 0, 0); break;
    default: dessinerMultiplicationPosee(canevas, premier, second, 0, 0); break;
    }
    // One character a cell, and only what a posed operation writes; at most 12 rows of at most
    // 11 columns, plus the carries.
    for (const Appel& a : canevas.appels(GenreAppel::TextOut)) {
        verifier(a.texte.size() == 1);
        verifier(std::string("0123456789,+-").find(a.texte[0]) != std::string::npos);
        verifier(a.arguments[0] >= -20 && a.arguments[0] <= 12 * 20);
        verifier(a.arguments[1] >= 0 && a.arguments[1] <= 12 * 20);
    }
    verifier(canevas.appels().size() < 1000);
    return 0;
}
