// A typed duration.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "exercise/lecture_duree.h"
#include "exercise/lecture_nombres.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    double secondes = -1;
    int code = 0;
    lireDuree(texte, secondes, code);
    if (code == lectureIncomprise ? secondes != 0 : !(secondes >= 0 && std::isfinite(secondes))) std::abort();
    return 0;
}
