#include "engine/text/systeme_formule.h"

#include <algorithm>

#include "engine/base/chaine_courte.h"
#include "engine/base/nombres.h"
#include "platform/types.h"

std::string lireArgumentSysteme(TsystemeAdessiner& systeme)
{
    const std::string& s = systeme.source;
    long profondeur = 0;
    // The last character is never a separator: a "\" there stays in the last line.
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == '(') ++profondeur;
        else if (s[i] == ')') --profondeur;
        else if (s[i] == '\\' && profondeur == 0) {
            std::string argument = courte(std::string_view(s).substr(0, i));
            systeme.source.erase(0, i + 1);
            return argument;
        }
    }
    return courte(s);
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
