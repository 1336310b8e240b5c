#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/figure/cases_damier.h"
#include "engine/figure/creation_diagramme.h"
#include "engine/figure/diagramme.h"
#include "exercise/verification_figure.h"
#include "exercise/verification_reponse.h"
#include "tests/exercise/banc_exercice.h"

namespace {

using Lignes = std::vector<std::string>;
using Images = std::vector<const Image*>;

class VerificationFigure : public BancExercice {
protected:
    void SetUp() override
    {
        BancExercice::SetUp();
        reinitialiserQuestion(d);
    }

    void nouvelleValidation()
    {
        reinitialiserFigure(*surfaceSolution);
        d.ligneSolution = 2.5;
        systeme.bips.clear();
    }
};

TEST_F(VerificationFigure, DiagrammeParCategorie)
{
    struct Cas {
        int type;
        std::vector<int> effectifs;
        std::string message;
    } const cas[] = {
        {1, {4, 7, 2}, "La barre pour la catégorie \" Bleu \" est trop grande."},
        {1, {3, 6, 2}, "La barre pour la catégorie \" Rouge \" est trop petite."},
        {2, {140, 150, 70}, "Le secteur pour la catégorie \" Rouge \" est trop grand."},
        {5, {4, 5, 3}, "Le secteur pour la catégorie \" Bleu \" est trop petit."},
        {1, {4, 6, 2}, ""},
    };
    for (const Cas& c : cas) {
        reinitialiserFigure(*surfaceFigureEnonce);
        Tobjet* o = creerDiagramme(*surfaceFigureEnonce, 3, "1\\1\\1", "Rouge\\Bleu\\Vert", c.type, false);
        ASSERT_NE(o, nullptr);
        Tdiagramme& g = o->donneesDe<Tdiagramme>();
        for (int i = 1; i <= 3; ++i) g.effectifs[static_cast<std::size_t>(i)] = c.effectifs[static_cast<std::size_t>(i - 1)];
        const int attendus[] = {4, 6, 2};
        if (c.type == 2) {
            surfaceFigureEnonce->parametres[1] = 120;
            surfaceFigureEnonce->parametres[2] = 150;
            surfaceFigureEnonce->parametres[3] = 90;
        } else {
            for (int i = 1; i <= 3; ++i) surfaceFigureEnonce->parametres[i] = attendus[i - 1];
        }
        nouvelleValidation();
        d.questionTerminee = false;
        d.pointsQuestion = 2;
        d.pointsObtenus = 0;
        d.nbEssais = 2;
        verifierReponse(d);
        EXPECT_EQ(d.messageVerification, c.message) << c.type;
        if (c.message.empty()) {
            // Right at the second try: one point less, and the diagram is locked.
            EXPECT_TRUE(d.questionTerminee);
            EXPECT_EQ(d.pointsObtenus, 1);
            EXPECT_TRUE(o->verrouille);
            EXPECT_EQ(imagesResultat(), Images{&imageExacte});
            // Once locked, the default check no longer looks at the diagram.
            g.effectifs[1] = 9;
            nouvelleValidation();
            d.questionTerminee = false;
            d.messageVerification.clear();
            verifierReponse(d);
            EXPECT_TRUE(d.messageVerification.empty());
            EXPECT_EQ(d.resultat, resultatJuste);
        } else {
            EXPECT_FALSE(d.questionTerminee) << c.type;
            EXPECT_EQ(d.resultat, resultatFaux) << c.type;
            EXPECT_EQ(textes(*surfaceSolution), Lignes{c.message}) << c.type;
            EXPECT_DOUBLE_EQ(surfaceSolution->objets[2]->donneesDe<Ttexte>().y, 3.5 * 18) << c.type;
            EXPECT_EQ(imagesResultat(), Images{&imageFausse}) << c.type;
        }
    }
}

TEST_F(VerificationFigure, SurfaceColoriee)
{
    const Lignes aucune = {"Vous n'avez pas créé de surface colorée.", "Modifiez votre réponse."};
    const Lignes plusieurs = {"Vous avez créé plusieurs surfaces.", "Vous devez en créer une seule.",
                              "Modifiez votre réponse."};
    const Lignes trouee = {"La surface que vous avez créée est trouée.",
                           "Veuillez, pour cet exercice, créer une surface non trouée."};
    struct Cas {
        const char* nom;
        std::vector<int> cases;
        Lignes lignes;
    } const cas[] = {
        {"aucune case", {}, aucune},
        {"deux morceaux", {1, 2, 45}, plusieurs},
        {"un anneau", {12, 13, 14, 22, 24, 32, 33, 34}, trouee},
        {"un carré plein", {12, 13, 22, 23}, {}},
        // Touching by a corner only is not one piece.
        {"en diagonale", {1, 12}, plusieurs},
    };
    Tobjet* o = creerDamier(*surfaceFigureEnonce);
    ASSERT_NE(o, nullptr);
    Tdamier& damier = o->donneesDe<Tdamier>();
    for (const Cas& c : cas) {
        damier.casesColoriees.reset();
        for (const int n : c.cases) damier.casesColoriees.set(static_cast<std::size_t>(n));
        nouvelleValidation();
        d.nbEssais = 1;
        const bool accepte = verifierSurfaceNonTrouee(d);
        EXPECT_EQ(accepte, c.lignes.empty()) << c.nom;
        EXPECT_EQ(textes(*surfaceSolution), c.lignes) << c.nom;
        EXPECT_EQ(d.nbEssais, c.lignes.empty() ? 1 : 0) << c.nom;
        EXPECT_EQ(imagesResultat(), c.lignes.empty() ? Images{} : Images{&imageIncorrecte}) << c.nom;
    }
    // A statement figure without a grid has no surface.
    reinitialiserFigure(*surfaceFigureEnonce);
    nouvelleValidation();
    EXPECT_FALSE(verifierSurfaceCreee(d));
    EXPECT_EQ(textes(*surfaceSolution), aucune);
}

}  // namespace
