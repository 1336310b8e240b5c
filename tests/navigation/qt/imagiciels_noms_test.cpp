// The names of the triangle built from its three sides, painted with the real canvas, stay clear
// of its strokes wherever the pupil drags B.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "navigation/imagiciels.h"
#include "platform/qt/canevas_qt.h"
#include "tests/navigation/banc_navigation.h"

namespace {

QImage peindre(Tfigure& f)
{
    QImage image(f.controle->Width(), f.controle->Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    CanevasQt canevas(peintre);
    dessinerFigure(f, canevas);
    return image;
}

class ImagicielsNoms : public BancNavigation {};

// At every length of [AB] the slider allows, C's place or none among them, two white pixels at
// least between what the names and lengths add to the picture and the ink of the rest.
TEST_F(ImagicielsNoms, LesNomsDuTriangleEvitentLesTraits)
{
    d.imagiciel = 1510;
    for (double xB = -3; xB <= 6; xB += 0.5) {
        lancerImagiciel(d);
        while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
        Tfigure& f = *figureImagiciel;
        placerPoint(f, "B", xB, -2);
        const QImage tout = peindre(f);
        for (int i = 1; i <= f.nbObjets; ++i)
            if (f.objets[i]->point) f.objets[i]->point->etiquette.clear();
        const QImage traits = peindre(f);
        const QRect cadre = traits.rect().adjusted(2, 2, -2, -2);
        int touches = 0;
        for (int y = cadre.top(); y <= cadre.bottom(); ++y)
            for (int x = cadre.left(); x <= cadre.right(); ++x)
                for (int v = -2; v <= 2 && tout.pixel(x, y) != traits.pixel(x, y); ++v)
                    for (int u = -2; u <= 2; ++u) touches += qGray(traits.pixel(x + u, y + v)) < 235;
        EXPECT_EQ(touches, 0) << "AB = " << xB + 4;
    }
}

}  // namespace
