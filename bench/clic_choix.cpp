// From the pupil's click on a choice cell to the repainted exercise page: the cell is ticked, the
// answer validated and checked, the result picture and the solution written, and the four exercise
// surfaces painted with the Qt canvas into images of their sizes, the choice cells over the
// statement. Exercise 249, first question, a wrong cell: the longest road (sound, red lines).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "chapters/chapitres.h"
#include "engine/figure/peinture.h"
#include "exercise/cases_choix.h"
#include "exercise/cycle_exercice.h"
#include "exercise/horloge.h"
#include "platform/double/controles_enregistres.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/image_qt.h"

namespace {

// A paint box whose canvas is the one being painted into.
class ZoneImage final : public EtatControle<ZoneDessin> {
public:
    Canevas& canvas() override { return *canevas; }
    int Cursor() const override { return crDefault; }
    void setCursor(int) override {}
    Canevas* canevas = nullptr;
};

struct Tpage {
    ZoneImage zone;
    std::unique_ptr<Tfigure> figure;
    QImage image;

    void lier(int gauche, int haut, int largeur, int hauteur, TColor couleur)
    {
        zone.setBounds(gauche, haut, largeur, hauteur);
        zone.setColor(couleur);
        creerFigure(&zone, largeur, hauteur, figure);
    }

    void peindre(bool choix)
    {
        if (!zone.Visible()) return;
        if (image.width() != zone.Width() || image.height() != zone.Height())
            image = QImage(zone.Width(), zone.Height(), QImage::Format_RGB32);
        QPainter peintre(&image);
        CanevasQt canevas(peintre);
        zone.canevas = &canevas;
        dessinerFigure(*figure, canevas);
        if (choix) {
            dessinerHorloge(canevas);
            dessinerChoix(*donneesCommunes);
        }
        zone.canevas = nullptr;
    }
};

void BM_clicCaseVersPage(benchmark::State& state)
{
    TdonneesCommunes& d = *donneesCommunes;
    initialiserDonneesCommunes(d);
    installerChapitres();
    Tpage figureEnonce, figureSolution, enonce, solution;
    figureEnonce.lier(0, 5, 320, 290, 0xFFFFFF);
    figureSolution.lier(536, 0, 248, 155, 0xFFFFFF);
    enonce.lier(0, 0, 780, 271, 0xE0F7FF);
    solution.lier(0, 0, 528, 155, 0xFDFEE0);
    d.surfaceFigureEnonce = figureEnonce.figure.get();
    d.surfaceFigureSolution = figureSolution.figure.get();
    d.surfaceEnonce = enonce.figure.get();
    d.surfaceSolution = solution.figure.get();
    QImage dessinFaux(90, 60, QImage::Format_RGB32);
    dessinFaux.fill(Qt::red);
    const ImageQt faux(dessinFaux);
    d.ImageFausse = &faux;
    LecteurSonEnregistre son;
    d.MediaPlayerErreur = &son;

    for (auto _ : state) {
        state.PauseTiming();
        d.exerciceEnCours = false;
        lancerExercice(d, 249);
        const TcaseChoix& c = d.casesChoix[1];
        d.sourisX = static_cast<int>((c.gauche + c.droite) / 2);
        d.sourisY = static_cast<int>((c.haut + c.bas) / 2);
        state.ResumeTiming();

        cliquerZoneEnonce(d);
        solution.peindre(false);
        enonce.peindre(true);
        figureEnonce.peindre(false);
        figureSolution.peindre(false);
        benchmark::DoNotOptimize(enonce.image.constBits());
    }
    state.counters["terminee"] = d.questionTerminee;
    state.counters["lignesSolution"] = d.surfaceSolution->nbObjets;
}
BENCHMARK(BM_clicCaseVersPage)->Unit(benchmark::kMillisecond);

}  // namespace
