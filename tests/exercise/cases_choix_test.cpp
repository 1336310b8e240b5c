#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exercise/cases_choix.h"
#include "tests/exercise/banc_exercice.h"

namespace {

class CasesChoix : public BancExercice {
protected:
    void SetUp() override
    {
        BancExercice::SetUp();
        reinitialiserQuestion(d);
        surfaceEnonce->decalageColonnes = 10;
        d.modeReponse = modeCases;
        disposerChoix(d, 2, 3, 40, 600);
        for (int n = 1; n <= 6; ++n) definirChoix(d, n, n, "choix " + std::to_string(n), 3);
    }

    std::vector<int> cochees() const
    {
        std::vector<int> c;
        for (int n = 1; n <= nbCasesChoix; ++n)
            if (d.casesChoix[n].cochee) c.push_back(n);
        return c;
    }

    std::vector<int> numerosTextes() const
    {
        std::vector<int> t;
        for (int n = 1; n <= 6; ++n) t.push_back(d.casesChoix[n].numeroTexte);
        return t;
    }
};

TEST_F(CasesChoix, GrilleDeDeuxRangeesDeTrois)
{
    const double w = (600 - 4 * 5) / 3.0;
    struct Attendu {
        double gauche, haut;
    } const attendus[] = {
        {110, 170}, {115 + w, 170}, {120 + 2 * w, 170}, {110, 215}, {115 + w, 215}, {120 + 2 * w, 215},
    };
    for (int n = 1; n <= 6; ++n) {
        const TcaseChoix& c = d.casesChoix[n];
        EXPECT_TRUE(c.visible && !c.cochee) << n;
        EXPECT_DOUBLE_EQ(c.gauche, attendus[n - 1].gauche) << n;
        EXPECT_DOUBLE_EQ(c.droite - c.gauche, w) << n;
        EXPECT_DOUBLE_EQ(c.haut, attendus[n - 1].haut) << n;
        EXPECT_DOUBLE_EQ(c.bas - c.haut, 40) << n;
    }
    EXPECT_FALSE(d.casesChoix[7].visible);

    // Over the statement's width less its column offset; a grid beyond 30 cells stops at 30.
    disposerChoixSurLargeur(d, 1, 2, 30);
    EXPECT_DOUBLE_EQ(d.casesChoix[2].droite, 110 + 5 + 2 * ((600 - 15) / 2.0));
    EXPECT_FALSE(d.casesChoix[3].visible);
    disposerChoix(d, 8, 4, 10, 600);
    EXPECT_TRUE(d.casesChoix[30].visible);
}

TEST_F(CasesChoix, LeBordDUneCaseN_EstPasDansLaCase)
{
    const TcaseChoix& c = d.casesChoix[1];
    const int g = static_cast<int>(c.gauche), h = static_cast<int>(c.haut), b = static_cast<int>(c.bas);
    struct Cas {
        int x, y, n;
    } const cas[] = {
        {g, h + 5, 0}, {g + 1, h + 5, 1}, {g + 5, h, 0}, {g + 5, h + 1, 1}, {g + 5, b, 0}, {g + 5, b - 1, 1}, {0, 0, 0},
    };
    for (const Cas& k : cas) {
        d.sourisX = k.x;
        d.sourisY = k.y;
        EXPECT_EQ(choixSousSouris(d), k.n) << k.x << "," << k.y;
    }
    d.casesChoix[1].visible = false;
    d.sourisX = g + 5;
    d.sourisY = h + 5;
    EXPECT_EQ(choixSousSouris(d), 0);
}

TEST_F(CasesChoix, CocherParGroupesOuPlusieurs)
{
    d.casesChoix[1].groupe = d.casesChoix[2].groupe = 1;
    cliquerCase(1);
    cliquerCase(3);
    cliquerCase(2);
    EXPECT_EQ(cochees(), (std::vector<int>{2, 3}));
    cliquerCase(3);
    EXPECT_EQ(cochees(), (std::vector<int>{2}));
    EXPECT_GT(zoneTexteEnonce.nbRepaint, 0);
    // Beside the cells, nothing.
    cliquerEnonce(1, 1);
    EXPECT_EQ(cochees(), (std::vector<int>{2}));
    d.questionTerminee = true;
    cliquerCase(4);
    EXPECT_EQ(cochees(), (std::vector<int>{2}));
}

TEST_F(CasesChoix, ChoixUniqueValideAuPremierCochage)
{
    d.choixUnique = true;
    d.validationParBouton = false;
    d.choixJuste = 5;
    // Unticking a ticked cell does not validate.
    d.casesChoix[4].cochee = true;
    cliquerCase(4);
    EXPECT_TRUE(cochees().empty());
    EXPECT_FALSE(d.questionTerminee);
    EXPECT_TRUE(imagesResultat().empty());

    cliquerCase(6);
    cliquerCase(2);
    // The first tick validated: one try, wrong, and the question is settled.
    EXPECT_EQ(cochees(), (std::vector<int>{6}));
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.resultat, resultatFaux);
    EXPECT_EQ(d.pointsObtenus, 0);
    EXPECT_EQ(imagesResultat(), std::vector<const Image*>{&imageFausse});
    EXPECT_EQ(son.nbPlay, 1);

