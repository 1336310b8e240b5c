// One drag step on a full statement figure: the dragged point moves, the construction engine
// recomputes every object from it to the last, and the surface of 650 objects is painted with the
// Qt canvas into an image of its size, grid and axes included: whole, as before dragging kept
// layers, or through the mouse, whose drag keeps the still objects in two layers and paints only
// what moves between them.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/figure.h"
#include "engine/figure/glissement.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/figure/souris.h"
#include "platform/qt/canevas_qt.h"

namespace {

constexpr int nbBlocs = 50;  // of 13 objects each

// Each block starts from the midpoint of the previous block's A and its own free point U, so
// moving A0, the start of that chain, moves every block, and the U of block b > 0 moves blocks b
// and after (U0 only its own); everything stays inside the window as on a pupil's figure. The free points are labelled; the constructed ones too when asked, which
// makes 300 labels on the surface.
void construire(Tfigure& f, bool toutesEtiquettes)
{
    for (int b = 0; b < nbBlocs; ++b) {
        const std::string n = std::to_string(b);
        const std::string u = "U" + n, a = "A" + n, bb = "B" + n, i = "I" + n, j = "J" + n,
                          k = "K" + n;
        creerPointNomme(f, u, 0x0000FF, -4 + b % 9, -3.5 + b % 7, 0.3, 0);
        if (b == 0)
            creerPointNomme(f, a, 0, 0, 0, 0.3, 0);
        else
            creerMilieu(f, a, "A" + std::to_string(b - 1), u, 0.3, 0, 0);
        creerImageRotation(f, bb, a, u, 70, 0.3, 0, 0);
        creerDroite(f, a, bb, 0xC0C0C0, 1, 1);
        creerPerpendiculaire(f, "pe" + n, u, "(" + a + bb + ")", 0xC0C0C0, 2, 1);
        creerIntersectionDroites(f, i, "(" + a + bb + ")", "pe" + n, 0.3, 0, 0);
        creerCercle(f, "c1" + n, a, u, 0x008000, 1, 1);
        creerCercle(f, "c2" + n, bb, u, 0x008000, 3, 1);
        creerIntersectionCercles(f, j, "c1" + n, "c2" + n, 0.3, 0, 0);
        creerMediatrice(f, "m" + n, a, bb, 0xFF0000, 1, 1);
        creerIntersectionDroiteCercle(f, k, "m" + n, "c1" + n, 0.3, 0, 0);
        creerPolygone(f, "p" + n, a + " " + bb + " " + i + " " + j + " " + k, 0x800000);
        creerSegment(f, a, k, 0x0000FF, 1, 2);
        if (!toutesEtiquettes)
            for (const std::string& p : {a, bb, i, j, k}) changerEtiquette(f, p, "");
    }
}

void BM_glisserEtPeindre(benchmark::State& state)
{
    std::unique_ptr<Tfigure> f;
    // A statement figure's size; without a paint box the background is the surface's colour.
    creerFigure(nullptr, 320, 290, f);
    f->couleurFond = 0xFFFFFF;
    f->axesVisibles = true;
    construire(*f, state.range(0) != 0);
    QImage image(f->largeur, f->hauteur, QImage::Format_RGB32);
    double x = -4;
    for (auto _ : state) {
        x = x == -4 ? -3.9 : -4;
        placerPoint(*f, "U0", x, -3.5);
        QPainter peintre(&image);
        CanevasQt canevas(peintre);
        dessinerFigure(*f, canevas);
        peintre.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    int indefinis = 0;
    for (int i = 1; i <= f->nbObjets; ++i) indefinis += f->objets[i]->indefini;
    state.counters["objets"] = f->nbObjets;
    state.counters["indefinis"] = indefinis;
}
// 0: 50 labels, 1: 300 labels.
BENCHMARK(BM_glisserEtPeindre)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

namespace {

// The drags through the mouse: 0 the last block's free point, which a dozen objects follow; 1 the
// first point of the chain of midpoints, which every block follows. Each step is painted whole
// (1) or layered (0).
void BM_glisserALaSouris(benchmark::State& state)
{
    std::unique_ptr<Tfigure> f;
    creerFigure(nullptr, 320, 290, f);
    f->couleurFond = 0xFFFFFF;
    f->axesVisibles = true;
    construire(*f, false);
    const std::string tenu = state.range(0) == 0 ? "U" + std::to_string(nbBlocs - 1) : "A0";
    rendreMobile(*f, tenu);
    const int px = versPixelX(*f, abscisse(*f, tenu)), py = versPixelY(*f, ordonnee(*f, tenu));
    gererSouris(*f, px, py, sourisEnfoncee);
    if (state.range(1) != 0) f->glissement.reset();
    QImage image(f->largeur, f->hauteur, QImage::Format_RGB32);
    int pas = 0;
    int mobiles = 0;
    for (auto _ : state) {
        pas = 1 - pas;
        gererSouris(*f, px + 3 * pas, py - 2 * pas, sourisDeplacee);
        QPainter peintre(&image);
        CanevasQt canevas(peintre);
        dessinerFigure(*f, canevas);
        peintre.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    if (f->glissement)
        for (const bool m : f->glissement->mobiles) mobiles += m;
    state.counters["mobiles"] = mobiles;
}
BENCHMARK(BM_glisserALaSouris)
    ->ArgNames({"tenu", "entier"})
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
