// Every number reader on the same typed text.

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/base/nombres.h"
#include "exercise/lecture_nombres.h"
#include "fuzz/cible.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte = texteDe(donnees, taille);
    double valeur = 0, numerateur = 0, denominateur = 0;
    int code = 0;
    lireNombre(texte, valeur, code);
    verifier(code == lectureIncomprise || (code == lectureEntier && valeur >= 0 && valeur < 1e15));
    lireNombreOuFraction(texte, valeur, code);
    verifier(code == lectureIncomprise || ((code == lectureEntier || code == lectureDecimal) && valeur >= 0));
    for (const auto lire : {lireFraction, lireNombreSigne}) {
        lire(texte, valeur, code, numerateur, denominateur);
        verifier(code >= lectureIncomprise && code <= lectureDenominateurNul && code != 6);
        if (lectureReussie(code)) {
            verifier(std::isfinite(valeur) && denominateur != 0);
            termesReductibles(numerateur, denominateur);
        }
    }
    presqueEgal(valeur, numerateur);
    return 0;
}
