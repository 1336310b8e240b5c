// The typing help, the tool help, the About text and the score summary.

#include <cmath>
#include <string>

#include "engine/base/nombres.h"
#include "engine/text/primitives.h"
#include "navigation/sujets_info.h"

namespace {

constexpr TColor orangeAide = 0x35BDFF;
constexpr TColor bleuBilan = 0xB36600;

// A white box with its shadow, and the band of its title above its top-left corner.
void cadreTitre(TColor couleur, double gauche, double haut, double droite, double bas,
                double finBande, double hautBande, double basBande)
{
    tracerCadreOmbre(*canevasInfo, 0xFFFFFF, couleur, gauche, haut, droite, bas);
    remplirRectangle(*canevasInfo, couleur, gauche, hautBande, finBande, basBande);
}

constexpr TligneInfo aideExpressions[] = {
    {1.31, 3.5, "$g$H$bAide pour l'écriture des expressions"},
    {2.5, 4, "$nPour le signe multiplier, utiliser :  $e"},
    {3.5, 4, "$nPour le signe diviser ou une fraction, utiliser :  /"},
    {4.5, 4, "$nPour une puissance, utiliser : p  ou bien ^$N "},
    {5.5, 4, "   $n(appuyer sur la touche ^, puis sur la touche espace)"},
    {6.8, 4, "   $nExemple : x^2 ou xp2 sera compris comme x$0 2$1$N"},
    {7.9, 4, "$nPour $M2$~p$D2, utiliser : pi"},
    {8.9, 4, "$nPour une racine carrée, utiliser : rac( )"},
    {10, 4, "Pour  >=  ou  <= , écrire : Supégal  ou  Infégal"},
    {11.2, 4, "Pour une équation sans solution, écrire : pas de solution"},
    {12.2, 4, "Pour une liste, séparer avec des point$-virgule"},
};

// The program's title and what it holds, without any name but its own.
constexpr TligneInfo aPropos[] = {
    {1.81, 4, "$g$H$bÀ propos"},
    {3, 4, "$g$KVastrelle"},
    {4, 4, "Cours et exercices de mathématiques"},
    {5, 4, "pour la première année du collège"},
    {6.5, 4, "Les pages du cours et leurs liens,"},
    {7.5, 4, "des exercices corrigés avec leur score,"},
    {8.5, 4, "des constructions animées et un vocabulaire."},
    {10.5, 4, "Écrit pour les élèves et leurs professeurs."},
    {12, 4, "Textes, figures, exercices et constructions :"},
    {13, 4, "l'équipe du programme."},
    {14, 4, "Les pages du cours sont des images à côté du programme."},
    {15.5, 4, "$nVersion 1.0"},
};

constexpr TligneInfo aideOutils[] = {
    {2, 4, "$nActions possibles sur un outil de dessin :"},
    {3, 4, "$n  $- déplacer l'outil (disque central coloré)"},
    {4, 4, "$n  $- tourner l'outil (droite rouge)"},
    {5, 4, "$n  $- changer le rayon du cercle"},
    {6, 4, "$n  $- faire glisser la perpendiculaire"},
    {7, 4, "$n  $- faire tourner la droite de visée angulaire"},
    {8.5, 4, "Une droite est graduée tous les 2 mm."},
    {9.5, 4, "Un cercle est gradué tous les 2°."},
    {11, 4, "L'option \"Rayons des outils liés\" permet"},
    {12, 4, "d'assurer l'égalité des rayons des compas."},
};

}  // namespace

void dessinerAideExpressions()
{
    cadreTitre(orangeAide, 25, 23, 383, 244, 309, 14, 35);
    ecrireLignesInfo(aideExpressions);
}

void dessinerAPropos()
{
    cadreTitre(orangeAide, 29, 32, 453, 333, 118, 23, 44);
    ecrireLignesInfo(aPropos);
}

void dessinerAideOutils() { ecrireLignesInfo(aideOutils); }

void dessinerBilan(const TdonneesCommunes& d)
{
    cadreTitre(bleuBilan, 29, 32, 271, 163, 92, 23, 44);
    ecrireLigneInfo("$g$H$bBilan", 1.83, 4);
    ecrireLigneInfo("$nNombre d'exercices abordés : " + reelVersChaine(d.nbExercicesAbordes), 3, 4);
    ecrireLigneInfo("$nNombre d'exercices traités : " + reelVersChaine(d.nbExercicesTraites), 4, 4);
    ecrireLigneInfo(
        "$nNombre de solutions demandées : " + reelVersChaine(d.nbSolutionsDemandees), 5, 4);
    ecrireLigneInfo("$nNombre de points obtenus : " + reelVersChaine(d.pointsSession) + " / " +
                        reelVersChaine(d.pointsPossiblesSession),
                    7, 4);
    if (d.pointsPossiblesSession > 0) {
        const double pourcentage =
            std::nearbyint(d.pointsSession * 100.0 / d.pointsPossiblesSession);
        ecrireLigneInfo("$nPourcentage de réussite : " + reelVersChaine(pourcentage) + " %", 8, 4);
    }
}
