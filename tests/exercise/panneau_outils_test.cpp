#include <gtest/gtest.h>

#include "exercise/panneau_outils.h"
#include "tests/exercise/banc_exercice.h"

namespace {

class PanneauOutils : public BancExercice {};

TEST_F(PanneauOutils, OutilsImposesEtPanneau)
{
    Tfigure& f = *surfaceFigureEnonce;
    montrerPanneauOutils(d);
    EXPECT_FALSE(panneauOutils.Visible());

    definirDeuxOutils(d, outilRegle, outilRapporteur);
    EXPECT_EQ(f.nbOutils, 2);
    EXPECT_EQ(f.outils[1].genre, outilRegle);
    EXPECT_EQ(f.outils[1].genresPermis.count(), 1u);
    EXPECT_DOUBLE_EQ(f.outils[1].rayon, 3.0);
    EXPECT_TRUE(f.outils[2].genresPermis.test(outilRapporteur));
    EXPECT_DOUBLE_EQ(f.outils[2].rayon, 5.9);
    montrerPanneauOutils(d);
    EXPECT_FALSE(panneauOutils.Visible());

    // Offered rather than imposed, the instruments come with the panel.
    libererOutilsImposes(d);
    montrerPanneauOutils(d);
    EXPECT_TRUE(panneauOutils.Visible());
    cacherPanneauOutils(d);
    EXPECT_FALSE(panneauOutils.Visible());
}

TEST_F(PanneauOutils, SauverPuisRestaurer)
{
    Tfigure& f = *surfaceFigureEnonce;
    definirOutil(d, outilCompas);
    f.outils[1].rayon = 2.5;
    f.rayonsLies = true;
    sauverOutils(d);
    definirDeuxOutils(d, outilEquerre, outilRegleGraduee);
    f.rayonsLies = false;
    restaurerOutils(d);
    EXPECT_EQ(f.nbOutils, 1);
    EXPECT_EQ(f.outils[1].genre, outilCompas);
    EXPECT_DOUBLE_EQ(f.outils[1].rayon, 2.5);
    EXPECT_TRUE(f.rayonsLies);
}

}  // namespace
