#include "navigation/arbres.h"

#include <vector>

// The animations: node i stands for the link code 1500 + i; "Constructions" gathers the
// constructions replayed step by step.
std::span<const TLigneArbre> lignesArbreChoixImagiciel()
{
    static const std::vector<TLigneArbre> lignes = {
        {0, "Imagiciels"},
        {1, "Diagramme demi-circulaire"},
        {1, "Diagramme circulaire"},
        {1, "Symétrie axiale"},
        {1, "Volume du pavé"},
        {1, "Constructions"},
        {2, "Symétrique d'un point"},
        {2, "Médiatrice et milieu"},
        {2, "Médiatrice avec un losange"},
        {2, "Bissectrice avec un losange"},
        {2, "Triangle à partir des longueurs des trois côtés"},
    };
    return lignes;
}
