// The protractor of a lesson's figure: the program's own instrument, its 0 on the given side, and
// the numbers of its two scales, each counted from its own 0.

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "cours/encre_lecon.h"
#include "cours/figures_lecon.h"
#include "engine/figure/peinture.h"
#include "platform/qt/canevas_qt.h"

namespace {

std::unique_ptr<Tfigure> figureDe(const std::string& source, double echelle = 30)
{
    std::unique_ptr<Tfigure> f;
    creerFigure(nullptr, 800, 600, f);
    f->echelle = echelle;
    calculerFenetre(*f);
    for (const TinstructionLecon& instruction : lireSourceLecon(source)) creerObjetFigure(*f, instruction);
    return f;
}

std::unique_ptr<Tfigure> rapporteurA(double echelle, double rayon)
{
    return figureDe("point O 0 0\npoint A 1 0\nrapporteur O A " + std::to_string(rayon) + "\n", echelle);
}

bool refuse(double echelle, double rayon)
{
    try {
        rapporteurA(echelle, rayon);
    } catch (const ErreurLecon&) {
        return true;
    }
    return false;
}

// The fewest pixels, across or down, from the ink of a number of the protractor, painted alone, to
// that of another: 3 when 2 pixels of white stand between them.
int ecartEntreNombres(Tfigure& f)
{
    std::vector<std::vector<QPoint>> encres;
    QImage image(f.largeur, f.hauteur, QImage::Format_RGB32);
    for (int i = 1; i <= f.nbObjets; ++i) {
        if (!f.objets[i]->point->etiquette.starts_with("$<")) continue;
        image.fill(Qt::white);
        {
            QPainter peintre(&image);
            CanevasQt canevas(peintre);
            dessinerObjet(f, canevas, i);
        }
        std::vector<QPoint>& encre = encres.emplace_back();
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (estEncre(ligne[x])) encre.emplace_back(x, y);
        }
    }
    int ecart = INT_MAX;
    for (std::size_t i = 0; i < encres.size(); ++i)
        for (std::size_t j = i + 1; j < encres.size(); ++j)
            for (const QPoint& a : encres[i])
                for (const QPoint& b : encres[j])
                    ecart = std::min(ecart, std::max(std::abs(a.x() - b.x()), std::abs(a.y() - b.y())));
    return ecart;
}

}  // namespace

TEST(RapporteurLecon, sesDeuxGraduationsPartentDeZeroChacuneDUnCote)
{
    const std::unique_ptr<Tfigure> f = figureDe("point O 0 0\npoint A 0 3\nrapporteur O A 3 vert\n");
    ASSERT_EQ(f->nbOutils, 1);
    const Toutil& o = f->outils[1];
    EXPECT_EQ(o.genre, outilRapporteur);
    EXPECT_NEAR(o.angle, 90, 1e-9);
    // The numbers by their direction from [OA), anticlockwise, and their colour.
    std::map<std::pair<long, TColor>, std::string> nombres;
    for (int i = 3; i <= f->nbObjets; ++i) {
        const Tpoint& p = *f->objets[i]->point;
        const double d = std::atan2(p.y - o.y, p.x - o.x) * 180 / std::numbers::pi - o.angle;
        nombres[{(std::lround(d) + 360) % 360, f->objets[i]->couleur}] = p.etiquette;
    }
    EXPECT_EQ(nombres.size(), 38u);
    const TColor noir = 0x000000, vert = 0x008000;
    for (const long d : {0L, 50L, 180L}) {
        EXPECT_EQ(nombres[std::make_pair(d, noir)], "$<" + std::to_string(d));
        EXPECT_EQ(nombres[std::make_pair(d, vert)], "$<" + std::to_string(180 - d));
    }
    EXPECT_THROW(figureDe("point O 5 1\nrapporteur O O 3\n"), ErreurLecon);
}

// The statement takes the smallest radius whose painted numbers keep 2 pixels of white between
// them at the figure's scale, and refuses a tenth less; at the smallest scale it takes, the two
// rows keep apart whatever the radius.
TEST(RapporteurLecon, sesNombresPeintsGardentDeuxPixelsDeBlancAuPlusPetitRayonAdmis)
{
    const struct {
        double echelle, rayon;
        bool leMoindre;
    } cas[] = {{21.2, 3.7, true}, {21.2, 6.7, false}, {21.2, 10.5, false},
               {25, 2.8, true},   {30, 2, true},      {39, 1.1, true}};
    for (const auto& c : cas) {
        EXPECT_GE(ecartEntreNombres(*rapporteurA(c.echelle, c.rayon)), 3) << c.echelle << " " << c.rayon;
        EXPECT_EQ(c.leMoindre, refuse(c.echelle, c.rayon - 0.1)) << c.echelle << " " << c.rayon;
    }
    EXPECT_TRUE(refuse(21.1, 10));
}
