#include <array>

#include "engine/text/primitives.h"

namespace {

struct TpasPolice {
    int taille;
    std::uint8_t colonne;
    std::uint8_t ligne;
};

// The sizes texts and posed operations are laid out in; every other size gets the 11-point pitch.
constexpr std::array<TpasPolice, 3> pasParTaille = {{{8, 7, 10}, {14, 14, 18}, {24, 26, 45}}};
constexpr TpasPolice pasOrdinaire = {0, 8, 15};

const TpasPolice& pasDe(const Canevas& canevas)
{
    for (const TpasPolice& p : pasParTaille)
        if (p.taille == canevas.Font.Size) return p;
    return pasOrdinaire;
}

}  // namespace

std::uint8_t pasColonne(const Canevas& canevas)
{
    return pasDe(canevas).colonne;
}

std::uint8_t interligne(const Canevas& canevas)
{
    return pasDe(canevas).ligne;
}
