#pragma once
// The contents of the main window's five trees, in pre-order. A node's index in its tree is what
// the program counts with: the exercise number in ArbreChoixExercice, and in the other trees the
// link code less the tree's offset (1000 for the course pages, 1500 for the animations, 2000 and
// 2500 for the vocabulary).

#include <span>

#include "platform/controles.h"

std::span<const TLigneArbre> lignesArbreChoixExercice();
std::span<const TLigneArbre> lignesArbreChoixCours();
std::span<const TLigneArbre> lignesArbreChoixImagiciel();
std::span<const TLigneArbre> lignesArbreParTheme();
std::span<const TLigneArbre> lignesArbreAlphabetique();
