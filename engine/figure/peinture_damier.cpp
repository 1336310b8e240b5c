#include "engine/figure/peinture.h"

#include <variant>

#include "engine/text/primitives.h"

namespace {

constexpr TColor couleurSolution = 0x00FF00;
constexpr TColor couleurDonnee = 0xFFFF00;
constexpr TColor couleurColoriee = 0x80FFFF;
constexpr TColor couleurGrilleDamier = 0xC0C0C0;

bool contient(const Ensemble256& cases, int numero)
{
    return numero >= 0 && numero < static_cast<int>(cases.size()) &&
           cases.test(static_cast<std::size_t>(numero));
}

// The colour of a cell, or none (-1) when it is not filled.
TColor couleurCase(const Tdamier& d, int numero)
{
    if (d.solutionVisible && contient(d.casesSolution, numero)) return couleurSolution;
    if (contient(d.casesDonnees, numero)) return couleurDonnee;
    if (contient(d.casesColoriees, numero)) return couleurColoriee;
    return -1;
}

}  // namespace

void dessinerDamier(const Tfigure& figure, Canevas& canevas)
{
    const Tobjet* objet = objetDIndice(figure, figure.indiceDamier);
    const Tdamier* d = objet ? std::get_if<Tdamier>(&objet->donnees) : nullptr;
    // A grid without columns or rows has no cells to draw.
    if (!d || d->nbColonnes == 0 || d->nbRangees == 0) return;
    const int m = d->nbColonnes, n = d->nbRangees;
    const double pasX = d->largeur / m, pasY = d->hauteur / n;
    for (int c = 1; c <= m; ++c)
        for (int r = 1; r <= n; ++r) {
            const TColor couleur = couleurCase(*d, m * (r - 1) + c);
            if (couleur < 0) continue;
            remplirRectangle(canevas, couleur, versPixelX(figure, d->xGauche + (c - 1) * pasX),
                             versPixelY(figure, d->yHaut - (r - 1) * pasY),
                             versPixelX(figure, d->xGauche + c * pasX),
                             versPixelY(figure, d->yHaut - r * pasY));
        }
    const double bas = d->yHaut - d->hauteur, droite = d->xGauche + d->largeur;
    for (int i = 0; i <= m; ++i) {
        const double x = d->xGauche + i * pasX;
        tracerTrait(canevas, couleurGrilleDamier, versPixelX(figure, x), versPixelY(figure, d->yHaut),
                    versPixelX(figure, x), versPixelY(figure, bas));
    }
    for (int j = 0; j <= n; ++j) {
        const double y = d->yHaut - j * pasY;
        tracerTrait(canevas, couleurGrilleDamier, versPixelX(figure, d->xGauche), versPixelY(figure, y),
                    versPixelX(figure, droite), versPixelY(figure, y));
    }
}
