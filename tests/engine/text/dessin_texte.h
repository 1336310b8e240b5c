#pragma once
// Draws markup on a recording canvas and reads back what was drawn. At 12 points the recording
// canvas gives every byte 8 pixels, a text cell 19 pixels and e = 8.

#include <string>
#include <vector>

#include "engine/text/texte_balise.h"
#include "platform/double/canevas_enregistre.h"

struct TraitDessine {
    int x1, y1, x2, y2;
    bool operator==(const TraitDessine&) const = default;
};

// The segments drawn with MoveTo and LineTo, in order.
inline std::vector<TraitDessine> traitsDessines(const CanevasEnregistre& k)
{
    std::vector<TraitDessine> r;
    for (const Appel& a : k.appels(GenreAppel::LineTo))
        r.push_back({a.position.x, a.position.y, a.arguments[0], a.arguments[1]});
    return r;
}

inline std::vector<Appel> textesDessines(const CanevasEnregistre& k)
{
    return k.appels(GenreAppel::TextOut);
}

// The text drawn at 12 points in black, normal style; gives the pen's end.
inline double dessiner(CanevasEnregistre& k, const std::string& texte, double x = 0,
                       double y = 0, TColor couleur = 0, int style = styleNormal, int taille = 12)
{
    dessinerTexte(k, texte, x, y, couleur, style, taille);
    return x;
}
