#include "engine/figure/lancer_outil.h"

#include <gtest/gtest.h>

#include "platform/double/plateforme_enregistree.h"

namespace {

TEST(LancerOutil, laCalculatriceSeulementPourSonCode)
{
    PlateformeEnregistree systeme;
    installerPlateforme(&systeme);
    struct {
        int code;
        int lancements;
    } const cas[] = {{2764, 1}, {2763, 0}, {0, 0}, {-2764, 0}, {1013, 0}};
    for (const auto& c : cas) {
        systeme.lancementsCalculatrice = 0;
        lancerOutil(c.code);
        EXPECT_EQ(systeme.lancementsCalculatrice, c.lancements) << c.code;
    }
    // A system without a calculator: nothing to report, nothing else started.
    systeme.calculatricePresente = false;
    lancerOutil(lienCalculatrice);
    EXPECT_EQ(systeme.lancementsCalculatrice, 1);
    EXPECT_TRUE(systeme.documentsOuverts.empty());
    installerPlateforme(nullptr);
}

} // namespace
