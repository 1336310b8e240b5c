#pragma once
// Reads back the characters a posed operation drew as lines of text, one picture per colour, so
// that a test can show which character stands in which cell.

#include <map>
#include <string>
#include <vector>

#include "platform/double/canevas_enregistre.h"

struct TcelluleLue {
    int rangee;
    int colonne;
};

using Tdessin = std::vector<std::string>;
using TdessinsParCouleur = std::map<TColor, Tdessin>;

// `cellule` maps the top-left corner of a drawn text to its row and column (both from 0).
// Trailing blanks of each line are dropped; a text of several characters fills the following
// columns.
template <class Fcellule>
TdessinsParCouleur lireGrille(const CanevasEnregistre& k, Fcellule cellule)
{
    TdessinsParCouleur dessins;
    for (const Appel& a : k.appels(GenreAppel::TextOut)) {
        const TcelluleLue c = cellule(a.arguments[0], a.arguments[1]);
        Tdessin& d = dessins[a.font.Color];
        if (c.rangee < 0 || c.colonne < 0) {
            d.push_back("hors grille: " + a.texte);
            continue;
        }
        if (d.size() <= static_cast<std::size_t>(c.rangee)) d.resize(static_cast<std::size_t>(c.rangee) + 1);
        std::string& ligne = d[static_cast<std::size_t>(c.rangee)];
        const auto fin = static_cast<std::size_t>(c.colonne) + a.texte.size();
        if (ligne.size() < fin) ligne.resize(fin, ' ');
        ligne.replace(static_cast<std::size_t>(c.colonne), a.texte.size(), a.texte);
    }
    for (auto& [couleur, d] : dessins)
        for (std::string& ligne : d) ligne.erase(ligne.find_last_not_of(' ') + 1);
    return dessins;
}

struct TsegmentLu {
    int x1, y1, x2, y2;
    TColor couleur;
    bool operator==(const TsegmentLu&) const = default;
};

inline std::vector<TsegmentLu> segmentsDessines(const CanevasEnregistre& k)
{
    std::vector<TsegmentLu> r;
    for (const Appel& a : k.appels(GenreAppel::LineTo))
        r.push_back({a.position.x, a.position.y, a.arguments[0], a.arguments[1], a.pen.Color});
    return r;
}
