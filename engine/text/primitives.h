#pragma once
// The drawing procedures every painter uses. Each sets the pen and brush it needs, draws, and
// leaves the canvas in that state: nothing is restored, the next primitive sets what it needs.
// Coordinates are pixels given as doubles, rounded (halves to even) just before each call; a box
// is left, top, right, bottom.

#include <cstdint>
#include <span>

#include "platform/canevas.h"

// Pitch of one text column and of one text line, in pixels, for the canvas's font size.
std::uint8_t pasColonne(const Canevas& canevas);
std::uint8_t interligne(const Canevas& canevas);

// Trait kinds: 2 dashed, 3 dotted, 4 double arrow, 5 filled head at the end, 6 open head at the
// end; any other kind is a solid line.
void tracerSegment(Canevas& canevas, TColor couleur, int trait, double x1, double y1, double x2,
                   double y2, int largeur);
void pointeFlechePleine(Canevas& canevas, TColor couleur, int largeur, double x1, double y1,
                        double x2, double y2);
void pointeFlecheOuverte(Canevas& canevas, TColor couleur, int largeur, double x1, double y1,
                         double x2, double y2);
void doubleFleche(Canevas& canevas, TColor couleur, double x1, double y1, double x2, double y2);
void tracerTrait(Canevas& canevas, TColor couleur, double x1, double y1, double x2, double y2);
void tracerTraitNoir(Canevas& canevas, double x1, double y1, double x2, double y2);
// In the font colour: the renderer's bars, roots and marks.
void tracerTraitTexte(Canevas& canevas, double x1, double y1, double x2, double y2);
// A left curly brace, its top at (x, y).
void tracerAccolade(Canevas& canevas, TColor couleur, double x, double y, double hauteur);
// The arc of the box (x1, y1)-(x2, y2) from the ray through (x3, y3) to the ray through (x4, y4),
// anticlockwise; kind 4 has heads at both ends, 5 at the end point, 7 at the start point.
void tracerArc(Canevas& canevas, TColor couleur, int trait, double x1, double y1, double x2,
               double y2, double x3, double y3, double x4, double y4, int largeur);

void tracerRectangle(Canevas& canevas, std::uint8_t largeur, TColor couleur, double gauche,
                     double haut, double droite, double bas);
// Solid when style is 1, dotted otherwise; a box beyond ±10⁶ pixels is not drawn.
void tracerEllipse(Canevas& canevas, TColor couleur, int style, double gauche, double haut,
                   double droite, double bas, int largeur);

// Fill motifs 1..7: solid, rising hatch, falling hatch, cross, diagonal cross, horizontal,
// vertical; any other motif keeps the canvas's brush style. Fills have no outline.
void remplirEllipse(Canevas& canevas, int motif, TColor couleur, double gauche, double haut,
                    double droite, double bas);
// The polygon of the pixel points, filled by the motif without outline.
void remplirPolygone(Canevas& canevas, int motif, TColor couleur, std::span<const TPoint> sommets);
void remplirSecteur(Canevas& canevas, int motif, TColor couleur, double x1, double y1, double x2,
                    double y2, double x3, double y3, double x4, double y4);
void remplirCorde(Canevas& canevas, int motif, TColor couleur, double x1, double y1, double x2,
                  double y2, double x3, double y3, double x4, double y4);

void tracerRectangleArrondi(Canevas& canevas, std::uint8_t largeur, TColor couleur,
                            double gauche, double haut, double droite, double bas);
void remplirRectangle(Canevas& canevas, TColor couleur, double gauche, double haut,
                      double droite, double bas);
void tracerRectanglePlein(Canevas& canevas, TColor fond, TColor contour, double gauche,
                          double haut, double droite, double bas);
// A filled box with a 3-pixel shadow along its bottom and right sides.
void tracerCadreOmbre(Canevas& canevas, TColor fond, TColor contour, double gauche, double haut,
                      double droite, double bas);
void remplirRectangleArrondi(Canevas& canevas, TColor couleur, double gauche, double haut,
                             double droite, double bas);
void remplirRectangleArrondiMotif(Canevas& canevas, TColor couleur, TBrushStyle style,
                                  double gauche, double haut, double droite, double bas);
// A raised button: a filled round box outlined three times, each one pixel further right and down.
void tracerBoutonArrondi(Canevas& canevas, TColor fond, TColor contour, double gauche,
                         double haut, double droite, double bas);
