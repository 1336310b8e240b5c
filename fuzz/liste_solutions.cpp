// A typed list of values, read as it is and sorted.

#include <cmath>
#include <cstdint>
#include <string>

#include "exercise/liste_solutions.h"
#include "fuzz/cible.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte = texteDe(donnees, taille);
    for (const bool trier : {false, true}) {
        TlisteSolutions liste;
        lireListeSolutions(liste, texte, trier);
        verifier(liste.nbSolutions >= 0 && liste.nbSolutions <= nbSolutionsMax);
        if (liste.erreur != 0) continue;
        for (int i = 0; i < liste.nbSolutions; ++i) {
            const Tsolution& s = liste.solutions[static_cast<std::size_t>(i)];
            verifier(std::isfinite(s.valeur) && s.forme >= 2 && s.forme <= 10);
            if (trier && !liste.doublon && i > 0)
                verifier(liste.solutions[static_cast<std::size_t>(i - 1)].valeur <= s.valeur);
        }
    }
    return 0;
}
