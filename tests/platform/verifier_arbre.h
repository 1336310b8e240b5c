#pragma once
// What every tree answers, whatever draws it: one table of rows checked against the Qt tree and
// against the double.

#include <gtest/gtest.h>

#include <vector>

#include "platform/controles.h"

// A tree of the menu's shape, with rows a careless table could hold: a level that jumps two
// steps down and a negative one.
inline const std::vector<TLigneArbre>& lignesDeMenu()
{
    static const std::vector<TLigneArbre> lignes = {
        {0, "Nombres"}, {1, "Entiers"}, {2, "Lire"},   {2, "Écrire"}, {1, "Décimaux"},
        {0, "Figures"}, {1, "Droites"}, {3, "Cercle"}, {-2, "Index"}};
    return lignes;
}

inline void verifierArbre(Arbre& arbre)
{
    arbre.remplir(lignesDeMenu());
    struct Attendu {
        int niveau;
        bool enfants;
    };
    // "Cercle" becomes a child of "Droites"; "Index" a root without children.
    const Attendu attendus[] = {{0, true},  {1, true}, {2, false}, {2, false}, {1, false},
                                {0, true},  {1, true}, {2, false}, {0, false}};
    ASSERT_EQ(arbre.Count(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(arbre.TexteNoeud(i), lignesDeMenu()[static_cast<std::size_t>(i)].texte) << i;
        EXPECT_EQ(arbre.NiveauNoeud(i), attendus[i].niveau) << i;
        EXPECT_EQ(arbre.HasChildren(i), attendus[i].enfants) << i;
        EXPECT_FALSE(arbre.Expanded(i)) << i;
    }
    for (int horsLimites : {-1, 9, 1000}) {
        EXPECT_EQ(arbre.TexteNoeud(horsLimites), "");
        EXPECT_EQ(arbre.NiveauNoeud(horsLimites), -1);
        EXPECT_FALSE(arbre.HasChildren(horsLimites));
        arbre.Expand(horsLimites, true);
        arbre.Collapse(horsLimites);
    }
    EXPECT_EQ(arbre.Selected(), -1);

    arbre.Expand(0, false);
    EXPECT_TRUE(arbre.Expanded(0));
    EXPECT_FALSE(arbre.Expanded(1));
    arbre.Expand(2, false);  // a leaf has nothing to show
    EXPECT_FALSE(arbre.Expanded(2));
    arbre.Collapse(0);
    arbre.Expand(0, true);
    EXPECT_TRUE(arbre.Expanded(0));
    EXPECT_TRUE(arbre.Expanded(1));
    EXPECT_FALSE(arbre.Expanded(5)) << "the next chapter is not a descendant";

    // Selecting a hidden node shows it: its ancestors open, and only they.
    arbre.Collapse(0);
    arbre.Collapse(1);
    arbre.Select(7);
    EXPECT_EQ(arbre.Selected(), 7);
    EXPECT_TRUE(arbre.Expanded(5));
    EXPECT_TRUE(arbre.Expanded(6));
    EXPECT_FALSE(arbre.Expanded(0));
    arbre.Select(9);
    EXPECT_EQ(arbre.Selected(), 7) << "a node that does not exist changes nothing";
    arbre.Select(-1);
    EXPECT_EQ(arbre.Selected(), -1);

    arbre.Select(3);
    arbre.remplir(lignesDeMenu());
    EXPECT_EQ(arbre.Selected(), -1) << "new contents, no selection";
    EXPECT_FALSE(arbre.Expanded(0));
}
