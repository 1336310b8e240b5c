// The one-page illustrations: the figure answers the mouse from the start.

#include "engine/figure/creation_diagramme.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/objets_par_nom.h"
#include "exercise/placement_figure.h"
#include "navigation/imagiciels_construire.h"

namespace {

constexpr TColor vertImage = 0x008000;

const TelementTexte textesSymetrie[] = {
    {1.5, "Cette figure admet la droite noire comme axe de symétrie."},
    {2.5, "On peut observer le symétrique d'un cercle, d'un triangle, et d'une demi$-droite."},
    {3.5, "Les points marqués en bleu peuvent être déplacés avec la souris."},
};

// A point the pupil drags, and its image in the axis, each name on the outer side of its figure
// (offsets in columns and lines).
struct TpointEtImage {
    const char* nom;
    double x, y;
    double etiquetteX, etiquetteY, etiquetteImageX, etiquetteImageY;
};

void creerPointEtImage(Tfigure& f, const TpointEtImage& p)
{
    creerPointMobile(f, p.nom, bleuImagiciel, p.x, p.y);
    placerEtiquette(f, p.nom, p.etiquetteX, p.etiquetteY);
    creerSymetriqueDroite(f, p.nom + std::string("'"), "(X1X2)", p.nom, p.etiquetteImageX,
                          p.etiquetteImageY, noirImagiciel);
}

const TelementTexte textesPave[] = {
    {1.5, "On peut calculer le volume d'un pavé de trois façons :"},
    {2.5, "$k•$n en comptant les cubes unités comme le cube hachuré de 1 cm$03$1 ;"},
    {3.5, "$k•$n en multipliant ses trois dimensions : longueur $* largeur $* hauteur ;"},
    {4.5, "$k•$n en multipliant l'aire d'une face, comme la face rouge, par la longueur"},
    {5.5, "   d'une arête perpendiculaire à cette face."},
    {7, "Les points en bleu"},
    {8, "peuvent être déplacés."},
};

constexpr TColor rougeFace = 0x8080FF;
constexpr TColor grisHachures = 0x808080;

// A hidden point at (x, y).
void creerPointCache(Tfigure& f, const std::string& nom, double x, double y)
{
    creerPointSansNom(f, nom, noirImagiciel, x, y);
    cacherObjet(f, nom);
}

// D = B + C − A, hidden.
void creerSommetCache(Tfigure& f, const std::string& nom, const std::string& a,
                      const std::string& b, const std::string& c)
{
    creerQuatriemeSommet(f, nom, a, b, c, 0, 0, noirImagiciel);
    cacherObjet(f, nom);
}

void creerFaceHachuree(Tfigure& f, const std::string& nom, const std::string& sommets)
{
    creerPolygone(f, nom, sommets, grisHachures);
    changerRemplissage(f, nom, 2);
}

}  // namespace

void preparerImagicielDiagramme(TdonneesCommunes& d, int disque)
{
    d.titreImagiciel = disque ? "Illustration du diagramme circulaire"
                              : "Illustration du diagramme demi-circulaire";
    d.chapitreImagiciel = 8;
    // Below the explanation's frame and its shadow.
    placerZone(*d.surfaceFigureImagiciel, 15, 70, 750, 420);
    Tfigure& f = *d.surfaceFigureImagiciel;
    f.origineX += 30;
    f.origineY -= 30;
    calculerFenetre(f);
    creerDiagramme(f, 6, "5\\7\\8\\10\\11\\4",
                   "Catégorie 1\\Catégorie 2\\Catégorie 3\\Catégorie 4\\Catégorie 5\\Catégorie 6",
                   disque ? 5 : 4, false);
    Tfigure& texte = *d.surfaceImagiciel;
    creerCadre(texte, 2, 1, 0.8, 42, 2.7);
    creerLigneTexteMarge(texte,
                         disque ? "Pour obtenir les angles, on divise 360° par l'effectif"
                                : "Pour obtenir les angles, on divise 180° par l'effectif",
                         1.5);
    creerLigneTexteMarge(texte, "total et on multiplie les effectifs par le quotient obtenu.", 2.5);
    creerLigneTexte(texte, "Les effectifs sont modifiables en déplaçant", 52, 1.5);
    creerLigneTexte(texte, "les points bleus sur le diagramme à barres.", 52, 2.5);
}

