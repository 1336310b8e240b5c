#include "engine/text/tableau_formule.h"

#include <algorithm>
#include <cmath>

#include "engine/base/chaine_courte.h"
#include "engine/base/nombres.h"
#include "engine/text/formule.h"
#include "platform/types.h"

std::string lireArgumentTableau(TtableauAdessiner& tableau)
{
    std::string& s = tableau.source;
    long profondeur = 0;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == '(') ++profondeur;
        else if (s[i] == ')') --profondeur;
        else if (s[i] == ';' && profondeur == 0) {
            std::string argument = courte(std::string_view(s).substr(0, i));
            s.erase(0, i + 1);
            return argument;
        }
    }
    // Handing the last cell out again for every cell still to read would fill a short table
    // with copies of it, and a table nested in it with copies of copies.
    std::string argument = courte(s);
    s.clear();
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
    const double largeur = std::nearbyint(colonnes * tableau.largeurColonne);
    tableau.largeurTotale =
        static_cast<int>(std::clamp(largeur, 0.0, static_cast<double>(longueurFormuleMax)));
    for (int i = 0; i < lignes; ++i)
        for (int j = 0; j < colonnes; ++j)
            tableau.cellules[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                lireArgumentTableau(tableau);
}
