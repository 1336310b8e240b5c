#pragma once
// Plane geometry in world coordinates (y up). Angles in degrees, except arcCosinus (radians).
// Functions that can fail set their flag to true and leave their results unwritten; on success
// the flag is set to false. A result that would not be finite (NaN input, overflow) is a failure.

double distance(double x1, double y1, double x2, double y2);
double norme(double dx, double dy);

// a·x + b·y + c = 0 through (x0, y0) with direction (dx, dy): a = dy, b = -dx.
void equationDroite(double& a, double& b, double& c, double x0, double y0, double dx, double dy);
void intersectionDroites(double& x, double& y, bool& paralleles, double a1, double b1, double c1,
                         double a2, double b2, double c2);
void intersectionDroitesAB_CD(double& x, double& y, bool& paralleles, double xa, double ya,
                              double dxa, double dya, double xc, double yc, double dxc, double dyc);
// The line is a point and a unit direction.
double distancePointDroite(double px, double py, double x0, double y0, double dx, double dy);
// The *Eq forms expect a² + b² = 1.
void symetriquePointDroiteEq(double& xs, double& ys, double a, double b, double c, double x,
                             double y);
void projetePointDroiteEq(double& xp, double& yp, double a, double b, double c, double x, double y);
void symetriquePointDroite(double& xs, double& ys, double x, double y, double x0, double y0,
                           double dx, double dy);
void projetePointDroite(double& xp, double& yp, double x, double y, double x0, double y0,
                        double dx, double dy);
// side +1 or -1 chooses one of the two common points.
void intersectionDroiteCercleEq(int cote, double& x, double& y, double a, double b, double c,
                                double cx, double cy, double r, bool& aucun);
void intersectionDroiteCercle(int cote, double& x, double& y, double x0, double y0, double dx,
                              double dy, double cx, double cy, double r, bool& aucun);
// One common point; exchange the circles for the other.
void intersectionCercles(double& x, double& y, bool& aucun, double x1, double y1, double r1,
                         double x2, double y2, double r2);
void rotationPoint(double& xr, double& yr, double cx, double cy, double x, double y, double theta);
void rotationHomothetie(double& xr, double& yr, double cx, double cy, double x, double y,
                        double theta, double k);
// Image of M by the direct similarity of centre O that maps A to A'.
void similitudePoint(double& xr, double& yr, bool& aucun, double ox, double oy, double mx,
                     double my, double ax, double ay, double apx, double apy);
double arcCosinus(double x);
// Direction angle of the unit vector (c, s), 0..360.
double angleDirection(double c, double s);
double cosDegres(double theta);
double sinDegres(double theta);
bool normaliserVecteur(double& x, double& y);
// Signed angle from u to v, -180..180; 0 with invalide set when a vector is null.
double angleVecteurs(bool& invalide, double ux, double uy, double vx, double vy);
double angleSommet(bool& invalide, double ax, double ay, double ox, double oy, double bx,
                   double by);
// The angle from u to v, 0..360.
double angleOriente(bool& invalide, double ux, double uy, double vx, double vy);
// Number of the graduation nearest to (x, y) on the line from (x0, y0) with step (dx, dy), a step
// of any length; 0 for a null step or a NaN, clamped to ±10⁹ far away.
int rangSurGraduation(double x0, double y0, double dx, double dy, double x, double y);
