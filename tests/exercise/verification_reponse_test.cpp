#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exercise/signalement.h"
#include "exercise/verification_reponse.h"
#include "tests/exercise/banc_exercice.h"

namespace {

using Lignes = std::vector<std::string>;
using Images = std::vector<const Image*>;

class VerificationReponse : public BancExercice {
protected:
    void SetUp() override
    {
        BancExercice::SetUp();
        reinitialiserQuestion(d);
    }

    // Fields 1..n of the kind, each expecting its value; the pupil's texts.
    void preparer(std::uint8_t genre, const std::vector<double>& attendus, const std::vector<std::string>& tapes)
    {
        reinitialiserFigure(*surfaceSolution);
        d.ligneSolution = 2.5;
        d.nbChamps = static_cast<std::uint8_t>(tapes.size());
        for (std::size_t i = 0; i < tapes.size(); ++i) {
            const int k = static_cast<int>(i) + 1;
            d.typeReponse[k] = genre;
            d.valeurAttendue[k] = attendus[i];
            d.reponseTapee[k] = tapes[i];
        }
    }
};

const std::string fausseA = "La réponse  $ga$N  est fausse.";
const std::string fausseB = "La réponse  $gb$N  est fausse.";
const std::string fausseC = "La réponse  $gc$N  est fausse.";

TEST_F(VerificationReponse, PlusieursChamps)
{
    struct Cas {
        const char* nom;
        std::uint8_t genre;
        std::vector<double> attendus;
        std::vector<std::string> tapes;
        int essai;
        bool premiereErreurSeule;
        std::uint8_t resultat;
        int essaisApres;
        int champActif;
        bool terminee;
        int points;
        Lignes lignes;
        Images images;
    };
    const Cas cas[] = {
        {"juste au premier essai", typeNombre, {12, 5}, {"12", "5"}, 1, false, resultatJuste, 1, 1, true, 3, {}, {&imageExacte}},
        {"juste au troisième essai", typeNombre, {12, 5}, {"12", "5"}, 3, false, resultatJuste, 3, 1, true, -1, {}, {&imageExacte}},
        // The refusal of a keeps its own message; the wrong answer is about b only.
        {"a refusée, b fausse", typeNombre, {0.5, 5}, {"2/4", "6"}, 1, false, resultatFaux, 1, 2, false, 0,
         {"Réponse simplifiable", "La réponse  $ga$N  peut être simplifiée.", fausseB}, {&imageIncorrecte, &imageFausse}},
        {"a refusée seule", typeNombre, {0.5, 5}, {"2/4", "5"}, 2, false, resultatForme, 1, 1, false, 0,
         {"Réponse simplifiable", "La réponse  $ga$N  peut être simplifiée."}, {&imageIncorrecte}},
        {"b incomprise arrête tout", typeNombre, {12, 5, 4}, {"13", "x?", "4"}, 1, false, 0, 0, 2, false, 0,
         {"La réponse  $gb$N  n'a pas été comprise."}, {&imageIncorrecte}},
        {"vrai/faux, seule la première", typeVraiFaux, {0, 0, 0}, {"F", "F", "F"}, 1, false, resultatFaux, 1, 1, false, 0,
         {fausseA}, {&imageFausse}},
        {"trois fausses", typeNombre, {1, 2, 3}, {"4", "2", "6"}, 3, false, resultatFaux, 3, 1, false, 0, {fausseA, fausseC},
         {&imageFausse}},
        {"première erreur seule", typeNombre, {1, 2, 3}, {"4", "2", "6"}, 1, true, resultatFaux, 1, 1, false, 0, {fausseA},
         {&imageFausse}},
    };
    for (const Cas& c : cas) {
        preparer(c.genre, c.attendus, c.tapes);
        d.resultat = 0;
        d.nbEssais = c.essai;
        d.pointsQuestion = 3;
        d.pointsObtenus = 0;
        d.questionTerminee = false;
        d.solutionPermise = false;
        d.champActif = 1;
        d.premiereErreurSeule = c.premiereErreurSeule;
        verifierReponse(d);
        EXPECT_EQ(d.resultat, c.resultat) << c.nom;
        EXPECT_EQ(d.nbEssais, c.essaisApres) << c.nom;
        EXPECT_EQ(d.champActif, c.champActif) << c.nom;
        EXPECT_EQ(d.questionTerminee, c.terminee) << c.nom;
        EXPECT_EQ(d.pointsObtenus, c.points) << c.nom;
        EXPECT_EQ(d.solutionPermise, c.resultat == resultatFaux && c.essai > 2) << c.nom;
        EXPECT_EQ(textes(*surfaceSolution), c.lignes) << c.nom;
        EXPECT_EQ(imagesResultat(), c.images) << c.nom;
    }
}

TEST_F(VerificationReponse, CalculMentalUnSeulEssai)
{
    struct Cas {
        const char* tape;
        double attendu;
        bool tempsEcoule;
        int duree;
        const Image* image;
        int points;
        Lignes lignes;
    };
    const std::string conseil = "Refaire en cas de difficultés les exercices précédant le calcul mental.";
    const Cas cas[] = {
        {"12", 12, false, 10, &imageExacte, 2, {}},
        {"13", 12, false, 10, &imageFausse, 0, {conseil}},
        {"13", 12, false, 25, &imageFausse, 0, {}},
        {"6/4", 1.5, false, 10, &imageCMincorrect, 0, {}},
        {"", 12, true, 10, &imageDepasse, 0, {}},
    };
    for (const Cas& c : cas) {
        preparer(typeNombre, {c.attendu}, {c.tape});
        d.modeReponse = modeCalculMental;
        d.pointsQuestion = 2;
        d.pointsObtenus = 0;
        d.questionTerminee = false;
        d.tempsEcoule = c.tempsEcoule;
        d.dureeHorloge = c.duree;
        son.nbPlay = 0;
        verifierReponse(d);
        EXPECT_TRUE(d.questionTerminee) << c.tape;
        EXPECT_EQ(d.pointsObtenus, c.points) << c.tape;
        EXPECT_EQ(imagesResultat(), Images{c.image}) << c.tape;
        EXPECT_EQ(textes(*surfaceSolution), c.lignes) << c.tape;
        EXPECT_EQ(son.nbPlay, c.image == &imageExacte ? 0 : 1) << c.tape;
    }
}

TEST_F(VerificationReponse, AiguillageSelonLaFaconDeRepondre)
{
    // No answer at all: settled, nothing shown.
    d.modeReponse = modeSansReponse;
    verifierReponse(d);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_TRUE(imagesResultat().empty());

    // A single choice, unless there are several fields.
    preparer(typeNombre, {}, {});
    d.modeReponse = modeCases;
    d.questionTerminee = false;
    d.choixUnique = true;
    d.choixJuste = 1;
    d.casesChoix[1].cochee = true;
    verifierReponse(d);
    EXPECT_EQ(d.resultat, resultatJuste);
    EXPECT_TRUE(d.questionTerminee);

    preparer(typeNombre, {1, 2}, {"1", "3"});
    d.questionTerminee = false;
    verifierReponse(d);
    EXPECT_EQ(d.resultat, resultatFaux);
    EXPECT_EQ(textes(*surfaceSolution), Lignes{fausseB});
}

TEST_F(VerificationReponse, SignauxDuResultat)
{
    d.reussiteAcceptee = true;
    signalerJuste(d);
    EXPECT_EQ(imagesResultat(), Images{&imageAcceptee});
    EXPECT_EQ(systeme.bips, std::vector<unsigned>{MB_ICONHAND});

    reinitialiserFigure(*surfaceSolution);
    signalerFauxMessage(d, "Le point est mal placé.");
    EXPECT_EQ(d.resultat, resultatFaux);
    EXPECT_EQ(textes(*surfaceSolution), Lignes{"Le point est mal placé."});
    EXPECT_DOUBLE_EQ(surfaceSolution->objets[1]->donneesDe<Ttexte>().y, 2.5 * 18);
    EXPECT_EQ(son.fichierOuvert, "/programme/erreur.wav");

    // Without a sound player the check goes on all the same.
    d.MediaPlayerErreur = nullptr;
    reinitialiserFigure(*surfaceSolution);
    signalerFaux(d);
    EXPECT_EQ(imagesResultat(), Images{&imageFausse});
}

}  // namespace
