#pragma once
// The marks of a school drawing, built from hidden auxiliary points so that they follow their
// points when the pupil drags them: the right-angle square, the length and angle codings, the grey
// compass arc and the foot of a perpendicular. A mark takes a short name (a prefix): its visible
// object bears the prefix, its auxiliary points the prefix followed by "_0", "_1", ... Point, line
// and circle arguments are names of existing objects.

#include <string>

#include "engine/figure/figure.h"

// The small square in angle ABC at B: the polygon of B, the point of [BA) at `taille` from B,
// the fourth vertex and the point of [BC) at `taille` from B (a parallelogram when the angle is
// not right); filled solid when `plein` is 1.
Tobjet* creerMarqueAngleDroit(Tfigure& figure, const std::string& nom, const std::string& b,
                              const std::string& a, const std::string& c, double taille,
                              TColor couleur, int plein);
// A light grey arc of the circle of centre O through M, spanning the angle, symmetric about M.
Tobjet* creerArcAngleDonne(Tfigure& figure, const std::string& nom, const std::string& o,
                           const std::string& m, double angle);
// The foot of the perpendicular from M to the line, as the middle of M and its mirror image.
Tobjet* creerProjete(Tfigure& figure, const std::string& nom, const std::string& ligne,
                     const std::string& m, double dx, double dy, TColor couleur);
// The equal-length mark at the middle of [AB]: style 1 one slanted stroke, 2 two parallel
// strokes, 4 a cross; any other style no stroke.
void creerCodageSegment(Tfigure& figure, const std::string& nom, const std::string& a,
                        const std::string& b, double taille, TColor couleur, int style);
// The equal-angle mark of angle ABC at B: an arc of the radius; style 0 a filled sector, 2 a second
// arc at 1.3 times the radius, any other the single arc.
Tobjet* creerCodageAngle(Tfigure& figure, const std::string& nom, const std::string& b,
                         const std::string& a, const std::string& c, double rayon, TColor couleur,
                         int style);
