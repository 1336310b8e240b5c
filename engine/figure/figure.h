#pragma once
// A drawing surface: a world coordinate system mapped onto a paint box, the table of its named
// objects in creation order, its instruments and the settings of its grid and axes.
//
// Arrays that the program numbers from 1 keep that numbering: slot 0 is never used.

#include <array>
#include <memory>
#include <string>

#include "engine/figure/objet.h"
#include "engine/figure/outil.h"
#include "engine/text/zones_liens.h"
#include "platform/controles.h"

struct Tglissement;
// Frees the drag record, which is complete only where the drag is handled.
struct TfinGlissement {
    void operator()(Tglissement* glissement) const;
};

constexpr int nbObjetsMax = 650;
constexpr int nbParametres = 16;
constexpr int nbPointsAimantesMax = 10;

struct Tfigure {
    // The paint begins by filling the whole control with its colour.
    bool fondPeint = true;
    int largeur = 0;
    int hauteur = 0;
    // Integer parameters an exercise stores on the surface; 0 until one writes them.
    std::array<int, nbParametres + 1> parametres{};
    // Added to every column given to the creators of texts and posed operations.
    double decalageColonnes = 0;
    TColor couleurFond = 0;
    ZoneDessin* controle = nullptr;
    TlisteZonesLiens zonesLiens;
    // Pixel position of the world origin, and pixels per world unit.
    double origineX = 0, origineY = 0;
    double echelle = 1;
    // Oblique perspective of solids: depth d is drawn at (x - d·fuiteX, y - d·fuiteY).
    double fuiteX = 0.4, fuiteY = 0.4;
    TColor couleurAxes = 0x0000FF;
    bool axesVisibles = false;
    // Written by the painter for each point it draws.
    bool dernierPointHorsFenetre = false;
    // The visible window in world units (calculerFenetre).
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    double pasX = 1.0, pasY = 1.0;
    bool grilleCarree = true;
    // Where the labelled graduations stand on each axis.
    double graduationX = 3.0, graduationY = 3.0;
    // The axes and their labels are not drawn; the grid still is.
    bool axesCaches = false;
    std::string etiquetteGraduationX = "3";
    std::string etiquetteGraduationY = "3";
    std::string etiquetteAxeX = "x";
    std::string etiquetteAxeY = "y";
    std::string etiquetteOrigine = "0";
    int nbObjets = 0;
    // What the mouse holds: an object index, minus an instrument number, or 0.
    int objetSaisi = 0;
    // World position of the mouse during a drag.
    double xSouris = 0, ySouris = 0;
    // Objects 1..nbObjets; an object's index is its identity for parents and for the mouse.
    std::array<std::unique_ptr<Tobjet>, nbObjetsMax + 1> objets;
    std::array<Toutil, nbOutilsMax + 1> outils{};
    int nbOutils = 0;
    // While an instrument is dragged, its radius is copied to all three.
    bool rayonsLies = false;
    // Object indices 1..nbPointsAimantes onto which a dragged instrument snaps.
    int nbPointsAimantes = 0;
    std::array<int, nbPointsAimantesMax + 1> pointsAimantes{};
    // The diagram and the checkerboard that take the mouse; 0 none.
    int indiceDiagramme = 0;
    int indiceDamier = 0;
    bool sourisInactive = false;
    // From the grab to the release: what the drag keeps to paint faster.
    std::unique_ptr<Tglissement, TfinGlissement> glissement;
};

// Releases the surface the variable holds, then makes a new one bound to the control; the reset
// takes the control's client size in place of the width and height given.
void creerFigure(ZoneDessin* controle, int largeur, int hauteur, std::unique_ptr<Tfigure>& figure);
// Frees every object and gives the surface its defaults again. The integer parameters, the mouse
// position and the link zones are kept.
void reinitialiserFigure(Tfigure& figure);
void libererFigure(std::unique_ptr<Tfigure>& figure);
// Asks the control to repaint when it is visible.
void repeindreFigure(Tfigure& figure);

// Pixels, rounded halves to even.
int versPixelX(const Tfigure& figure, double x);
int versPixelY(const Tfigure& figure, double y);
double versMondeX(const Tfigure& figure, double px);
double versMondeY(const Tfigure& figure, double py);
// The visible window, 2 pixels in from every side; after any change of origin or scale.
void calculerFenetre(Tfigure& figure);

// Index of the first object bearing exactly the name (at most 120 characters of it); 0 for none.
int indiceObjet(const Tfigure& figure, const std::string& nom);
// The object of an index 1..nbObjets; null for any other index.
const Tobjet* objetDIndice(const Tfigure& figure, int indice);
// The same object, to change it. Every change goes through this access or the operations built
// on it (creators, setters, placerPoint): it drops the layers a drag painted, which are painted
// again from the changed figure.
Tobjet* objetAModifier(Tfigure& figure, int indice);
// The same object for the recompute and the drag step, which only put objects where their
// parents and the mouse place them: what a drag paints at every step over its layers, which stay.
Tobjet* objetARecalculer(Tfigure& figure, int indice);
// The first object bearing the name; null for none. The second form is the one to change it.
const Tobjet* objetNomme(const Tfigure& figure, const std::string& nom);
Tobjet* objetNommeAModifier(Tfigure& figure, const std::string& nom);

// parametres[i] as text; "0" for an i outside 1..16.
std::string parametreEnTexte(const Tfigure& figure, int i);
