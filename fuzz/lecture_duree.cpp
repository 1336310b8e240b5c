// A typed duration.

#include <cmath>
#include <cstdint>
#include <string>

#include "exercise/lecture_duree.h"
#include "exercise/lecture_nombres.h"
#include "fuzz/cible.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte = texteDe(donnees, taille);
    double secondes = -1;
    int code = 0;
    lireDuree(texte, secondes, code);
    verifier(code == lectureIncomprise ? secondes == 0 : secondes >= 0 && std::isfinite(secondes));
    return 0;
}
