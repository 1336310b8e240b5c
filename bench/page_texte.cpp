// A statement page of 40 lines of markup (fractions, roots, links, signs) painted with the Qt
// canvas into an image of a text zone's size, its link zones published as a paint does.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <string>

#include "engine/text/texte_balise.h"
#include "engine/text/zones_liens.h"
#include "platform/qt/canevas_qt.h"

namespace {

const std::array<const char*, 8> modeles = {
    "Calcule $F3;4; + $F5;12; puis simplifie le résultat $F15;20;.",
    "$rAttention :$n la racine $4$F9;16;$4 vaut $F3;4;.",
    "Voir $LC02_C1;le cours; et $LPoutils;les outils; avant de répondre.",
    "On a x² - 4 >= 0 et a <> b, donc 6 $: 2 = 3.",
    "$s2\\1\\-0,5\\0,5\\2x + y = 7\\x - y = -1$s  a pour solution (2 ; 3).",
    "L'angle $3ABC$N mesure 45° et le vecteur $5AB$N est nul.",
    "$W$F1;2;\\$F3;4;\\ = $F2;3; et $4x² + 1$4 > 1.",
    "$gQuestion :$N écris $F-7;21; sous forme irréductible.",
};

void BM_pageEnonce(benchmark::State& state)
{
    QImage image(456, 290, QImage::Format_RGB32);
    TlisteZonesLiens zones;
    for (auto _ : state) {
        image.fill(QColor(255, 247, 224));
        QPainter peintre(&image);
        CanevasQt canevas(peintre);
        viderZonesLiens(zones, 0);
        listeZonesCourante = &zones;
        for (int ligne = 0; ligne < 40; ++ligne) {
            double x = 8;
            dessinerTexte(canevas, modeles[static_cast<std::size_t>(ligne) % modeles.size()], x,
                          4 + (ligne % 14) * 20, 0x000000, styleNormal, 12);
        }
        listeZonesCourante = nullptr;
        peintre.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_pageEnonce)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
