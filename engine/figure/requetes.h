#pragma once
// The questions the checks ask about named points of a surface. A missing name reads as the
// point (0, 0). Every tolerance is absolute and every comparison strict.

#include <string>

#include "engine/figure/figure.h"

double longueur(const Tfigure& figure, const std::string& a, const std::string& b);
// The geometric angle ASB in degrees, 0..180; 0 when S lies on A or on B (no side to measure).
double mesureAngle(const Tfigure& figure, const std::string& a, const std::string& s,
                   const std::string& b);
// mesureAngle, negative unless SB is counterclockwise from SA (opposite sides give -180).
double mesureAngleOriente(const Tfigure& figure, const std::string& a, const std::string& s,
                          const std::string& b);
// Distance from P to the line AB; 0 when A and B are closer than 1e-10.
double distanceALaDroite(const Tfigure& figure, const std::string& p, const std::string& a,
                         const std::string& b);
// Between the points of two point objects.
double distanceObjets(const Tobjet& a, const Tobjet& b);
// From the point of a point object to the mouse.
double distanceSouris(const Tfigure& figure, const Tobjet& objet);

// Within 1e-9 on each coordinate.
bool pointsConfondus(const Tfigure& figure, const std::string& a, const std::string& b);
// Within 0.15 on each coordinate: a square, not a disc.
bool pointsProches(const Tfigure& figure, const std::string& a, const std::string& b);
// The raw cross product of AB and AC below 0.01, whatever their lengths.
bool sontAlignes(const Tfigure& figure, const std::string& a, const std::string& b,
                 const std::string& c);
// The raw scalar product of AB and CD below 1e-6.
bool sontPerpendiculaires(const Tfigure& figure, const std::string& a, const std::string& b,
                          const std::string& c, const std::string& d);
bool vecteursMemeSens(const Tfigure& figure, const std::string& a, const std::string& b,
                      const std::string& c, const std::string& d);
bool memeLongueur(const Tfigure& figure, const std::string& a, const std::string& b,
                  const std::string& c, const std::string& d);
// {A, B} and {C, D} are the same two points, in either order.
bool pairesConfondues(const Tfigure& figure, const std::string& a, const std::string& b,
                      const std::string& c, const std::string& d);
// The same vertices in the same cyclic order, read in either direction, as last recomputed.
bool polygonesConfondus(const Tfigure& figure, const std::string& p, const std::string& q);
bool estTriangle(const Tfigure& figure, const std::string& a, const std::string& b,
                 const std::string& c);
// A triangle with its right angle at A.
bool estTriangleRectangle(const Tfigure& figure, const std::string& a, const std::string& b,
                          const std::string& c);
// The signed angles of ABCD, each from the next vertex to the previous one, add up to 0: a
// crossed quadrilateral.
bool sommeAnglesNulle(const Tfigure& figure, const std::string& a, const std::string& b,
                      const std::string& c, const std::string& d);

// Cyclic neighbours of vertex i of n: n -> 1 and 1 -> n.
int sommetSuivant(int i, int n);
int sommetPrecedent(int i, int n);
