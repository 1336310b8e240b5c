// The numeric check of a right fraction answer: what a pupil waits for after each validation.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "engine/figure/figure.h"
#include "exercise/donnees_communes.h"
#include "exercise/verification_nombre.h"
#include "platform/double/controles_enregistres.h"

namespace {

void verifierFractionJuste(benchmark::State& etat)
{
    ZoneDessinEnregistree zone;
    zone.setBounds(0, 0, 528, 155);
    std::unique_ptr<Tfigure> surface;
    creerFigure(&zone, 528, 155, surface);
    TdonneesCommunes& d = *donneesCommunes;
    reinitialiserQuestion(d);
    d.surfaceSolution = surface.get();
    d.nbChamps = 1;
    d.typeReponse[1] = typeFraction;
    d.reponseTapee[1] = "- 3 / 4";
    d.valeurAttendue[1] = -0.75;
    std::uint8_t resultat = 0;
    for (auto _ : etat) {
        verifierNombre(d, 1, resultat);
        benchmark::DoNotOptimize(resultat);
    }
    if (resultat != resultatJuste || surface->nbObjets != 0) etat.SkipWithError("the answer should be right");
    d.surfaceSolution = nullptr;
}
BENCHMARK(verifierFractionJuste);

}  // namespace
