#include "engine/text/tableau_formule.h"

#include <algorithm>

#include "engine/base/nombres.h"
#include "engine/text/arguments_formule.h"
#include "engine/text/formule.h"
#include "platform/types.h"

std::string lireArgumentTableau(TtableauAdessiner& tableau)
{
    std::string argument;
    // Handing the last cell out again for every cell still to read would fill a short table
    // with copies of it, and a table nested in it with copies of copies.
    if (!couperArgument(tableau.source, ';', argument)) tableau.source.clear();
    return argument;
}

double lireNombreTableau(TtableauAdessiner& tableau)
{
    return chaineVersReel(lireArgumentTableau(tableau));
}

void lireTableau(TtableauAdessiner& tableau)
{
    const int colonnes = arrondi(lireNombreTableau(tableau));
    const int lignes = arrondi(lireNombreTableau(tableau));
    tableau.largeurColonne = lireNombreTableau(tableau);
    tableau.hauteurLigne = lireNombreTableau(tableau);
    const auto dansLesBornes = [](int n) { return n >= 0 && n <= dimensionTableauMax; };
    if (!dansLesBornes(colonnes) || !dansLesBornes(lignes)) {
        tableau.lignes = tableau.colonnes = 0;
        tableau.largeurTotale = 0;
        return;
    }
    tableau.colonnes = static_cast<std::uint8_t>(colonnes);
    tableau.lignes = static_cast<std::uint8_t>(lignes);
    tableau.largeurTotale = std::clamp(arrondi(colonnes * tableau.largeurColonne), 0,
                                       static_cast<int>(longueurFormuleMax));
    for (int i = 0; i < lignes; ++i)
        for (int j = 0; j < colonnes; ++j)
            tableau.cellules[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                lireArgumentTableau(tableau);
}
