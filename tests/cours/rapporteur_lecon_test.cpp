// The protractor of a lesson's figure: the program's own instrument, its 0 on the given side, and
// the numbers of its two scales, each counted from its own 0.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <utility>

#include "cours/figures_lecon.h"

namespace {

std::unique_ptr<Tfigure> figureDe(const std::string& source)
{
    std::unique_ptr<Tfigure> f;
    creerFigure(nullptr, 400, 300, f);
    for (const TinstructionLecon& instruction : lireSourceLecon(source)) creerObjetFigure(*f, instruction);
    return f;
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