// The box stands on the grid with its front corner at O; its length, height and depth are set by
// three blue points that move by whole units, the depth drawn along the oblique of the
// perspective. A unit cube is hatched in its corner, and its right face is red.
void preparerImagicielPave(TdonneesCommunes& d)
{
    d.titreImagiciel = "Illustration du volume du pavé";
    d.chapitreImagiciel = 13;
    placerZone(*d.surfaceFigureImagiciel, 15, 170, 760, 320);
    Tfigure& f = *d.surfaceFigureImagiciel;
    f.echelle = 36;
    f.origineX = 250;
    // The tallest box the points allow, 5 high and 3 deep along the oblique, reaches 8 units above
    // its base: O low enough for its top to stay in the frame, its length written under it.
    f.origineY = 300;
    f.axesVisibles = true;
    f.axesCaches = true;
    calculerFenetre(f);

    creerPointCache(f, "O", 0, 0);
    creerPointCache(f, "U", 0.5, 0.5);
    creerPointCache(f, "E", 3, 3);
    creerPointMobileBorne(f, "L", bleuImagiciel, 5, 0, 1, 8, 1, 0, 0, 1, 0.3, -0.6);
    creerPointMobileBorne(f, "H", bleuImagiciel, 0, 3, 0, 0, 1, 1, 5, 1, -1.5, 0.3);
    creerPointGradue(f, "P", "O", "E", "U", 2, 0.5, 0, bleuImagiciel);
    for (const char* p : {"L", "H", "P"}) {
        changerEtiquette(f, p, "");
        changerEpaisseur(f, p, 7);
    }
    creerSommetCache(f, "LH", "O", "L", "H");
    creerSommetCache(f, "LP", "O", "L", "P");
    creerSommetCache(f, "HP", "O", "H", "P");
    creerSommetCache(f, "LHP", "O", "LH", "P");

    creerPolygone(f, "face", "L LP LHP LH", rougeFace);
    changerRemplissage(f, "face", 1);

    // The unit cube in the front top right corner, where its three faces show.
    creerPointCache(f, "Xm", -1, 0);
    creerPointCache(f, "Ym", 0, -1);
    creerPointCache(f, "XYm", -1, -1);
    creerSommetCache(f, "c1", "O", "LH", "XYm");
    creerSommetCache(f, "c2", "O", "LH", "Ym");
    creerSommetCache(f, "c3", "O", "LH", "Xm");
    creerSommetCache(f, "c4", "O", "LH", "U");
    creerSommetCache(f, "c5", "O", "c3", "U");
    creerSommetCache(f, "c6", "O", "c2", "U");
    creerFaceHachuree(f, "cubeAvant", "c1 c2 LH c3");
    creerFaceHachuree(f, "cubeDessus", "c3 LH c4 c5");
    creerFaceHachuree(f, "cubeCote", "c2 c6 c4 LH");

    // The visible edges, then the three that meet at the hidden corner, dashed.
    for (const auto& [a, b] : {std::pair{"O", "L"}, {"L", "LH"}, {"LH", "H"}, {"H", "O"},
                               {"L", "LP"}, {"LH", "LHP"}, {"H", "HP"}, {"LP", "LHP"},
                               {"HP", "LHP"}})
        creerSegment(f, a, b, noirImagiciel, 1, 2);
    for (const auto& [a, b] : {std::pair{"O", "P"}, {"P", "LP"}, {"P", "HP"}})
        creerSegmentPointille(f, a, b, noirImagiciel);

    creerCoteLongueur(f, "longueur", "O", "L", 0, -0.4, 0.2, noirImagiciel);
    creerCoteLongueur(f, "hauteur", "O", "H", 0, -1.5, 0, noirImagiciel);
    ecrireTextesImagiciel(d, textesPave);
}

// The axis stands in the middle; on its left a triangle, a circle and a half-line whose points
// the pupil drags, on its right their images.
void preparerImagicielSymetrie(TdonneesCommunes& d)
{
    d.titreImagiciel = "Illustration de la symétrie axiale";
    placerZone(*d.surfaceFigureImagiciel, 15, 100, 760, 390);
    Tfigure& f = *d.surfaceFigureImagiciel;
    creerPointSansNom(f, "X1", noirImagiciel, 0, -4);
    creerPointSansNom(f, "X2", noirImagiciel, 0, 4);
    cacherObjets(f, "X1 X2");
    creerDroite(f, "X1", "X2", noirImagiciel, 1, 2);
    creerPointEtImage(f, {"A", -6, 1, -1.6, -0.55, 0.25, -0.55});
    creerPointEtImage(f, {"B", -2, 3, 0.3, -1.1, -1.9, -1.1});
    creerPointEtImage(f, {"C", -3, -1, -0.5, 0.1, -0.9, 0.1});
    creerPolygone(f, "ABC", "A B C", bleuImagiciel);
    creerPolygone(f, "A'B'C'", "A' B' C'", vertImage);
    creerPointEtImage(f, {"O", -5, -3, 0, 0, 0.3, 0.3});
    creerPointEtImage(f, {"R", -3.8, -3, 0.25, -0.55, 0, 0});
    cacherObjets(f, "R'");
    creerCercle(f, "c", "O", "R", bleuImagiciel, 1, 1);
    creerCercle(f, "c'", "O'", "R'", vertImage, 1, 1);
    creerPointEtImage(f, {"E", -6.5, 3, 0, 0.2, -1.5, 0.2});
    creerPointEtImage(f, {"G", -5, 4, 0, 0, -1.9, 0});
    creerDemiDroite(f, "E", "G", bleuImagiciel, 1, 1);
    creerDemiDroite(f, "E'", "G'", vertImage, 1, 1);
    ecrireTextesImagiciel(d, textesSymetrie);
}
