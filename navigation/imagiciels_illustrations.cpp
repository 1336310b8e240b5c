// The one-page illustrations: the figure answers the mouse from the start.

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/objets_par_nom.h"
#include "navigation/imagiciels_construire.h"

namespace {

constexpr TColor vertImage = 0x008000;

const TelementTexte textesSymetrie[] = {
    {1.5, "Cette figure admet la droite noire comme axe de symétrie."},
    {2.5, "On peut observer le symétrique d'un cercle, d'un triangle, et d'une demi-droite."},
    {3.5, "Les points marqués en bleu peuvent être déplacés avec la souris."},
};

// A point the pupil drags, and its image in the axis.
void creerPointEtImage(Tfigure& f, const std::string& nom, double x, double y)
{
    creerPointMobile(f, nom, bleuImagiciel, x, y);
    creerSymetriqueDroite(f, nom + "'", "(X1X2)", nom, 0.3, 0.3, noirImagiciel);
}

}  // namespace

// The axis stands in the middle; on its left a triangle, a circle and a half-line whose points
// the pupil drags, on its right their images.
void preparerImagicielSymetrie(TdonneesCommunes& d)
{
    d.titreImagiciel = "Illustration de la symétrie axiale";
    placerZoneImagiciel(d, 15, 100, 760, 390);
    Tfigure& f = *d.surfaceFigureImagiciel;
    creerPointSansNom(f, "X1", noirImagiciel, 0, -4);
    creerPointSansNom(f, "X2", noirImagiciel, 0, 4);
    cacherObjets(f, "X1 X2");
    creerDroite(f, "X1", "X2", noirImagiciel, 1, 2);
    creerPointEtImage(f, "A", -6, 1);
    creerPointEtImage(f, "B", -2, 3);
    creerPointEtImage(f, "C", -3, -1);
    creerPolygone(f, "ABC", "A B C", bleuImagiciel);
    creerPolygone(f, "A'B'C'", "A' B' C'", vertImage);
    creerPointEtImage(f, "O", -5, -3);
    creerPointEtImage(f, "R", -3.8, -3);
    cacherObjets(f, "R'");
    creerCercle(f, "c", "O", "R", bleuImagiciel, 1, 1);
    creerCercle(f, "c'", "O'", "R'", vertImage, 1, 1);
    creerPointEtImage(f, "E", -6.5, 3);
    creerPointEtImage(f, "G", -5, 4);
    creerDemiDroite(f, "E", "G", bleuImagiciel, 1, 1);
    creerDemiDroite(f, "E'", "G'", vertImage, 1, 1);
    ecrireTextesImagiciel(d, textesSymetrie);
}
