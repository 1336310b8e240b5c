#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/text/textes_numerotes.h"
#include "navigation/arbres.h"
#include "platform/double/controles_enregistres.h"

namespace {

// A recording tree filled with the rows, as the window fills its trees.
struct ArbreRempli {
    explicit ArbreRempli(std::span<const TLigneArbre> lignes) { arbre.remplir(lignes); }
    ArbreEnregistre arbre;
};

}  // namespace

TEST(Arbres, lesExercicesSontNumerotesParLeurIndexSousLeurChapitreEtLeurGroupe)
{
    const ArbreRempli a(lignesArbreChoixExercice());
    ASSERT_EQ(a.arbre.Count(), 464);
    const int chapitres[] = {0, 35, 67, 98, 146, 182, 221, 246, 285, 314, 346, 391, 428};
    std::set<int> titres;
    for (int k = 0; k < 13; ++k) {
        const int noeud = chapitres[k];
        EXPECT_EQ(a.arbre.TexteNoeud(noeud), texteNumero(503 + k)) << noeud;
        EXPECT_EQ(a.arbre.NiveauNoeud(noeud), 0);
        EXPECT_TRUE(a.arbre.HasChildren(noeud + 1)) << "group heading after " << noeud;
        titres.insert(noeud);
        titres.insert(noeud + 1);
    }
    for (int i = 0; i < a.arbre.Count(); ++i)
        if (!titres.count(i)) {
            EXPECT_FALSE(a.arbre.HasChildren(i)) << "exercise leaf " << i;
        }
    EXPECT_EQ(a.arbre.TexteNoeud(249), "Vocabulaire : parallèle, perpendiculaire");
    EXPECT_EQ(a.arbre.TexteNoeud(2), "Exercice 1");
    EXPECT_EQ(a.arbre.TexteNoeud(463), "Exercice 34");
}

TEST(Arbres, chaquePageDeCoursEstUneFeuilleAuCodeMoinsMille)
{
    const ArbreRempli a(lignesArbreChoixCours());
    ASSERT_EQ(a.arbre.Count(), 140);
    const int chapitres[] = {0, 11, 22, 33, 44, 55, 66, 75, 86, 96, 106, 117, 129, 140};
    int pages = 0;
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(a.arbre.TexteNoeud(chapitres[k]), texteNumero(503 + k));
        EXPECT_EQ(a.arbre.TexteNoeud(chapitres[k] + 1), "Le cours");
        int methodes = 0;
        for (int i = chapitres[k] + 2; i < chapitres[k + 1]; ++i) {
            if (a.arbre.TexteNoeud(i) == "Méthodes") {
                ++methodes;
                EXPECT_TRUE(a.arbre.HasChildren(i));
            } else {
                EXPECT_EQ(a.arbre.NiveauNoeud(i), 2) << i;
                ++pages;
            }
        }
        EXPECT_EQ(methodes, 1) << "chapter " << k + 1;
    }
    EXPECT_EQ(pages, 101);
    // The first and last pages of the course.
    EXPECT_FALSE(a.arbre.HasChildren(1002 - 1000));
    EXPECT_FALSE(a.arbre.HasChildren(1139 - 1000));
}

TEST(Arbres, lesImagicielsEtLeVocabulaireOntTousLeursNoeuds)
{
    const ArbreRempli imagiciels(lignesArbreChoixImagiciel());
    ASSERT_EQ(imagiciels.arbre.Count(), 11);
    EXPECT_EQ(imagiciels.arbre.TexteNoeud(5), "Constructions");
    EXPECT_TRUE(imagiciels.arbre.HasChildren(5));
    for (int i : {1, 2, 3, 4, 6, 7, 8, 9, 10}) EXPECT_FALSE(imagiciels.arbre.HasChildren(i)) << i;

    const ArbreRempli theme(lignesArbreParTheme());
    EXPECT_EQ(theme.arbre.Count(), 152);
    const ArbreRempli alphabet(lignesArbreAlphabetique());
    ASSERT_EQ(alphabet.arbre.Count(), 244);
    // Every entry of the index is a leaf; its order is checked with the entries' destinations.
    for (int i = 1; i < alphabet.arbre.Count(); ++i) EXPECT_FALSE(alphabet.arbre.HasChildren(i)) << i;
}
