// The expected text, then a newline, then the typed text: compared for every expression kind.

#include <cstdint>
#include <string>

#include "engine/base/chaine_courte.h"
#include "exercise/comparaison_expressions.h"
#include "fuzz/cible.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const TdeuxLignes lignes = couperALaLigne(texteDe(donnees, taille));
    const std::string attendu = courte(lignes.premiere);
    const std::string tape = courte(lignes.seconde);
    for (const int genre : {14, 16, 17, 18, 43}) {
        const int code = comparerExpressions(tape, attendu, "x", 1e-9, genre);
        verifier(code >= 0 && code <= 18);
        // A text has the values of itself wherever it has values at all.
        verifier(comparerExpressions(tape, tape, "x", 1e-9, genre) != comparaisonValeursDifferentes);
    }
    return 0;
}
