// What every chapter does for an exercise it has no branch for: no statement, hence nothing to
// validate; the default check and the stored solution text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chapters/chapitres.h"
#include "engine/text/textes_numerotes.h"
#include "exercise/champs_reponse.h"
#include "exercise/cycle_exercice.h"
#include "exercise/exercices_communs.h"
#include "tests/exercise/banc_exercice.h"

namespace {

class Chapitres : public BancExercice {
protected:
    void SetUp() override
    {
        BancExercice::SetUp();
        installerChapitres();
    }
};

TEST_F(Chapitres, UnExerciceSansBrancheNePoseRien)
{
    systeme.reponseOuiNon = true;
    for (std::size_t c = 0; c < noeudsChapitres.size(); ++c) {
        // The second exercise of each chapter; in chapter 8 that is 248, beside the shared 249.
        const std::int32_t exercice = noeudsChapitres[c] + 2;
        d.texteSolution = "Voir le cours.";
        lancerExercice(d, exercice);
        EXPECT_EQ(d.codeChapitre, static_cast<std::int32_t>(c) + 2) << exercice;
        EXPECT_EQ(labelChapitre.Caption(), texteNumero(static_cast<int>(c) + 503)) << exercice;
        EXPECT_EQ(surfaceEnonce->nbObjets, 0) << exercice;
        // The other chapters stay folded in the tree; the chosen exercise shows.
        EXPECT_EQ(arbre.Selected(), exercice);
        for (const std::int32_t noeud : noeudsChapitres)
            EXPECT_EQ(arbre.Expanded(noeud), noeud == noeudsChapitres[c]) << exercice << " " << noeud;

        // Nothing to validate, nothing counted.
        EXPECT_FALSE(boutonValider.Visible()) << exercice;
        EXPECT_EQ(d.nbExercicesAbordes, 0) << exercice;

        // A field given afterwards goes to the default check, then the stored solution shows.
        definirChampsReponse(d, 1);
        d.valeurAttendue[1] = 12;
        edit1.setText("12");
        validerReponse(d);
        EXPECT_TRUE(d.questionTerminee) << exercice;
        EXPECT_EQ(d.resultat, resultatJuste) << exercice;
        EXPECT_EQ(textes(*surfaceSolution), std::vector<std::string>{"Voir le cours."}) << exercice;
    }
}

TEST_F(Chapitres, ExercicesCommunsHorsDe249)
{
    d.numeroExercice = 0;
    d.resultat = 0;
    verifierExercicesCommuns(d);
    EXPECT_EQ(d.resultat, 0);
    EXPECT_FALSE(d.questionTerminee);

    d.numeroExercice = 250;
    d.texteSolution.clear();
    solutionExercicesCommuns(d);
    EXPECT_EQ(surfaceSolution->nbObjets, 0);
    enonceExercicesCommuns(d);
    EXPECT_EQ(surfaceEnonce->nbObjets, 0);

    ecrireConseilPointVirgule(d, 6);
    EXPECT_EQ(textes(*surfaceEnonce),
              std::vector<std::string>{"Utiliser le point$-virgule pour séparer les éléments d'une liste."});
}

}  // namespace
