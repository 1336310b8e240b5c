#include "engine/text/systeme_formule.h"

#include <algorithm>

#include "engine/base/chaine_courte.h"
#include "engine/base/nombres.h"
#include "engine/text/arguments_formule.h"
#include "engine/text/primitives.h"
#include "platform/types.h"

std::string lireArgumentSysteme(TsystemeAdessiner& systeme)
{
    std::string argument;
    couperArgument(systeme.source, '\\', argument);
    return argument;
}

double lireNombreSysteme(TsystemeAdessiner& systeme)
{
    std::string argument = lireArgumentSysteme(systeme);
    if (!argument.empty() && argument.front() == '$') argument.erase(0, 1);
    return chaineVersReel(argument);
}

void lireSysteme(TsystemeAdessiner& systeme)
{
    systeme.source = courte(systeme.source, longueurSystemeMax);
    // A description of 255 characters cannot hold more arguments than that.
    const int annonce =
        std::clamp(arrondi(lireNombreSysteme(systeme)), 0, static_cast<int>(longueurSystemeMax));
    systeme.n = static_cast<std::uint8_t>(std::min(annonce, nbLignesSystemeMax));
    systeme.hauteur = lireNombreSysteme(systeme);
    for (int i = 1; i <= annonce; ++i) {
        const double decalage = lireNombreSysteme(systeme);
        if (i <= systeme.n) systeme.decalages[static_cast<std::size_t>(i)] = decalage;
    }
    for (int i = 1; i <= systeme.n; ++i)
        systeme.lignes[static_cast<std::size_t>(i)] = lireArgumentSysteme(systeme);
}

void tracerAccoladeSysteme(Canevas& canevas, const TsystemeAdessiner& systeme, double x, double y,
                           double L)
{
    const double h = systeme.hauteur;
    tracerAccolade(canevas, canevas.Font.Color, x, y + L / 2 - L * h + 0.1 * L, 2 * h * L + 1);
}
