#include <array>
#include <optional>

#include "engine/text/codes_police.h"
#include "engine/text/etat_texte.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

namespace {

constexpr int tailleFixe = 11;
constexpr int taillePetite = 8;
constexpr TColor violet = 0x800080;
// The Symbol byte that "carre()" becomes: its glyph sits one pixel right, and pushes what follows.
constexpr unsigned char octetCarre = 0x9B;

struct TpositionFixe {
    int x;
    int y;
    int xDebut;
    int largeurColonne;
    int hauteurLigne;
};

// Draws one run between codes, one character per column; gives the number of columns it took.
long long dessinerSegmentFixe(Canevas& k, const TpositionFixe& p, std::string_view segment)
{
    const int baisse = (k.Font.Style & fsBold) ? 1 : 0;
    long long colonne = 0;
    int decalage = 0;
    bool symbole = false;
    for (const char c : segment) {
        if (c == '~' && !symbole) {
            symbole = true;
            continue;
        }
        const int x = decaler(p.x, colonne * p.largeurColonne + decalage);
        if (symbole) {
            const bool carre = static_cast<unsigned char>(c) == octetCarre;
            k.Font.Name = "Symbol";
            k.TextOut(x + (carre ? 1 : 0), p.y + baisse, std::string(1, c));
            k.Font.Name = "Courier New";
            if (carre) decalage = 2;
            symbole = false;
        } else if (c == '*') {
            const double cx = x + p.largeurColonne / 2.0, cy = p.y + p.hauteurLigne / 2.0;
            const double d = 0.3 * p.largeurColonne;
            tracerTraitTexte(k, cx - d, cy - d, cx + d + 1, cy + d + 1);
            tracerTraitTexte(k, cx - d, cy + d, cx + d + 1, cy - d - 1);
        } else {
            k.TextOut(x, p.y + baisse, std::string(1, c));
        }
        ++colonne;
    }
    return colonne;
}

void appliquerCodeFixe(Canevas& k, TpositionFixe& p, char lettre)
{
    switch (lettre) {
    case '$':
        p.y = decaler(p.y, p.hauteurLigne);
        p.x = p.xDebut;
        return;
    case '<': k.Font.Size = taillePetite; return;
    case 'N':
        k.Font.Size = tailleFixe;
        k.Font.Style = 0;
        return;
    case 'P': k.Font.Color = violet; return;
    default: break;
    }
    if (const std::optional<TFontStyles> style = styleDuCode(lettre)) k.Font.Style = *style;
    else if (const std::optional<TColor> couleur = couleurDuCode(lettre)) k.Font.Color = *couleur;
}

}  // namespace

void dessinerTexteFixe(Canevas& canevas, const std::string& texte, TColor couleur, double x,
                       double y)
{
    canevas.Font.Name = "Courier New";
    canevas.Font.Color = couleur;
    canevas.Font.Style = 0;
    canevas.Font.Size = tailleFixe;
    canevas.FondTransparent = true;
    TpositionFixe p{arrondi(x), arrondi(y), arrondi(x), pasColonne(canevas), interligne(canevas)};
    std::size_t debut = 0;
    while (true) {
        const std::size_t dollar = texte.find('$', debut);
        const std::size_t fin = dollar == std::string::npos ? texte.size() : dollar;
        const std::string_view segment = std::string_view(texte).substr(debut, fin - debut);
        const long long colonnes = dessinerSegmentFixe(canevas, p, segment);
        p.x = decaler(p.x, colonnes * p.largeurColonne);
        if (dollar == std::string::npos || dollar + 1 >= texte.size()) return;
        appliquerCodeFixe(canevas, p, texte[dollar + 1]);
        debut = dollar + 2;
    }
}
