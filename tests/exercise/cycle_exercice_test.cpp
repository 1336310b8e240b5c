// Journeys through the exercise cycle with an exercise of chapter 1 made for the test: its
// statement sets what the scenario says and leaves the check and the solution to the defaults.

#include <gtest/gtest.h>

#include <string>

#include "engine/figure/creation_points.h"
#include "exercise/champs_reponse.h"
#include "exercise/cycle_exercice.h"
#include "exercise/ecriture_solution.h"
#include "tests/exercise/banc_exercice.h"

namespace {

struct Tscenario {
    int nbQuestions = 1;
    int nbChamps = 1;
    std::uint8_t mode = modeSaisie;
    std::uint8_t type2 = typeNombre;
    bool repeter = false;
    bool essai = false;
    bool horloge = false;
    // A point to drag on the statement figure.
    bool figure = false;
    // From this question on, the statement writes nothing (0: never).
    int blancheDes = 0;
    std::string solution;
};

Tscenario scenario;

// Every field expects 12 (field 2 expects 5).
void poserExerciceTest()
{
    TdonneesCommunes& d = *donneesCommunes;
    d.nbQuestions = scenario.nbQuestions;
    if (scenario.blancheDes != 0 && d.numeroQuestion >= scenario.blancheDes) return;
    d.modeReponse = scenario.mode;
    d.titreExercice = "Calcul";
    definirChampsReponse(d, scenario.nbChamps);
    d.valeurAttendue[1] = 12;
    d.valeurAttendue[2] = 5;
    d.typeReponse[2] = scenario.type2;
    d.repeterQuestion = scenario.repeter;
    d.questionEssai = scenario.essai;
    d.texteSolution = scenario.solution;
    if (scenario.figure) creerPointMobile(*d.surfaceFigureEnonce, "A", 0, 1, 1);
    if (scenario.horloge) {
        d.horlogeActive = true;
        d.delaiHorloge = 1;
        d.dureeHorloge = 8;
    }
}

void solutionTest()
{
    ecrireTexteSolution(*donneesCommunes);
}

const std::string titre = std::string(18, ' ') + "Calcul";
const std::string score = std::string(24, ' ') + "Score:";

class CycleExercice : public BancExercice {
protected:
    void SetUp() override
    {
        BancExercice::SetUp();
        scenario = Tscenario{};
        inscrireChapitre(2, {poserExerciceTest, nullptr, solutionTest, nullptr, nullptr});
    }

