#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/figure/lancer_outil.h"
#include "exercise/champs_reponse.h"
#include "exercise/ecriture_enonce.h"
#include "exercise/ecriture_solution.h"
#include "exercise/placement_figure.h"
#include "tests/exercise/banc_exercice.h"

namespace {

class EcritureEnonce : public BancExercice {
protected:
    void SetUp() override
    {
        BancExercice::SetUp();
        surfaceEnonce->decalageColonnes = 10;
    }

    const Ttexte& texte(int i) const { return surfaceEnonce->objets[i]->donneesDe<Ttexte>(); }
};

TEST_F(EcritureEnonce, ChampsDeReponseAlignesADroite)
{
    struct Cas {
        int n, largeur;
        std::vector<int> hauts;
    } const cas[] = {
        {1, 121, {251}}, {2, 121, {235, 263}}, {3, 200, {207, 235, 263}}, {0, 121, {}},
    };
    ChampEditionEnregistre* champs[] = {&edit1, &edit2, &edit3};
    for (const Cas& c : cas) {
        for (ChampEditionEnregistre* e : champs) {
            e->setText("vieux");
            e->setReadOnly(true);
        }
        placerChampsReponse(d, c.n, c.largeur);
        EXPECT_EQ(d.nbChamps, c.n);
        for (int k = 1; k <= 3; ++k) {
            ChampEditionEnregistre& e = *champs[k - 1];
            EXPECT_EQ(e.Visible(), k <= c.n) << c.n << " champ " << k;
            if (k > c.n) continue;
            EXPECT_EQ(e.Top(), c.hauts[static_cast<std::size_t>(k - 1)]) << c.n << " champ " << k;
            EXPECT_EQ(e.Left() + e.Width(), 421);
            EXPECT_EQ(e.Width(), c.largeur);
            EXPECT_EQ(e.Text(), "");
            EXPECT_FALSE(e.ReadOnly());
            // At most 78 characters can be typed.
            e.setText(std::string(100, '7'));
            EXPECT_EQ(e.Text().size(), 78u);
        }
    }
}

TEST_F(EcritureEnonce, EtiquettesDevantLesChamps)
{
    definirChampsReponse(d, 3);
    ecrireEtiquettesReponseABC(d);
    ecrireEtiquetteReponse(d);
    const std::vector<std::string> attendus = {"Réponse a :", "Réponse b :", "Réponse c :", "Réponse :"};
    EXPECT_EQ(textes(*surfaceEnonce), attendus);
    // Left edges 10 (then 8) columns before the field at x = 300, tops 27 pixels above it.
    const double gauches[] = {220, 220, 220, 236};
    const double hauts[] = {180, 208, 236, 180};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_DOUBLE_EQ(texte(i).x, gauches[i - 1]) << i;
        EXPECT_DOUBLE_EQ(texte(i).y, hauts[i - 1]) << i;
    }
}

TEST_F(EcritureEnonce, LignesCadreRemarqueEtCalculatrice)
{
    encadrerEnonce(d, 37, 3);
    ecrireEnonce(d, "Calculer.", 2.5);
    ecrireRemarqueDonneesHasard(d, 5);
    afficherCalculatrice(d);
    ASSERT_EQ(surfaceEnonce->nbObjets, 5);
    const Tcadre& cadre = surfaceEnonce->objets[1]->donneesDe<Tcadre>();
    EXPECT_EQ(cadre.style, 6);
    EXPECT_DOUBLE_EQ(cadre.x, (1 + 10) * 8);
    EXPECT_DOUBLE_EQ(cadre.y, 0.2 * 18);
    EXPECT_DOUBLE_EQ(texte(2).x, (2 + 10) * 8);
    EXPECT_DOUBLE_EQ(texte(2).y, 2 * 18);
    EXPECT_EQ(texte(3).texte, "Remarque : les données sont choisies au hasard :");
    EXPECT_EQ(texte(4).texte, "elles changent à chaque fois qu'on fait l'exercice.");
    EXPECT_DOUBLE_EQ(texte(4).y, 5.5 * 18);
    const TimageInterne& calculatrice = surfaceEnonce->objets[5]->donneesDe<TimageInterne>();
    EXPECT_EQ(calculatrice.codeLien, lienCalculatrice);
    EXPECT_DOUBLE_EQ(calculatrice.x, (-7 + 10) * 8);
}

TEST_F(EcritureEnonce, PlacesDeLaFigureDeLEnonce)
{
    struct Cas {
        void (*placer)(TdonneesCommunes&);
        TRect attendu;
    };
    const Cas cas[] = {
        {[](TdonneesCommunes& x) { placerFigureEnonce(x); }, {514, 5, 775, 266}},
        {[](TdonneesCommunes& x) { placerFigureEnonceBas(x, 200, 100); }, {575, 166, 775, 266}},
        {[](TdonneesCommunes& x) { placerFigureEnonceDecalee(x, 40, 20, 150, 120); }, {40, 20, 190, 140}},
    };
    for (const Cas& c : cas) {
        zoneFigureEnonce.setVisible(false);
        surfaceFigureEnonce->nbObjets = 0;
        c.placer(d);
        const TRect obtenu{zoneFigureEnonce.Left(), zoneFigureEnonce.Top(),
                           zoneFigureEnonce.Left() + zoneFigureEnonce.Width(),
                           zoneFigureEnonce.Top() + zoneFigureEnonce.Height()};
        EXPECT_EQ(obtenu, c.attendu);
        EXPECT_TRUE(zoneFigureEnonce.Visible());
        // Reset to the new size: origin in the middle, a tenth of the smaller side a unit.
        EXPECT_EQ(surfaceFigureEnonce->largeur, zoneFigureEnonce.Width());
        EXPECT_DOUBLE_EQ(surfaceFigureEnonce->origineX, zoneFigureEnonce.Width() / 2.0);
        EXPECT_DOUBLE_EQ(surfaceFigureEnonce->echelle,
                         std::min(zoneFigureEnonce.Width(), zoneFigureEnonce.Height()) / 10.0);
    }
}

TEST_F(EcritureEnonce, ListeDeNombresDansLesParametres)
{
    struct Cas {
        std::string texte;
        std::vector<int> attendus;
    } const cas[] = {
        {"3\\4,6\\12", {3, 5, 12, 0}},
        {"2.5\\-1,2\\x", {2, -1, 0, 0}},
        {"7", {7, 0, 0, 0}},
    };
    for (const Cas& c : cas) {
        surfaceFigureEnonce->parametres.fill(0);
        lireListeNombres(d, c.texte);
        for (std::size_t i = 0; i < c.attendus.size(); ++i)
            EXPECT_EQ(surfaceFigureEnonce->parametres[i + 1], c.attendus[i]) << c.texte << " " << i + 1;
    }
    std::string longue;
    for (int i = 1; i <= 20; ++i) longue += std::to_string(i) + "\\";
    lireListeNombres(d, longue);
    EXPECT_EQ(surfaceFigureEnonce->parametres[16], 16);
}

TEST_F(EcritureEnonce, SolutionParDefautEtBoutonPourSexercer)
{
    d.texteSolution.clear();
    ecrireTexteSolution(d);
    EXPECT_EQ(surfaceSolution->nbObjets, 0);
    ControleEnregistre bouton;
    d.BoutonPourSexercer = &bouton;
    placerBoutonPourSexercer(d, 249, 12.5);
    EXPECT_EQ(d.exercicePourSexercer, 249);
    EXPECT_EQ(bouton.Top(), 225);
}

}  // namespace
