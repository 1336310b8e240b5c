// The expected text, then a newline, then the typed text: compared for every expression kind.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "exercise/comparaison_expressions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string entree(reinterpret_cast<const char*>(donnees), taille);
    const std::size_t ligne = entree.find('\n');
    const std::string attendu = entree.substr(0, ligne).substr(0, 120);
    const std::string tape = ligne == std::string::npos ? std::string() : entree.substr(ligne + 1, 120);
    for (const int genre : {14, 16, 17, 18, 43}) {
        const int code = comparerExpressions(tape, attendu, "x", 1e-9, genre);
        if (code < 0 || code > 18) std::abort();
        // A text has the values of itself wherever it has values at all.
        if (comparerExpressions(tape, tape, "x", 1e-9, genre) == comparaisonValeursDifferentes) std::abort();
    }
    return 0;
}