    void repondre(const std::string& a, const std::string& b = "")
    {
        edit1.setText(a);
        edit2.setText(b);
        validerReponse(d);
    }
};

TEST_F(CycleExercice, TroisQuestionsJusquAuSommaire)
{
    scenario.nbQuestions = 3;
    pages.setActivePage(&pageMenu);
    lancerExercice(d, 5);
    EXPECT_EQ(pages.ActivePage(), &pageExercice);
    EXPECT_EQ(labelTitre.Caption(), titre + " (1/3)");
    EXPECT_EQ(labelChapitre.Caption(), "1. Nombres entiers et décimaux");
    EXPECT_EQ(zoneScore.Caption(), score);
    EXPECT_EQ(arbre.Selected(), 5);
    EXPECT_TRUE(d.exerciceEnCours);
    EXPECT_EQ(d.nbExercicesAbordes, 1);
    EXPECT_TRUE(boutonValider.Visible());
    EXPECT_TRUE(edit1.Visible() && edit1.Focused() && !edit1.ReadOnly());
    EXPECT_EQ(surfaceEnonce->decalageColonnes, 10);

    // An empty field is no answer: nothing is counted, nothing is shown.
    repondre("");
    EXPECT_EQ(d.nbEssais, 1);
    EXPECT_TRUE(imagesResultat().empty());
    EXPECT_TRUE(edit1.Focused() && !edit1.ReadOnly());
    EXPECT_TRUE(boutonValider.Visible());

    repondre(" 13 ");
    EXPECT_EQ(d.reponseTapee[1], "13");
    EXPECT_EQ(imagesResultat(), std::vector<const Image*>{&imageFausse});
    EXPECT_EQ(son.fichierOuvert, "/programme/erreur.wav");
    EXPECT_EQ(son.nbPlay, 1);
    EXPECT_EQ(textes(*surfaceSolution), std::vector<std::string>{"La réponse est fausse."});
    EXPECT_EQ(d.nbEssais, 2);
    EXPECT_FALSE(d.questionTerminee);
    EXPECT_TRUE(boutonReessayer.Visible() && boutonReessayer.Focused());
    EXPECT_FALSE(boutonValider.Visible());
    EXPECT_TRUE(edit1.ReadOnly());

    reessayer(d);
    EXPECT_FALSE(boutonReessayer.Visible());
    EXPECT_TRUE(boutonValider.Visible());
    EXPECT_TRUE(edit1.Focused() && !edit1.ReadOnly());
    EXPECT_EQ(surfaceSolution->nbObjets, 0);

    // Right at the second try: 1 − 2 points, which counts as 0.
    repondre("12");
    EXPECT_EQ(imagesResultat(), std::vector<const Image*>{&imageExacte});
    EXPECT_EQ(systeme.bips, std::vector<unsigned>{MB_ICONHAND});
    EXPECT_EQ(d.pointsObtenus, 0);
    EXPECT_EQ(zoneScore.Caption(), score + " 0 / 1");
    EXPECT_TRUE(boutonSuite.Visible() && boutonSuite.Focused());
    EXPECT_FALSE(boutonSommaire.Visible());
    EXPECT_EQ(d.delaiBoutons, 1);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(d.exerciceEnCours);

    // Enter on a settled question goes on, delay or not.
    validerReponse(d);
    EXPECT_EQ(labelTitre.Caption(), titre + " (2/3)");
    EXPECT_EQ(d.nbEssais, 1);
    EXPECT_FALSE(boutonSuite.Visible());
    repondre("12");
    EXPECT_EQ(zoneScore.Caption(), score + " 1 / 2");

    poserQuestion(d, true);
    EXPECT_EQ(labelTitre.Caption(), titre + " (3/3)");
    repondre("12");
    EXPECT_EQ(zoneScore.Caption(), score + " 2 / 3");
    EXPECT_FALSE(boutonSuite.Visible());
    EXPECT_TRUE(boutonSommaire.Visible() && boutonSommaire.Focused());
    EXPECT_FALSE(d.exerciceEnCours);
    EXPECT_EQ(d.nbExercicesTraites, 1);
    EXPECT_EQ(d.pointsSession, 2);
    EXPECT_EQ(d.pointsPossiblesSession, 3);

    validerReponse(d);
    EXPECT_EQ(pages.ActivePage(), &pageMenu);
}

TEST_F(CycleExercice, AbandonConfirmeOuRefuse)
{
    lancerExercice(d, 5);
    repondre("12");
    // The question is settled but the exercise of one question is over: no confirmation.
    EXPECT_FALSE(d.exerciceEnCours);
    scenario.nbQuestions = 2;
    lancerExercice(d, 6);
    EXPECT_TRUE(systeme.questions.empty());
    repondre("12");
    ASSERT_TRUE(d.exerciceEnCours);

    systeme.reponseOuiNon = false;
    lancerExercice(d, 7);
    const TMessageEnregistre question{"Voulez-vous vraiment abandonner\r\nl'exercice en cours?", "Confirmation"};
    EXPECT_EQ(systeme.questions, std::vector<TMessageEnregistre>{question});
    EXPECT_EQ(d.numeroExercice, 6);
    EXPECT_EQ(d.pointsExercice, 1);
    EXPECT_EQ(d.nbExercicesAbordes, 2);
    EXPECT_TRUE(boutonSuite.Visible());

    systeme.reponseOuiNon = true;
    lancerExercice(d, 7);
    EXPECT_EQ(d.numeroExercice, 7);
    EXPECT_EQ(d.pointsExercice, 0);
    EXPECT_EQ(d.pointsPossiblesExercice, 0);
    EXPECT_EQ(d.pointsSession, 2);
    EXPECT_EQ(d.nbExercicesAbordes, 3);
    EXPECT_EQ(labelTitre.Caption(), titre + " (1/2)");
    EXPECT_EQ(zoneScore.Caption(), score);
}

TEST_F(CycleExercice, UneMauvaiseReponseAbandonneeNeLaissePasReessayer)
{
    scenario.nbQuestions = 2;
    lancerExercice(d, 5);
    repondre("3");
    ASSERT_TRUE(boutonReessayer.Visible());
    systeme.reponseOuiNon = true;
    lancerExercice(d, 6);
    EXPECT_FALSE(boutonReessayer.Visible());
    EXPECT_TRUE(boutonValider.Visible());
}

TEST_F(CycleExercice, QuestionRepeteeEtQuestionEssai)
{
    scenario.nbQuestions = 3;
    scenario.repeter = true;
    lancerExercice(d, 5);
    repondre("12");
    poserQuestion(d, true);
    EXPECT_EQ(d.numeroQuestion, 1);
    EXPECT_EQ(labelTitre.Caption(), titre + " (1/3)");

    // A trial question: its point is forgotten and the next question is number 1 again.
    scenario.repeter = false;
    scenario.essai = true;
    systeme.reponseOuiNon = true;
    lancerExercice(d, 5);
    repondre("12");
    EXPECT_EQ(zoneScore.Caption(), score + " 1 / 1");
    poserQuestion(d, true);
    EXPECT_EQ(d.numeroQuestion, 1);
    EXPECT_EQ(d.pointsExercice, 0);
    EXPECT_EQ(d.pointsPossiblesExercice, 0);
    EXPECT_EQ(labelTitre.Caption(), titre + " (1/3)");
    repondre("12");
    poserQuestion(d, true);
    EXPECT_EQ(d.numeroQuestion, 2);
}

TEST_F(CycleExercice, DelaiDesBoutonsSelonLaReponse)
{
    struct Cas {
        std::uint8_t mode;
        const char* reponse;
        int delai;
    } const cas[] = {
        {modeCalculMental, "3", 2},
        {modeCalculMental, "12", 0},
        {modeSaisie, "3", 1},
        {modeSaisie, "12", 1},
    };
    for (const Cas& c : cas) {
        scenario.mode = c.mode;
        systeme.reponseOuiNon = true;
        lancerExercice(d, 5);
        if (c.mode == modeSaisie && std::string(c.reponse) != "12") {
            // Three wrong tries, then the solution asked: settled with nothing scored.
            for (int essai = 1; essai <= 3; ++essai) {
                repondre(c.reponse);
                reessayer(d);
            }
            repondre(c.reponse);
            ASSERT_TRUE(d.solutionPermise && boutonSolution.Visible());
            d.solutionDemandee = true;
            validerReponse(d);
            EXPECT_EQ(imagesResultat(), std::vector<const Image*>{&imageSolution});
        } else {
            repondre(c.reponse);
        }
        EXPECT_TRUE(d.questionTerminee) << c.reponse;
        EXPECT_EQ(d.delaiBoutons, c.delai) << int(c.mode) << " " << c.reponse;
        EXPECT_EQ(timer.Enabled(), c.delai > 0) << int(c.mode) << " " << c.reponse;
    }
}

TEST_F(CycleExercice, DeuxChampsDontLeSecondNEstPasCompris)
{
    scenario.nbChamps = 2;
    lancerExercice(d, 5);
    EXPECT_EQ(edit1.Top(), 235);
    EXPECT_EQ(edit2.Top(), 263);
    repondre("12", "abc");
    EXPECT_EQ(imagesResultat(), std::vector<const Image*>{&imageIncorrecte});
    EXPECT_EQ(systeme.bips, std::vector<unsigned>{MB_ICONQUESTION});
    EXPECT_EQ(son.nbPlay, 0);
    EXPECT_EQ(d.nbEssais, 1);
    EXPECT_TRUE(boutonReessayer.Visible());
    reessayer(d);
    EXPECT_TRUE(edit2.Focused());

    // Right, then wrong in b: only b is told, and the attempt counts.
    repondre("12", "6");
    EXPECT_EQ(textes(*surfaceSolution), std::vector<std::string>{"La réponse  $gb$N  est fausse."});
    EXPECT_EQ(d.nbEssais, 2);
    reessayer(d);
    EXPECT_TRUE(edit2.Focused());
    repondre("12", "5");
    EXPECT_EQ(zoneScore.Caption(), score + " 0 / 1");
}

TEST_F(CycleExercice, CalculMentalChronometre)
{
    scenario.mode = modeCalculMental;
    scenario.horloge = true;
    lancerExercice(d, 5);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(horloge().arrete || horloge().enPause);
    EXPECT_EQ(horloge().compte, 8);

    // Before the time is up an empty field is not even looked at.
    repondre("");
    EXPECT_FALSE(horloge().enPause);
    EXPECT_TRUE(boutonValider.Visible());

    // Time up: the empty answer is checked, the clock stays on screen, paused.
    d.tempsEcoule = true;
    repondre("");
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_TRUE(horloge().enPause && horloge().visible);
    EXPECT_EQ(imagesResultat(), std::vector<const Image*>{&imageDepasse});
    EXPECT_EQ(d.delaiBoutons, 2);
}

TEST_F(CycleExercice, SolutionDemandeeApresTroisEssais)
{
    scenario.solution = "La somme vaut 12.";
    lancerExercice(d, 5);
    for (int essai = 1; essai <= 2; ++essai) {
        repondre("3");
        EXPECT_FALSE(boutonSolution.Visible()) << essai;
        reessayer(d);
    }
    repondre("3");
    EXPECT_TRUE(boutonSolution.Visible());
    d.solutionDemandee = true;
    validerReponse(d);
    EXPECT_EQ(imagesResultat(), std::vector<const Image*>{&imageSolution});
    EXPECT_EQ(textes(*surfaceSolution), std::vector<std::string>{"La somme vaut 12."});
    EXPECT_EQ(zoneScore.Caption(), score + " 0 / 1");
    EXPECT_FALSE(boutonSolution.Visible());
    EXPECT_FALSE(d.solutionPermise);
    EXPECT_TRUE(surfaceFigureEnonce->sourisInactive && surfaceEnonce->sourisInactive);
}

// An exercise not written yet: a blank page with nothing to validate, neither scored nor counted.
TEST_F(CycleExercice, UnExerciceNonEcritNeCompteRien)
{
    inscrireChapitre(2, {});
    lancerExercice(d, 5);
    EXPECT_EQ(surfaceEnonce->nbObjets, 0);
    EXPECT_EQ(labelTitre.Caption(), std::string(18, ' '));
    EXPECT_FALSE(boutonValider.Visible());
    EXPECT_TRUE(boutonSommaire.Visible() && boutonSommaire.Focused());
    EXPECT_EQ(zoneScore.Caption(), score);
    EXPECT_FALSE(d.exerciceEnCours);
    EXPECT_EQ(d.nbExercicesAbordes, 0);

    // Left without a question; what follows is counted as usual.
    inscrireChapitre(2, {poserExerciceTest, nullptr, solutionTest, nullptr, nullptr});
    lancerExercice(d, 6);
    EXPECT_TRUE(systeme.questions.empty());
    EXPECT_TRUE(boutonValider.Visible());
    EXPECT_FALSE(boutonSommaire.Visible());
    EXPECT_EQ(d.nbExercicesAbordes, 1);
}

// A later question left blank is met as a blank first question, with Sommaire; the exercise ends
// there, counted done with the points of the questions before.
TEST_F(CycleExercice, UneQuestionBlancheApresSuiteTermineLExercice)
{
    scenario.nbQuestions = 3;
    scenario.blancheDes = 2;
    lancerExercice(d, 5);
    repondre("12");
    validerReponse(d);
    EXPECT_EQ(d.numeroQuestion, 2);
    EXPECT_FALSE(boutonValider.Visible() || boutonSuite.Visible());
    EXPECT_TRUE(boutonSommaire.Visible() && boutonSommaire.Focused());
    EXPECT_EQ(d.nbExercicesAbordes, 1);
    EXPECT_EQ(d.nbExercicesTraites, 1);
    EXPECT_EQ(d.pointsSession, 1);
    lancerExercice(d, 6);
    EXPECT_TRUE(systeme.questions.empty()) << "nothing left to abandon";
}

// Without a field, a figure to work on or a question only to read still has its Valider.
TEST_F(CycleExercice, SansChampMaisAvecDeQuoiValider)
{
    const struct {
        bool figure;
        std::uint8_t mode;
    } cas[] = {{true, modeSaisie}, {false, modeSansReponse}};
    for (const auto& c : cas) {
        scenario.nbChamps = 0;
        scenario.figure = c.figure;
        scenario.mode = c.mode;
        systeme.reponseOuiNon = true;
        lancerExercice(d, 5);
        EXPECT_TRUE(boutonValider.Visible() && boutonValider.Focused()) << int(c.mode);
        EXPECT_TRUE(d.exerciceEnCours) << int(c.mode);
    }
}

}  // namespace
