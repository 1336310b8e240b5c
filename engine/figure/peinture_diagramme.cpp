#include <string>

#include "engine/base/nombres.h"
#include "engine/figure/peinture.h"
#include "engine/text/primitives.h"

namespace {

constexpr TColor noir = 0x000000;
constexpr TColor grisClair = 0xE0E0E0;
constexpr TColor grisFonce = 0x808080;
constexpr TColor couleurPoignee = 0xFF0000;
constexpr double largeurBoite = 33, hauteurBoite = 20;
constexpr int graduations = 20;
constexpr double demiBarre = 8;
constexpr double demiPoignee = 2;
// The frequency table: its first column, a column per category, the totals column, its rows.
constexpr double largeurEnTetes = 105, largeurCategorie = 40, largeurTotal = 45;
constexpr double hauteurRangee = 25;

std::size_t k(int i)
{
    return static_cast<std::size_t>(i);
}

void dessinerBoites(Canevas& c, const Tdiagramme& d, int n)
{
    for (int i = 1; i <= n; ++i) {
        const double x = d.xBoites[k(i)], y = d.yBoites[k(i)];
        tracerRectanglePlein(c, d.couleursCategories[k(i)], noir, x, y, x + largeurBoite,
                             y + hauteurBoite);
        ecrireTextePixel(c, d.libellesCategories[k(i)], x + largeurBoite + 3, y + 2);
        if (estDiagrammeDAngles(d))
            ecrireTextePixel(c, std::to_string(d.effectifs[k(i)]) + "°", x + 3, y + 2);
    }
}

// One number of the frequency table, centred in its column by its length.
void ecrireCellule(Canevas& c, const Tdiagramme& d, int colonne, int rangee,
                   const std::string& texte)
{
    const int n = d.nbCategories;
    const double gauche = d.xTableau + largeurEnTetes + largeurCategorie * (colonne - 1);
    const double x = gauche + 17 - 4.0 * (static_cast<double>(texte.size()) - 1) +
                     (colonne == n + 1 ? 2 : 0);
    ecrireTextePixel(c, texte, x, d.yTableau + hauteurRangee * (rangee - 1) + 5);
}

void dessinerTableauEffectifs(Canevas& c, const Tdiagramme& d, int n)
{
    const double x0 = d.xTableau, y0 = d.yTableau;
    const double droite = x0 + largeurEnTetes + largeurCategorie * n + largeurTotal;
    for (int r = 0; r <= 3; ++r)
        tracerTrait(c, noir, x0, y0 + hauteurRangee * r, droite, y0 + hauteurRangee * r);
    const double bas = y0 + 3 * hauteurRangee;
    tracerTrait(c, noir, x0, y0, x0, bas);
    for (int j = 0; j <= n; ++j) {
        const double x = x0 + largeurEnTetes + largeurCategorie * j;
        tracerTrait(c, noir, x, y0, x, bas);
    }
    tracerTrait(c, noir, droite, y0, droite, bas);
    const char* entetes[] = {"Catégorie", "Effectif", "Angle à 1° près"};
    for (int r = 0; r < 3; ++r) ecrireTextePixel(c, entetes[r], x0 + 3, y0 + hauteurRangee * r + 5);
    for (int i = 1; i <= n; ++i) {
        ecrireCellule(c, d, i, 1, std::to_string(i));
        ecrireCellule(c, d, i, 2, std::to_string(d.effectifs[k(i)]));
        ecrireCellule(c, d, i, 3, reelVersTexte(d.anglesArrondis[k(i)]) + "°");
    }
    ecrireTextePixel(c, "Total", x0 + largeurEnTetes + largeurCategorie * n + 5, y0 + 5);
    ecrireCellule(c, d, n + 1, 2, std::to_string(d.total));
    ecrireCellule(c, d, n + 1, 3, reelVersTexte(d.angleTotal) + "°");
    std::string total = std::to_string(d.total);
    if (total.size() < 3) total.insert(0, 3 - total.size(), ' ');
    // The factor of proportion beside the row of angles it gives.
    ecrireTextePixel(c, "$f* $F" + reelVersTexte(d.angleTotal) + ";" + total + ";", droite + 6,
                     y0 + 2 * hauteurRangee - 4);
}

// Sector i between boundaries i - 1 and i, for the categories with a value.
void dessinerSecteurs(Canevas& c, const Tdiagramme& d, int n, const TvaleursCategories& xs,
                      const TvaleursCategories& ys)
{
    const auto& b = d.boiteCercle;
    for (int i = 1; i <= n; ++i)
        if (d.effectifs[k(i)] != 0)
            remplirSecteur(c, 1, d.couleursCategories[k(i)], b[0], b[1], b[2], b[3], xs[k(i - 1)],
                           ys[k(i - 1)], xs[k(i)], ys[k(i)]);
}

void dessinerRayons(Canevas& c, double cx, double cy, int dernier, const TvaleursCategories& xs,
                    const TvaleursCategories& ys)
{
    for (int i = 0; i <= dernier; ++i) tracerTrait(c, noir, cx, cy, xs[k(i)], ys[k(i)]);
}

// The full circle, or the upper half from its right end to its left end.
void dessinerContour(Canevas& c, const Tdiagramme& d, bool demiDisque, double cy)
{
    const auto& b = d.boiteCercle;
    if (demiDisque)
        tracerArc(c, noir, 1, b[0], b[1], b[2], b[3], b[2], cy, b[0], cy, 1);
    else
        tracerEllipse(c, noir, 1, b[0], b[1], b[2], b[3], 1);
}

void dessinerBarres(const Tfigure& f, Canevas& c, const Tdiagramme& d, bool verrouille, int n)
{
    const double droite = f.largeur - 5;
    const auto ligne = [&](int j) { return d.baseY - j * d.hauteurUnite; };
    for (int j = 1; j <= graduations; ++j)
        tracerTrait(c, grisClair, d.baseX, ligne(j), droite, ligne(j));
    for (int j = 5; j <= graduations; j += 5) {
        tracerTrait(c, grisFonce, d.baseX, ligne(j), droite, ligne(j));
        const std::string texte = std::to_string(j);
        ecrireTextePixel(c, texte, d.baseX - 3 - 7.0 * static_cast<double>(texte.size()),
                         ligne(j) - 8);
    }
    tracerTrait(c, noir, d.baseX, d.baseY, droite, d.baseY);
    tracerTrait(c, noir, d.baseX, ligne(graduations) - 5, d.baseX, d.baseY);
    ecrireTextePixel(c, d.titreEffectif, d.baseX + 2, ligne(graduations) - 18);
    for (int i = 1; i <= n; ++i)
        tracerRectanglePlein(c, d.couleursCategories[k(i)], noir, d.pointsX[k(i)] - demiBarre,
                             d.baseY, d.pointsX[k(i)] + demiBarre, d.pointsY[k(i)]);
    if (!verrouille)
        for (int i = 1; i <= n; ++i)
            remplirRectangle(c, couleurPoignee, d.pointsX[k(i)] - demiPoignee,
                             d.pointsY[k(i)] - demiPoignee, d.pointsX[k(i)] + demiPoignee,
                             d.pointsY[k(i)] + demiPoignee);
    if (d.typeDiagramme == diagrammeBarres || d.total == 0) return;
    dessinerTableauEffectifs(c, d, n);
    dessinerSecteurs(c, d, n, d.bordsPieX, d.bordsPieY);
    dessinerRayons(c, d.centrePieX, d.centrePieY, n, d.bordsPieX, d.bordsPieY);
    dessinerContour(c, d, d.typeDiagramme == diagrammeBarresDemiDisque, d.centrePieY);
}

void dessinerAngles(Canevas& c, const Tdiagramme& d, bool verrouille, int n)
{
    dessinerSecteurs(c, d, n, d.pointsX, d.pointsY);
    const bool demiDisque = d.typeDiagramme == diagrammeDemiDisque;
    dessinerRayons(c, d.baseX, d.baseY, demiDisque ? n : n - 1, d.pointsX, d.pointsY);
    dessinerContour(c, d, demiDisque, d.baseY);
    if (!verrouille)
        for (int i = 1; i < n; ++i)
            remplirRectangle(c, couleurPoignee, d.pointsX[k(i)] - demiPoignee,
                             d.pointsY[k(i)] - demiPoignee, d.pointsX[k(i)] + demiPoignee,
                             d.pointsY[k(i)] + demiPoignee);
}

} // namespace

void dessinerDiagramme(const Tfigure& figure, Canevas& canevas)
{
    const Tobjet* o = objetDIndice(figure, figure.indiceDiagramme);
    const Tdiagramme* d = o ? std::get_if<Tdiagramme>(&o->donnees) : nullptr;
    if (!d) return;
    const int n = std::clamp(d->nbCategories, 0, categoriesMax);
    dessinerBoites(canevas, *d, n);
    if (estDiagrammeEnBarres(*d)) dessinerBarres(figure, canevas, *d, o->verrouille, n);
    else if (estDiagrammeDAngles(*d)) dessinerAngles(canevas, *d, o->verrouille, n);
}