    // The settled choice shows its right cell in green, whatever was ticked.
    zoneTexteEnonce.canevas().effacer();
    dessinerChoix(d);
    std::vector<TColor> fonds;
    for (const Appel& a : zoneTexteEnonce.canevas().appels(GenreAppel::RoundRect))
        if (a.pen.Style == psClear && a.arguments[0] == static_cast<int>(d.casesChoix[5].gauche + 0.5)) fonds.push_back(a.brush.Color);
    EXPECT_EQ(fonds.back(), 0x00FF00);
}

TEST_F(CasesChoix, ChoixUniqueAvecBoutonNeValidePas)
{
    d.choixUnique = true;
    d.choixJuste = 2;
    cliquerCase(1);
    cliquerCase(2);
    EXPECT_EQ(cochees(), (std::vector<int>{2}));
    EXPECT_FALSE(d.questionTerminee);
    verifierChoixUnique(d);
    EXPECT_EQ(d.resultat, resultatJuste);
    EXPECT_EQ(d.pointsObtenus, 1);
    EXPECT_EQ(imagesResultat(), std::vector<const Image*>{&imageExacte});
}

TEST_F(CasesChoix, EchangerDeuxTextes)
{
    d.modeReponse = modeEchange;
    cliquerCase(2);
    EXPECT_EQ(d.premierChoixEchange, 2);
    // A click beside every cell keeps the first one chosen.
    cliquerEnonce(1, 1);
    EXPECT_EQ(d.premierChoixEchange, 2);
    cliquerCase(5);
    EXPECT_EQ(numerosTextes(), (std::vector<int>{1, 5, 3, 4, 2, 6}));
    EXPECT_EQ(d.premierChoixEchange, 0);
    cliquerCase(3);
    cliquerCase(3);
    EXPECT_EQ(numerosTextes(), (std::vector<int>{1, 5, 3, 4, 2, 6}));
    EXPECT_EQ(d.premierChoixEchange, 0);
    EXPECT_TRUE(cochees().empty());
}

TEST_F(CasesChoix, DessinDesCases)
{
    d.casesChoix[1].cochee = true;
    d.premierChoixEchange = 2;
    for (int n = 3; n <= 6; ++n) d.casesChoix[n].visible = false;
    dessinerChoix(d);
    const CanevasEnregistre& c = zoneTexteEnonce.canevas();
    struct Trait {
        TColor fond;
        int largeurPlume;
        TColor plume;
    };
    std::vector<Trait> traits;
    for (const Appel& a : c.appels(GenreAppel::RoundRect)) {
        EXPECT_EQ(a.arguments[4], 16);
        traits.push_back(a.pen.Style == psClear ? Trait{a.brush.Color, 0, 0} : Trait{-1, a.pen.Width, a.pen.Color});
    }
    // Cell 1: white, ticked yellow with its teal outline, black edge; cell 2: the first swapped.
    const std::vector<std::pair<TColor, int>> attendus = {
        {0xFFFFFF, 0}, {0x80FFFF, 0}, {0x008080, 2}, {0x000000, 1}, {0x80FFFF, 0}, {0x000000, 1}};
    ASSERT_EQ(traits.size(), attendus.size());
    for (std::size_t i = 0; i < traits.size(); ++i) {
        const TColor couleur = traits[i].largeurPlume == 0 ? traits[i].fond : traits[i].plume;
        EXPECT_EQ(couleur, attendus[i].first) << i;
        EXPECT_EQ(traits[i].largeurPlume, attendus[i].second) << i;
    }
    const auto textes = c.appels(GenreAppel::TextOut);
    ASSERT_FALSE(textes.empty());
    EXPECT_EQ(textes.front().texte.substr(0, 5), "choix");
    const TcaseChoix& c1 = d.casesChoix[1];
    EXPECT_EQ(textes.front().arguments[0], arrondi((c1.gauche + c1.droite) / 2 - 8 * 3));
}

}  // namespace
