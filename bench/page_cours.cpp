// Opening a course page whose picture is a JPEG of about 1 MB: the file read and decoded, the
// surface rebuilt with its picture and frames, then painted with the Qt canvas into an image of
// the paint box's size.

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

#include "engine/figure/dossier_programme.h"
#include "engine/figure/peinture.h"
#include "navigation/pages_cours.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/plateforme_qt.h"
#include "tests/navigation/cours_enregistre.h"

namespace {

// A page of the textbook's size whose noise keeps the file near 1 MB.
bool ecrirePageJpeg(const QString& chemin)
{
    QImage page(1200, 1700, QImage::Format_RGB32);
    QRandomGenerator hasard(5);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const int bruit = static_cast<int>(hasard.bounded(56));
            page.setPixel(x, y, qRgb(200 + bruit, 200 + bruit, 180 + bruit / 2));
        }
    return page.save(chemin, "JPG", 92);
}

void BM_ouvrirPageCours(benchmark::State& state)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("V0501S1.jpg"));
    if (!dossier.isValid() || !ecrirePageJpeg(chemin)) {
        state.SkipWithError("no picture");
        return;
    }
    PlateformeQt qt;
    installerPlateforme(&qt);
    dossierProgramme = dossier.path().toStdString() + "/";

    TcoursEnregistre c(485);
    for (auto _ : state) {
        afficherPageCours(c.d, 1002);
        QImage image(c.zone.Width(), c.zone.Height(), QImage::Format_RGB32);
        QPainter peintre(&image);
        CanevasQt canevas(peintre);
        dessinerFigure(*c.surface, canevas);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["octets"] = static_cast<double>(QFileInfo(chemin).size());
    installerPlateforme(nullptr);
    dossierProgramme.clear();
}
BENCHMARK(BM_ouvrirPageCours)->Unit(benchmark::kMillisecond);

}  // namespace
