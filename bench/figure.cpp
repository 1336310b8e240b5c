// One drag step on a full surface: 650 objects in one chain of dependencies, recomputed from the
// first free point to the last.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/figure/construction.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/figure.h"
#include "engine/figure/objets_par_nom.h"

namespace {

constexpr int nbBlocs = 50;  // of 13 objects each

// Each block starts from the midpoint of the previous block's A and K, so moving the first
// point moves every block after it.
void construire(Tfigure& f)
{
    for (int b = 0; b < nbBlocs; ++b) {
        const std::string n = std::to_string(b);
        const std::string u = "U" + n, a = "A" + n, bb = "B" + n, i = "I" + n, j = "J" + n,
                          k = "K" + n;
        creerPointNomme(f, u, 0, 2 * (b % 3) - 1.5, (b % 2) - 0.5, 0, 0);
        if (b == 0)
            creerPointNomme(f, a, 0, 0, 0, 0, 0);
        else
            creerMilieu(f, a, "A" + std::to_string(b - 1), "K" + std::to_string(b - 1), 0, 0, 0);
        creerImageRotation(f, bb, a, u, 70, 0, 0, 0);
        creerDroite(f, a, bb, 0, 1, 1);
        creerPerpendiculaire(f, "pe" + n, u, "(" + a + bb + ")", 0, 1, 1);
        creerIntersectionDroites(f, i, "(" + a + bb + ")", "pe" + n, 0, 0, 0);
        creerCercle(f, "c1" + n, a, u, 0, 1, 1);
        creerCercle(f, "c2" + n, bb, u, 0, 1, 1);
        creerIntersectionCercles(f, j, "c1" + n, "c2" + n, 0, 0, 0);
        creerMediatrice(f, "m" + n, a, bb, 0, 1, 1);
        creerIntersectionDroiteCercle(f, k, "m" + n, "c1" + n, 0, 0, 0);
        creerPolygone(f, "p" + n, a + " " + bb + " " + i + " " + j + " " + k, 0);
        creerSegmentTrait(f, a, k, 0);
    }
}

void BM_pasDeGlissement(benchmark::State& state)
{
    std::unique_ptr<Tfigure> f;
    creerFigure(nullptr, 640, 480, f);
    construire(*f);
    double x = -1.5;
    for (auto _ : state) {
        x = x == -1.5 ? -1.4 : -1.5;
        placerPoint(*f, "U0", x, -0.5);
        benchmark::DoNotOptimize(f->objets[f->nbObjets]->indefini);
    }
    int indefinis = 0;
    for (int i = 1; i <= f->nbObjets; ++i) indefinis += f->objets[i]->indefini;
    state.counters["objets"] = f->nbObjets;
    state.counters["indefinis"] = indefinis;
}
BENCHMARK(BM_pasDeGlissement);

} // namespace
