#include "engine/figure/outil.h"

#include <algorithm>
#include <initializer_list>

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

namespace {

// Bit g: the kind g has the feature.
constexpr unsigned bits(std::initializer_list<TgenreOutil> genres)
{
    unsigned b = 0;
    for (const TgenreOutil g : genres) b |= 1u << g;
    return b;
}

bool parmi(const Toutil& outil, unsigned genres)
{
    return outil.genre <= outilRapporteur && (genres >> outil.genre & 1u) != 0;
}

constexpr unsigned genresVisibles =
    bits({outilRegle, outilEquerre, outilCompas, outilGabarit, outilRegleGraduee,
          outilEquerreGraduee, outilCompasGradue, outilRapporteur});

} // namespace

bool outilVisible(const Toutil& outil)
{
    return parmi(outil, genresVisibles);
}

bool estEquerre(const Toutil& outil)
{
    return parmi(outil, bits({outilEquerre, outilEquerreGraduee}));
}

bool estRapporteur(const Toutil& outil)
{
    return outil.genre == outilRapporteur;
}

bool aUnRayon(const Toutil& outil)
{
    return parmi(outil, bits({outilCompas, outilCompasGradue, outilRapporteur}));
}

bool estGradue(const Toutil& outil)
{
    return parmi(outil, bits({outilRegleGraduee, outilEquerreGraduee, outilCompasGradue}));
}

bool aUnBordDroit(const Toutil& outil)
{
    return parmi(outil, genresVisibles & ~bits({outilCompas}));
}

bool aUnBras(const Toutil& outil)
{
    return parmi(outil, bits({outilGabarit, outilRapporteur}));
}
