// Reading typed answers: the comparison of two expressions of two variables (81 points) and the
// signed number reader on a fraction.

#include <benchmark/benchmark.h>

#include <string>

#include "exercise/comparaison_expressions.h"
#include "exercise/lecture_nombres.h"

namespace {

void comparerDeuxVariables(benchmark::State& etat)
{
    const std::string reponse = "(2x+3y)(x-y)";
    const std::string attendu = "2x²+xy-3y²";
    for (auto _ : etat)
        benchmark::DoNotOptimize(comparerExpressions(reponse, attendu, "xy", 1e-9, 43));
}
BENCHMARK(comparerDeuxVariables);

void lireFractionSignee(benchmark::State& etat)
{
    const std::string texte = " - 12 / 35 ";
    double valeur = 0, numerateur = 0, denominateur = 0;
    int code = 0;
    for (auto _ : etat) {
        lireNombreSigne(texte, valeur, code, numerateur, denominateur);
        benchmark::DoNotOptimize(valeur);
    }
}
BENCHMARK(lireFractionSignee);

}  // namespace
