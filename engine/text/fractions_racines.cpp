#include <algorithm>

#include "engine/base/chaine_courte.h"
#include "engine/text/etat_texte.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

namespace {

bool contient(const std::string& texte, std::string_view code)
{
    return texte.find(code) != std::string::npos;
}

// The bar of a fraction whose parts start at x, as long as the wider one; the pen goes after it.
void tracerBarre(TetatTexte& etat, int x, int y, double finHaut, double finBas)
{
    const double fin = std::max(finHaut, finBas);
    tracerTraitTexte(etat.canevas, x, y, fin, y);
    etat.x = arrondi(fin);
}

}  // namespace

// "$4" radicand "$4": the sign reaches above a fraction or a superscript in the radicand.
void codeRacine(TetatTexte& etat, char)
{
    const std::string radicande = etat.lireJusqua("$4");
    const int x = etat.x, y = etat.y;
    int haut = y, bas = y + 16;
    if (contient(radicande, "$F")) {
        haut = y - 8;
        bas = y + 25;
    } else if (contient(radicande, "$0")) {
        haut = y - 5;
    }
    Canevas& k = etat.canevas;
    tracerTraitTexte(k, x, y + 8, x + 4, bas);
    tracerTraitTexte(k, x + 8, haut, x + 4, bas);
    const double fin = dessinerPartie(etat, radicande, x + 10, y);
    tracerTraitTexte(k, x + 8, haut, fin, haut);
    etat.x = arrondi(fin);
}

// "$F" numerator ";" denominator ";": both parts keep the font of the text and start at the
// pen; the bar is as long as the wider one.
void codeFraction(TetatTexte& etat, char)
{
    const std::string numerateur = courte(etat.lireJusqua(";"));
    const std::string denominateur = courte(etat.lireJusqua(";"));
    const int x = etat.x, y = etat.y;
    const int e = demiHauteur(etat.canevas);
    double finHaut = x, finBas = x;
    {
        const TdrapeauLeve fraction(partieDeFraction);
        finHaut = dessinerPartie(etat, numerateur, x, y - e - 1);
        // Lowered clear of the bar when the denominator rises above its line.
        const int descente =
            (contient(denominateur, "$0") ? 6 : 0) + (contient(denominateur, "$4") ? 4 : 0);
        finBas = dessinerPartie(etat, denominateur, x, y + e + 1 + descente);
    }
    tracerBarre(etat, x, y + e + 1, finHaut, finBas);
}

// "$W" upper "\" lower "\": a fraction whose parts may hold "$F" fractions; each part starts
// from the text's own font.
void codeFractionComposee(TetatTexte& etat, char)
{
    const std::string haut = courte(etat.lireJusqua("\\"));
    const std::string bas = courte(etat.lireJusqua("\\"));
    const int x = etat.x, y = etat.y;
    const int e = demiHauteur(etat.canevas);
    const int ecart = e + 1;
    const double finHaut =
        dessinerPartie(etat, haut, x, y - ecart - (contient(haut, "$F") ? ecart : 0));
    const double finBas = dessinerPartie(etat, bas, x, y + ecart + (contient(bas, "$F") ? ecart : 0));
    tracerBarre(etat, x, y + ecart, finHaut, finBas);
}
