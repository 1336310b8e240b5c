#pragma once
// The objects of a figure: one common record, the data of each kind, and the factory that gives
// each kind its display class and defaults.
//
// Arrays that the program numbers from 1 keep that numbering here: slot 0 is never used, so an
// index read in the program's terms is the index written in the code.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "engine/figure/damier.h"
#include "engine/figure/diagramme.h"
#include "engine/figure/pave.h"
#include "engine/figure/tableau.h"
#include "platform/image.h"
#include "platform/types.h"

enum TgenreObjet : std::uint32_t {
    genrePointLibre = 1,
    genreTexte = 3,
    genreSegment = 4,
    genreDemiDroite = 5,
    genreCercle = 6,
    genreCadre = 7,
    genreOperation = 8,
    genreDroite = 9,
    genrePointSurDroite = 10,
    genrePerpendiculaire = 11,
    genreIntersectionDroites = 12,
    genrePointRepere = 13,
    genreImageRotation = 14,
    genreReportLongueur = 15,
    genrePolygone = 16,
    genreSymetriqueDroite = 17,
    genreImage = 18,
    genrePointCurseur = 19,
    genreArcCercle = 20,
    genreIntersectionCercles = 21,
    genreCoteLongueur = 22,
    genrePointMobileBorne = 23,
    genreImageInterne = 25,
    genreTableau = 27,
    genreDiagramme = 28,
    genreMediatrice = 30,
    genreCoteAngle = 31,
    genrePointSurArc = 32,
    genreIntersectionDroiteCercle = 33,
    genrePave = 34,
    genreCentreCercleInscrit = 35,
    genreImageRotationHomothetie = 36,
    genreImageSimilitude = 43,
    genrePointGradue = 44,
    genreParallele = 45,
    genreDamier = 46,
};

// How the painter draws an object; classes 0 and 6 draw nothing.
enum TclasseAffichage : std::uint32_t {
    affPoint = 1,
    affSegment = 2,
    affDroite = 3,
    affDemiDroite = 4,
    affCercle = 5,
    affArc = 7,
    affTexte = 8,
    affCadre = 9,
    affOperation = 10,
    affPolygone = 11,
    affImage = 12,
    affImageInterne = 14,
    affTableau = 16,
    affDiagramme = 17,
    affPave = 20,
    affDamier = 21,
};

constexpr std::size_t longueurNom = 20;
constexpr int nbSommetsMax = 40;

// What every point kind holds besides its kind data.
struct Tpoint {
    double x = 0;
    double y = 0;
    // In character widths and line heights of the label's font.
    double decalageEtiquetteX = 0;
    double decalageEtiquetteY = 0;
    std::string etiquette;
    int tailleEtiquette = 11;
    // Where the painter last drew the point.
    int pixelX = 0;
    int pixelY = 0;
    // 0 the label alone; 1 followed by its coordinates; 2 built from "L1" and "L2".
    int modeEtiquette = 0;
};

// Kind data. Parents are not here: every kind keeps them in Tobjet::parents.

// 3: a text in $-markup or formula notation, placed in pixels.
struct Ttexte {
    std::string texte;
    double x = 0;
    double y = 0;
    bool affiche = true;
    // false: the markup renderer, size 12; true: the formula drawer, size 11.
    bool formule = false;
    // Written by the painter: where the text ended.
    double xFin = 0;
};

// 4: copies of the two ends.
struct Tsegment {
    double xA = 0, yA = 0, xB = 0, yB = 0;
};

// 5 (origin), 9, 11, 30 and 45 (a point of the line): a point and a unit direction.
struct Tdroite {
    double x = 0, y = 0;
    double dx = 0, dy = 0;
};

// 6
struct Tcercle {
    double x = 0, y = 0;
    double rayon = 0;
    double gauche = 0, bas = 0, droite = 0, haut = 0;
};

// 7: a framed block, in pixels; style 1..13 fixes its heading and look.
struct Tcadre {
    int style = 0;
    double x = 0, y = 0;
    double largeur = 0, hauteur = 0;
    int codeLien = 0;
    std::string titre;
};

// 8: a posed operation.
enum ToperationPosee : int {
    operationDivision = 1,
    operationAddition = 2,
    operationSoustraction = 3,
    operationMultiplication = 4,
};

struct Toperation {
    int operation = 0;
    std::string operande1;
    std::string operande2;
    // Division only.
    int decimales = 0;
    double x = 0, y = 0;
    // The division writes its subtraction rows.
    bool detaillee = false;
};

