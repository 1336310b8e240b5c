#include <algorithm>
#include <array>
#include <cmath>

#include "engine/text/etat_texte.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

bool texteImbrique = false;
bool partieDeFraction = false;

namespace {

// Texts nest a superscript in a root in a fraction in a compound fraction at most; deeper nesting
// only comes from broken markup, whose parts are then left out rather than recursed into.
constexpr int profondeurMax = 8;
constexpr int tailleMin = 1;
constexpr int tailleMax = 1000;
// The range of pixel coordinates (as `arrondi` gives them).
constexpr long long coordonneeMax = 1'000'000'000;

struct TstyleTexte {
    int code;
    TFontStyles police;
};

constexpr std::array<TstyleTexte, 4> stylesTexte = {{
    {styleNormal, 0},
    {styleItalique, fsItalic},
    {styleGras, fsBold},
    {styleGrasItalique, fsBold | fsItalic},
}};

TFontStyles styleDePolice(int style)
{
    for (const TstyleTexte& s : stylesTexte)
        if (s.code == style) return s.police;
    return 0;
}

double dessinerTexteProfond(Canevas& canevas, std::string texte, double x, double y,
                            TColor couleur, int style, int taille, int profondeur)
{
    substituerSignes(texte);
    if (!texteImbrique) echangerMoins(texte);
    taille = tailleBornee(taille);
    if (!partieDeFraction) {
        canevas.Font.Name = "Times New Roman";
        canevas.FondTransparent = true;
        canevas.Font.Color = couleur;
        canevas.Font.Size = taille;
        canevas.Font.Style = styleDePolice(style);
    }
    TetatTexte etat{canevas, std::move(texte), 0,     arrondi(x), arrondi(y),
                    couleur, style,            taille, profondeur};
    const std::string& t = etat.texte;
    while (etat.position <= t.size()) {
        const std::size_t dollar = t.find('$', etat.position);
        const std::size_t fin = dollar == std::string::npos ? t.size() : dollar;
        if (fin > etat.position) {
            const std::string segment = t.substr(etat.position, fin - etat.position);
            dessinerSegmentTexte(canevas, etat.x, etat.y, segment);
            etat.x = decaler(etat.x, largeurSegmentTexte(canevas, segment));
        }
        if (dollar == std::string::npos) break;
        etat.position = dollar + 1;
        if (etat.position == t.size()) break;
        const char lettre = t[etat.position++];
        if (const TactionCode action = actionDuCode(lettre)) action(etat, lettre);
    }
    return etat.x;
}

}  // namespace

int demiHauteur(const Canevas& canevas)
{
    return std::abs(canevas.Font.Height()) / 2;
}

int tailleBornee(long long taille)
{
    return static_cast<int>(std::clamp<long long>(taille, tailleMin, tailleMax));
}

int decaler(int v, long long d)
{
    return static_cast<int>(std::clamp(v + d, -coordonneeMax, coordonneeMax));
}

std::string TetatTexte::lireJusqua(std::string_view terminateur)
{
    const std::size_t fin = texte.find(terminateur, position);
    if (fin == std::string::npos) {
        std::string partie = texte.substr(position);
        position = texte.size();
        return partie;
    }
    std::string partie = texte.substr(position, fin - position);
    position = fin + terminateur.size();
    return partie;
}

std::string TetatTexte::lireAvantCode()
{
    const std::size_t fin = std::min(texte.find('$', position), texte.size());
    std::string partie = texte.substr(position, fin - position);
    position = fin;
    return partie;
}

double dessinerPartie(TetatTexte& etat, const std::string& partie, double x, double y)
{
    if (etat.profondeur >= profondeurMax) return x;
    const TdrapeauLeve imbrique(texteImbrique);
    return dessinerTexteProfond(etat.canevas, partie, x, y, etat.couleur, etat.style, etat.taille,
                                etat.profondeur + 1);
}

void dessinerTexte(Canevas& canevas, std::string texte, double& x, double y, TColor couleur,
                   int style, int taille)
{
    x = dessinerTexteProfond(canevas, std::move(texte), x, y, couleur, style, taille, 0);
}

int largeurSegmentTexte(Canevas& canevas, const std::string& segment)
{
    std::string mesure;
    mesure.reserve(segment.size());
    for (const char c : segment) {
        if (c == '*') mesure += "   ";
        else mesure += c;
    }
    return canevas.TextWidth(mesure);
}

void dessinerSegmentTexte(Canevas& canevas, int x, int y, const std::string& segment)
{
    // A fraction's parts sit closer to the bar: their crosses go one pixel lower.
    const int bas = y + (partieDeFraction ? 1 : 0);
    int plume = x;
    std::size_t debut = 0;
    while (true) {
        const std::size_t etoile = segment.find('*', debut);
        const std::size_t fin = etoile == std::string::npos ? segment.size() : etoile;
        const std::string morceau = segment.substr(debut, fin - debut);
        if (!morceau.empty()) canevas.TextOut(plume, y, morceau);
        // Measuring text costs as much as drawing it: the last run needs no width.
        if (etoile == std::string::npos) return;
        if (!morceau.empty()) plume = decaler(plume, canevas.TextWidth(morceau));
        const int xc = decaler(plume, canevas.TextWidth(" "));
        tracerTraitTexte(canevas, xc - 1, bas + 7, xc + 5, bas + 13);
        tracerTraitTexte(canevas, xc - 1, bas + 12, xc + 5, bas + 6);
        plume = decaler(xc, canevas.TextWidth("  "));
        debut = etoile + 1;
    }
}
