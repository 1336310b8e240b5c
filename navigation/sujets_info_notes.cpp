// The notes linked from the course texts: rounding, the words of division and fractions,
// divisibility, cross products, the price index and inequalities.

#include "engine/text/primitives.h"
#include "navigation/sujets_info.h"

namespace {

void traitNoir(double x1, double y1, double x2, double y2)
{
    tracerSegment(*canevasInfo, 0x000000, 1, x1, y1, x2, y2, 1);
}

// A 2 × 2 table in the square from (gauche, haut), its side `cote`, split in its middle.
void tableauDeuxDeux(double gauche, double haut, double cote)
{
    tracerRectangle(*canevasInfo, 1, 0x000000, gauche, haut, gauche + cote, haut + cote);
    traitNoir(gauche + cote / 2, haut, gauche + cote / 2, haut + cote);
    traitNoir(gauche, haut + cote / 2, gauche + cote, haut + cote / 2);
}

constexpr TligneInfo arrondis[] = {
    {2.5, 2, "La troncature au centième de 9,354 est : 9,35."},
    {3.5, 2, "La troncature au centième de 0,725 est : 0,72."},
    {4.5, 2, "L'arrondi au centième de 9,354 est : 9,35."},
    {5.5, 2, "L'arrondi au centième de 0,725 est : 0,73."},
    {6.5, 2, "On arrondit au$-dessus si le chiffre suivant va de 5 à 9."},
};

constexpr TligneInfo motsDivision[] = {
    {2.5, 2, "dividende"},
    {2.5, 10, "diviseur"},
    {5, 2, "Le dividende est le nombre à diviser."},
    {6, 2, "Le diviseur est le nombre par lequel on divise."},
};

constexpr TligneInfo motsFraction[] = {
    {2.5, 2, "Le mot $g$M1numérateur$D1$N vient du mot $g$M1nombre$D1$N."},
    {3.5, 2, "Le mot $g$M1dénominateur$D1$N vient du mot $g$M1nom$D1$N."},
    {4.8, 2, "Dans la fraction deux tiers ( $F2;3; ),"},
    {6.1, 2, "- deux est le nombre (numérateur)"},
    {7.1, 2, "- tiers est le nom (dénominateur)"},
    {8.4, 2, "A mémoriser : $F  numérateur;dénominateur;"},
};

constexpr TligneInfo divisibilite[] = {
    {2.5, 2, "Un entier est multiple de ..."},
    {3.5, 2, "2 si le chiffre des unités est 0, 2, 4, 6 ou 8"},
    {4.5, 2, "3 si la somme des chiffres est multiple de 3"},
    {5.5, 2, "5 si le chiffre des unités est 0 ou 5"},
    {6.5, 2, "9 si la somme des chiffres est multiple de 9"},
    {7.5, 2, "et pour les passionnés ..."},
    {8.5, 2, "11 si la somme alternée des chiffres est multiple de 11"},
    {9.5, 2, "Exemple : 38291 est un multiple de 11"},
    {10.5, 2, "car  3 - 8 + 2 - 9 + 1 = 6 - 17 = - 11"},
};

constexpr TligneInfo produitsEnCroix[] = {
    {2.5, 2, "L'égalité des produits en croix"},
    {3.5, 2, "est vraie pour deux colonnes"},
    {4.5, 2, "quelconques d'un tableau de"},
    {5.5, 2, "proportionnalité :"},
    {7.5, 2, "Pour calculer la quatrième"},
    {8.5, 2, "proportionnelle $rp$K dans ce"},
    {9.5, 2, "tableau de proportionnalité,"},
    {10.5, 2, "on peut écrire l'égalité des"},
    {11.5, 2, "produits en croix :"},
    {12.9, 2, "  $r5 $M2$*$D2 p$K = $V1,2 $* 8"},
    {14.5, 2, "$r5 p$K = $V9,6$K   donc   $rp$K = $F9,6; 5; = 1,92"},
    {6.5, 27, "$r$ga d$K = $Vb c"},
    {3.3, 28.5, "$ra"},
    {3.3, 31.5, "$Vb"},
    {4.6, 28.5, "$Vc"},
    {4.6, 31.5, "$rd"},
    {9.3, 28.5, "$r5"},
    {9.3, 31.5, "$V8"},
    {10.6, 28, "$V1,2"},
    {10.5, 31.5, "$rp"},
};

// Base 100 in June 2001: the table of dates, prices and indices, then the cross product.
constexpr TligneInfo indicePrix[] = {
    {2.5, 2, "Un produit coûte 2 € en Juin 2001,"},
    {3.5, 2, "et 2,5 € en Juin 2002. Base 100 en Juin 2001 :"},
    {5, 2, "Dates"},
    {5, 16, "Juin 2001"},
    {5, 29, "Juin 2002"},
    {6, 2, "Prix (en €)"},
    {6, 18, "2"},
    {6, 31, "2,5"},
    {7, 2, "Indice"},
    {7, 17.5, "100"},
    {7, 31.5, "$ri"},
    {8.5, 2, "Produits en croix :  2 $* $ri$K = 2,5 $* 100"},
    {9.5, 2, "donc  $ri$K = 250 : 2 = 125"},
    {10.5, 2, "L'indice du prix de ce produit en Juin 2002 est 125."},
};

constexpr TligneInfo inegalites[] = {
    {2.5, 2, "x < 3  et  y > 4  sont des inégalités strictes."},
    {3.5, 2, "x <= 3  et  y >= 4  sont des inégalités larges."},
};

}  // namespace

void dessinerArrondis() { ecrireLignesInfo(arrondis); }

void dessinerMotsDivision()
{
    ecrireLignesInfo(motsDivision);
    traitNoir(86, 33, 86, 77);
    traitNoir(86, 51, 136, 51);
}

void dessinerMotsFraction() { ecrireLignesInfo(motsFraction); }

void dessinerDivisibilite() { ecrireLignesInfo(divisibilite); }

void dessinerProduitsEnCroix()
{
    tableauDeuxDeux(231, 47, 46);
    tableauDeuxDeux(231, 155, 46);
    ecrireLignesInfo(produitsEnCroix);
}

void dessinerIndicePrix()
{
    Canevas& k = *canevasInfo;
    tracerRectanglePlein(k, 0xE0FFFF, 0x000000, 22, 78, 330, 132);
    for (const double y : {96.0, 114.0}) traitNoir(22, y, 330, y);
    for (const double x : {130.0, 230.0}) traitNoir(x, 78, x, 132);
    ecrireLignesInfo(indicePrix);
}

void dessinerInegalites() { ecrireLignesInfo(inegalites); }