// 10: the point A + t(B - A).
struct TpointSurDroite {
    double t = 0;
};

// 13: the point O + u(A - O) + v(B - O).
struct TpointRepere {
    double u = 0, v = 0;
};

// 14
struct TimageRotation {
    double angle = 0;
};

// 16: the vertices 1..nbSommets; the coordinates keep the first vertex once more after the last.
struct Tpolygone {
    int nbSommets = 0;
    std::array<int, nbSommetsMax + 1> sommets{};
    std::array<double, nbSommetsMax + 2> x{};
    std::array<double, nbSommetsMax + 2> y{};
    // The side from the last vertex back to the first is not drawn.
    bool ouvert = false;
};

// 18: a picture from a file; never null, an empty picture when the file could not be loaded.
struct Timage {
    double x = 0, y = 0;
    std::unique_ptr<Image> image;
    std::string nomFichier;
};

// 19
struct TpointCurseur {
    double xMin = 0, xMax = 0, pas = 0;
};

// 20: centre O, start P, end Q.
struct Tarc {
    double x = 0, y = 0;
    double rayon = 0;
    double gauche = 0, droite = 0, bas = 0, haut = 0;
    double xP = 0, yP = 0;
    double xQ = 0, yQ = 0;
};

// 22
struct TcoteLongueur {
    int decimales = 0;
    double longueur = 0;
};

// 23
struct TpointMobileBorne {
    double xMin = 0, xMax = 0, pasX = 0;
    double yMin = 0, yMax = 0, pasY = 0;
};

// 25: a picture held by the main window, not owned.
struct TimageInterne {
    double x = 0, y = 0;
    const Image* image = nullptr;
    int codeLien = 0;
};

// 31: measure in degrees.
struct TcoteAngle {
    int decimales = 0;
    double mesure = 0;
};

// 32: angles in degrees.
struct TpointSurArc {
    double angle = 0, angleMin = 0, angleMax = 0, pas = 0;
};

// 36
struct TimageRotationHomothetie {
    double angle = 0;
    double rapport = 0;
};

// 44: graduation k of n, counted from the stored origin by the stored step.
struct TpointGradue {
    double xOrigine = 0, yOrigine = 0;
    double pasX = 0, pasY = 0;
    int k = 0;
    int n = 0;
};

// Kinds without data of their own hold std::monostate.
using TdonneesObjet =
    std::variant<std::monostate, Ttexte, Tsegment, Tdroite, Tcercle, Tcadre, Toperation,
                 TpointSurDroite, TpointRepere, TimageRotation, Tpolygone, Timage, TpointCurseur,
                 Tarc, TcoteLongueur, TpointMobileBorne, TimageInterne, Ttableau, Tdiagramme,
                 Tpave, Tdamier, TcoteAngle, TpointSurArc, TimageRotationHomothetie,
                 TpointGradue>;

struct Tobjet {
    TgenreObjet genre = genrePointLibre;
    TclasseAffichage classe = affPoint;
    bool mobile = false;
    // No longer reacts to the mouse.
    bool verrouille = false;
    // Not drawn; keeps its last data.
    bool indefini = false;
    std::string nom;
    bool aPeindre = true;
    TColor couleur = 0;
    // 1 solid, 2 dashed, 3 dotted, 4 double arrow, 5 filled head, 6 open head.
    int trait = 0;
    // Pen width; for a point, the side of its square marker.
    int epaisseur = 0;
    // 0 none, 1 solid, 2..7 hatchings.
    int remplissage = 0;
    bool visible = true;

    // Object indices of the parents in their slot order; 0 designates no object.
    std::array<int, 4> parents{};
    // Present exactly for the kinds of display class affPoint.
    std::optional<Tpoint> point;
    TdonneesObjet donnees;

    template <class T> T& donneesDe() { return std::get<T>(donnees); }
    template <class T> const T& donneesDe() const { return std::get<T>(donnees); }
};

// Replaces the object held by the reference by a new object of the kind, named with the first 20
// characters of the name. A kind that the program does not create is refused: false, and the
// reference is left as it was.
bool creerObjet(const std::string& nom, TgenreObjet genre, std::unique_ptr<Tobjet>& objet);
// The common and kind defaults; a point takes its name as label.
void initialiserObjet(Tobjet& objet);
void libererObjet(std::unique_ptr<Tobjet>& objet);
