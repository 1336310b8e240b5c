#include "platform/double/controles_enregistres.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/platform/verifier_arbre.h"

TEST(ArbreEnregistre, numeroteSesNoeudsEnPreordre)
{
    ArbreEnregistre arbre;
    verifierArbre(arbre);
}

// The second click on the selected leaf is the one that acts: the handler must see the selection
// from before the click.
TEST(ArbreEnregistre, unClicMontreLaSelectionDAvantPuisSelectionne)
{
    ArbreEnregistre arbre;
    arbre.remplir(lignesDeMenu());
    std::vector<std::pair<int, int>> vus;  // (node clicked, node selected when clicked)
    arbre.OnClick.lier(gardeOuverte(), [&](int index) { vus.emplace_back(index, arbre.Selected()); });
    arbre.cliquer(2);
    arbre.cliquer(2);
    arbre.cliquer(-1);
    EXPECT_EQ(vus, (std::vector<std::pair<int, int>>{{2, -1}, {2, 2}, {-1, 2}}));
    EXPECT_EQ(arbre.Selected(), 2);
}

TEST(ControlesEnregistres, unSeulControleALeFocus)
{
    ChampEditionEnregistre edit1;
    ChampEditionEnregistre edit2;
    edit1.SetFocus();
    EXPECT_TRUE(edit1.Focused());
    edit2.SetFocus();
    EXPECT_FALSE(edit1.Focused());
    EXPECT_TRUE(edit2.Focused());

    // Hidden or disabled controls neither take nor keep it.
    edit2.setVisible(false);
    EXPECT_FALSE(edit2.Focused());
    edit2.SetFocus();
    EXPECT_EQ(controleFocalise(), nullptr);
    edit1.setEnabled(false);
    edit1.SetFocus();
    EXPECT_EQ(controleFocalise(), nullptr);
    edit1.setEnabled(true);
    {
        ChampEditionEnregistre passager;
        passager.SetFocus();
    }
    EXPECT_EQ(controleFocalise(), nullptr) << "a destroyed control leaves no focus behind";
}

TEST(ClasseurPagesEnregistre, seulLaPageActiveSeVoitEtLeProgrammeNAppellePasOnChange)
{
    ClasseurPagesEnregistre classeur;
    ControleEnregistre menu, cours, exercice, etranger;
    classeur.ajouterPage(menu);
    classeur.ajouterPage(cours);
    classeur.ajouterPage(exercice);
    int changements = 0;
    classeur.OnChange.lier(gardeOuverte(), [&] { ++changements; });

    EXPECT_EQ(classeur.ActivePage(), &menu);
    classeur.setActivePage(&exercice);
    classeur.setActivePage(&etranger);
    EXPECT_EQ(classeur.ActivePage(), &exercice);
    EXPECT_FALSE(menu.Visible());
    EXPECT_TRUE(exercice.Visible());
    EXPECT_EQ(changements, 0);

    classeur.setTabVisible(&cours, false);
    classeur.choisirOnglet(cours);
    EXPECT_EQ(classeur.ActivePage(), &exercice) << "a hidden tab cannot be clicked";
    classeur.choisirOnglet(menu);
    EXPECT_EQ(classeur.ActivePage(), &menu);
    EXPECT_EQ(changements, 1);
    EXPECT_FALSE(classeur.TabVisible(&etranger));
}
