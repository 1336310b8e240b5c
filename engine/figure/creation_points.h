#pragma once
// Creators of points: free and bounded points placed at a world position, and constructed points
// computed at once from their parents (A, B, O, M, ... are names of existing objects; a name that
// no object bears leaves the point undefined). Each returns the new object, null when the
// surface is full. dx, dy is the label offset in character cells.

#include <string>

#include "engine/figure/figure.h"

// A free point that the mouse does not move; the marker is `taille` pixels wide.
Tobjet* creerPoint(Tfigure& figure, const std::string& nom, const std::string& etiquette, double x,
                   double y, double dx, double dy, TColor couleur, int taille);
Tobjet* creerPointNomme(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                        double y, double dx, double dy);
// The point the pupil drags.
Tobjet* creerPointMobile(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                         double y);
// Without a label.
Tobjet* creerPointSansNom(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                          double y);
// A name or short text at a world position, with a one-pixel marker.
Tobjet* creerPointDiscret(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                          double y, double dx, double dy);
// Dragged within bounds and by steps; shown where given until first dragged.
Tobjet* creerPointCurseur(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                          double y, double xMin, double xMax, double pas, double dx, double dy);
Tobjet* creerPointMobileBorne(Tfigure& figure, const std::string& nom, TColor couleur, double x,
                              double y, double xMin, double xMax, double pasX, double yMin,
                              double yMax, double pasY, double dx, double dy);

// A + t(B - A).
Tobjet* creerPointSurDroite(Tfigure& figure, const std::string& nom, const std::string& a,
                            const std::string& b, double t, double dx, double dy, TColor couleur);
// The image of B by the point reflection of centre A.
Tobjet* creerSymetriqueCentral(Tfigure& figure, const std::string& nom, const std::string& a,
                               const std::string& b, double dx, double dy, TColor couleur);
Tobjet* creerMilieu(Tfigure& figure, const std::string& nom, const std::string& a,
                    const std::string& b, double dx, double dy, TColor couleur);
// A + u(B - A) + v(C - A).
Tobjet* creerPointRepere(Tfigure& figure, const std::string& nom, const std::string& a,
                         const std::string& b, const std::string& c, double u, double v, double dx,
                         double dy, TColor couleur);
// B + C - A: the fourth vertex of the parallelogram on AB and AC.
Tobjet* creerQuatriemeSommet(Tfigure& figure, const std::string& nom, const std::string& a,
                             const std::string& b, const std::string& c, double dx, double dy,
                             TColor couleur);
Tobjet* creerImageRotation(Tfigure& figure, const std::string& nom, const std::string& o,
                           const std::string& m, double angle, double dx, double dy,
                           TColor couleur);
Tobjet* creerImageRotationHomothetie(Tfigure& figure, const std::string& nom,
                                     const std::string& o, const std::string& m, double angle,
                                     double rapport, double dx, double dy, TColor couleur);
// The image of M by the direct similarity of centre O that sends P onto Q.
Tobjet* creerImageSimilitude(Tfigure& figure, const std::string& nom, const std::string& o,
                             const std::string& m, const std::string& p, const std::string& q,
                             double dx, double dy, TColor couleur);
// The point of half-line [AB) at the distance CD from A.
Tobjet* reporterLongueur(Tfigure& figure, const std::string& nom, const std::string& a,
                         const std::string& b, const std::string& c, const std::string& d,
                         double dx, double dy, TColor couleur);
Tobjet* creerIntersectionDroites(Tfigure& figure, const std::string& nom, const std::string& ligne1,
                                 const std::string& ligne2, double dx, double dy, TColor couleur);
// The mirror image of M in the line.
Tobjet* creerSymetriqueDroite(Tfigure& figure, const std::string& nom, const std::string& ligne,
                              const std::string& m, double dx, double dy, TColor couleur);
Tobjet* creerCentreCercleInscrit(Tfigure& figure, const std::string& nom, const std::string& a,
                                 const std::string& b, const std::string& c, double dx, double dy,
                                 TColor couleur);
// The common point on the left of the way from the first centre to the second.
Tobjet* creerIntersectionCercles(Tfigure& figure, const std::string& nom,
                                 const std::string& cercle1, const std::string& cercle2, double dx,
                                 double dy, TColor couleur);
// The common point further along the line's direction.
Tobjet* creerIntersectionDroiteCercle(Tfigure& figure, const std::string& nom,
                                      const std::string& ligne, const std::string& cercle,
                                      double dx, double dy, TColor couleur);
// A label at the midpoint of [AB] showing the length AB.
Tobjet* creerCoteLongueur(Tfigure& figure, const std::string& nom, const std::string& a,
                          const std::string& b, int decimales, double dx, double dy,
                          TColor couleur);
// A label at B showing the angle ABC followed by "°".
Tobjet* creerCoteAngle(Tfigure& figure, const std::string& nom, const std::string& b,
                       const std::string& a, const std::string& c, int decimales, double dx,
                       double dy, TColor couleur);
// The image of M by the rotation of centre O and the angle, dragged between the bounds by steps.
Tobjet* creerPointSurArc(Tfigure& figure, const std::string& nom, const std::string& o,
                         const std::string& m, double angleMin, double angleMax, double pas,
                         double angle, double dx, double dy, TColor couleur);
// Graduation k of the unit OU on [OE], dragged from graduation to graduation.
Tobjet* creerPointGradue(Tfigure& figure, const std::string& nom, const std::string& o,
                         const std::string& e, const std::string& u, int k, double dx, double dy,
                         TColor couleur);
