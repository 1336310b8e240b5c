#pragma once
// Creators of lines, circles, arcs and polygons, computed at once from their points, and the
// surface's snap points. Each returns the new object, null when the surface is full. Trait:
// 1 solid, 2 dashed, 3 dotted, 4 double arrow, 5 filled arrow head, 6 open arrow head.

#include <string>

#include "engine/figure/figure.h"

// Named "[AB]".
Tobjet* creerSegment(Tfigure& figure, const std::string& a, const std::string& b, TColor couleur,
                     int trait, int epaisseur);
Tobjet* creerSegmentTrait(Tfigure& figure, const std::string& a, const std::string& b,
                          TColor couleur);
Tobjet* creerSegmentPointille(Tfigure& figure, const std::string& a, const std::string& b,
                              TColor couleur);
// Named "(AB)", drawn across the whole window.
Tobjet* creerDroite(Tfigure& figure, const std::string& a, const std::string& b, TColor couleur,
                    int trait, int epaisseur);
// Named "[AB)", from A through B.
Tobjet* creerDemiDroite(Tfigure& figure, const std::string& a, const std::string& b,
                        TColor couleur, int trait, int epaisseur);
// Centre O through M.
Tobjet* creerCercle(Tfigure& figure, const std::string& nom, const std::string& o,
                    const std::string& m, TColor couleur, int trait, int epaisseur);
// Centre O, from P2 (radius OP2) towards the ray through P3.
Tobjet* creerArcCercle(Tfigure& figure, const std::string& nom, const std::string& o,
                       const std::string& p2, const std::string& p3, TColor couleur, int trait,
                       int epaisseur);
// Through P, perpendicular or parallel to the line.
Tobjet* creerPerpendiculaire(Tfigure& figure, const std::string& nom, const std::string& p,
                             const std::string& ligne, TColor couleur, int trait, int epaisseur);
Tobjet* creerParallele(Tfigure& figure, const std::string& nom, const std::string& p,
                       const std::string& ligne, TColor couleur, int trait, int epaisseur);
// The perpendicular bisector of [AB].
Tobjet* creerMediatrice(Tfigure& figure, const std::string& nom, const std::string& a,
                        const std::string& b, TColor couleur, int trait, int epaisseur);
// Vertices named in a list separated by single blanks, "A B C D"; two blanks in a row make a
// vertex that designates no object. At most 40 vertices are kept.
Tobjet* creerPolygone(Tfigure& figure, const std::string& nom, const std::string& sommets,
                      TColor couleur);
// The same as a broken line: the side from the last vertex back to the first is not drawn.
Tobjet* creerPolygoneBorde(Tfigure& figure, const std::string& nom, const std::string& sommets,
                           TColor couleur);
// Replaces the snap list by the objects named in the list ("A B C"); names that no object bears
// are skipped, and at most 10 are kept. An empty text empties it.
void fixerPointsAimantes(Tfigure& figure, const std::string& noms);
