#include "engine/figure/outil.h"

#include <algorithm>

namespace {

struct TdefautsEmplacement {
    TColor couleur;
    double x, y;
};

// Slots 1, 2 and 3: each instrument waits in its own corner, in its own colour.
constexpr TdefautsEmplacement defauts[] = {
    {0xE0FFFF, -4.5, -4.5},
    {0xE0FFE0, 4.5, 4.5},
    {0xFFFFC0, -4.5, 4.5},
};

} // namespace

void initialiserOutil(Toutil& outil, int emplacement)
{
    const TdefautsEmplacement& d = defauts[std::clamp(emplacement, 1, nbOutilsMax) - 1];
    outil = Toutil{};
    for (int g = outilRegle; g <= outilRapporteur; ++g) outil.genresPermis.set(g);
    outil.couleur = d.couleur;
    outil.x = d.x;
    outil.y = d.y;
    outil.longueurA = 2.0;
    outil.longueurB = 2.0;
    outil.rayon = 3.0;
    outil.angleBras = 67.4;
    outil.rayonPoignee = 0.8;
    outil.brasReglable = true;
}
