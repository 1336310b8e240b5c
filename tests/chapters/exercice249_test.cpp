// Exercise 249 as a pupil does it, through the chapters' dispatchers: three questions, one cell
// to tick in each, the wrong picture and sound, the solution in red, the score and the way back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chapters/chapitres.h"
#include "engine/figure/objets_par_nom.h"
#include "exercise/cycle_exercice.h"
#include "tests/exercise/banc_exercice.h"

namespace {

constexpr TColor rouge = 0x0000FF;
const std::string titre = std::string(18, ' ') + "Vocabulaire : parallèle, perpendiculaire";
const std::string score = std::string(24, ' ') + "Score:";

class Exercice249 : public BancExercice {
protected:
    void SetUp() override
    {
        BancExercice::SetUp();
        installerChapitres();
    }

    TColor couleur(const std::string& nom) const { return objetNomme(*surfaceFigureEnonce, nom)->couleur; }

    // The fill colours the cell got at the last paint of the choice cells, in order.
    std::vector<TColor> fondsCase(int n)
    {
        zoneTexteEnonce.canevas().effacer();
        dessinerChoix(d);
        std::vector<TColor> fonds;
        const int gauche = arrondi(d.casesChoix[n].gauche);
        for (const Appel& a : zoneTexteEnonce.canevas().appels(GenreAppel::RoundRect))
            if (a.pen.Style == psClear && a.arguments[0] == gauche && a.arguments[1] == arrondi(d.casesChoix[n].haut))
                fonds.push_back(a.brush.Color);
        return fonds;
    }
};

TEST_F(Exercice249, LEnonceDeLaPremiereQuestion)
{
    lancerExercice(d, 249);
    EXPECT_EQ(labelTitre.Caption(), titre + " (1/3)");
    EXPECT_EQ(labelChapitre.Caption(), "8. Règle, équerre, compas");
    EXPECT_FALSE(boutonValider.Visible());
    EXPECT_FALSE(boutonRevoirCours.Visible());
    EXPECT_FALSE(boutonAide.Visible());
    EXPECT_EQ(d.nbChamps, 0);
    EXPECT_TRUE(zoneFigureEnonce.Visible());
    EXPECT_EQ((TRect{zoneFigureEnonce.Left(), zoneFigureEnonce.Top(), zoneFigureEnonce.Width(), zoneFigureEnonce.Height()}),
              (TRect{514, 5, 261, 261}));
    EXPECT_EQ(textes(*surfaceEnonce),
              (std::vector<std::string>{"Les droites D$21$1 et D$22$1 semblent ...",
                                        "(Sélectionner la bonne réponse avec la souris)"}));
    EXPECT_EQ(textes(*surfaceSolution),
              std::vector<std::string>{"Remarque : cet exercice est accessible à partir de plusieurs chapitres."});

    const char* textesCases[] = {"parallèles", "perpendiculaires", "ni l'un, ni l'autre"};
    for (int n = 1; n <= 3; ++n) {
        const TcaseChoix& c = d.casesChoix[n];
        EXPECT_TRUE(c.visible) << n;
        EXPECT_EQ(d.textesChoix[c.numeroTexte].texte, textesCases[n - 1]) << n;
        EXPECT_DOUBLE_EQ(c.droite - c.gauche, 290) << n;
    }
    EXPECT_FALSE(d.casesChoix[4].visible);

    for (const char* point : {"A", "B", "C", "D"}) EXPECT_FALSE(objetNomme(*surfaceFigureEnonce, point)->visible);
    EXPECT_EQ(objetNomme(*surfaceFigureEnonce, "D1")->point->etiquette, "D$21$1");
    EXPECT_EQ(objetNomme(*surfaceFigureEnonce, "D4")->point->etiquette, "D$24$1");
    for (const char* droite : {"(AB)", "(BC)", "pa1", "pe1"}) {
        EXPECT_EQ(couleur(droite), 0x000000) << droite;
        EXPECT_FALSE(estIndefini(*surfaceFigureEnonce, droite)) << droite;
    }
}

TEST_F(Exercice249, TroisQuestionsJusquAuSommaire)
{
    struct Question {
        int cliquee;
        int juste;
        const char* rouge1;
        const char* rouge2;
        const char* solution;
        const char* score;
    } const questions[] = {
        {1, 2, "pe1", "pa1", "Les droites D$21$1 et D$22$1 semblent perpendiculaires.", " 0 / 1"},
        {3, 3, "pe1", "(BC)", "Les droites D$21$1 et D$22$1 ne sont ni parallèles, ni perpendiculaires.", " 1 / 2"},
        {1, 1, "(AB)", "pa1", "Les droites D$21$1 et D$22$1 semblent parallèles.", " 2 / 3"},
    };
    lancerExercice(d, 249);
    for (int q = 1; q <= 3; ++q) {
        const Question& attendu = questions[q - 1];
        const std::string cas = "question " + std::to_string(q);
        ASSERT_EQ(d.numeroQuestion, q);
        EXPECT_EQ(labelTitre.Caption(), titre + " (" + std::to_string(q) + "/3)") << cas;
        systeme.bips.clear();
        son.nbPlay = 0;

        // Ticking a cell validates at once, with one try.
        cliquerCase(attendu.cliquee);
        const bool juste = attendu.cliquee == attendu.juste;
        EXPECT_TRUE(d.questionTerminee) << cas;
        EXPECT_EQ(imagesResultat(), std::vector<const Image*>{juste ? &imageExacte : &imageFausse}) << cas;
        EXPECT_EQ(son.nbPlay, juste ? 0 : 1) << cas;
        EXPECT_EQ(systeme.bips, juste ? std::vector<unsigned>{MB_ICONHAND} : std::vector<unsigned>{}) << cas;
        EXPECT_EQ(textes(*surfaceSolution), std::vector<std::string>{attendu.solution}) << cas;
        EXPECT_DOUBLE_EQ(surfaceSolution->objets[2]->donneesDe<Ttexte>().y, 3 * 18) << cas;
        EXPECT_EQ(couleur(attendu.rouge1), rouge) << cas;
        EXPECT_EQ(couleur(attendu.rouge2), rouge) << cas;
        EXPECT_EQ(zoneScore.Caption(), score + attendu.score) << cas;
        EXPECT_EQ(fondsCase(attendu.juste).back(), 0x00FF00) << cas;
        EXPECT_FALSE(boutonReessayer.Visible()) << cas;
        EXPECT_EQ(d.delaiBoutons, 1) << cas;

        // Once settled, the cells no longer answer.
        cliquerCase(attendu.juste == 1 ? 2 : 1);
        EXPECT_EQ(imagesResultat().size(), 1u) << cas;

        EXPECT_EQ(boutonSuite.Visible(), q < 3) << cas;
        EXPECT_EQ(boutonSommaire.Visible(), q == 3) << cas;
        if (q < 3) poserQuestion(d, true);
    }
    EXPECT_FALSE(d.exerciceEnCours);
    EXPECT_EQ(d.nbExercicesTraites, 1);
    EXPECT_EQ(d.pointsSession, 2);
    EXPECT_EQ(d.pointsPossiblesSession, 3);
}

}  // namespace
