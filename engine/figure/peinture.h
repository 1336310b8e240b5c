#pragma once
// The figure painter: one drawing surface turned into pixels. Objects placed in world units are
// mapped by the surface's origin and scale; texts, framed blocks, posed operations and pictures
// hold pixel positions. Colours are 0x00BBGGRR.

#include <string>

#include "engine/figure/figure.h"
#include "platform/canevas.h"

// Paints the whole surface on its control's canvas, in this order: the background, the
// instruments, the grid and axes, every object but the points, then the points over everything.
// While it paints, the surface's link-zone list, emptied first, is the current list, where links
// and framed blocks register their zones; afterwards no list is published. A surface bound to no
// control has no canvas and is not painted.
void dessinerFigure(Tfigure& figure);
// The same on another canvas of the control's size, such as an image the surface is rendered
// into. Without a control, the background fills the surface's own size in its colour.
void dessinerFigure(Tfigure& figure, Canevas& canevas);

// Draws the instruments of a surface: dessinerOutils unless replaced. While it is null the
// instruments are not drawn.
extern void (*dessinerOutilsFigure)(Tfigure& figure, Canevas& canevas);
// Every instrument that is out, step by step: the grab discs, their outlines, the protractor's
// and the graduated instruments' graduations, the red reference crosses, the set squares'
// perpendiculars with their right-angle marks, the circles, the second arms.
void dessinerOutils(Tfigure& figure, Canevas& canevas);

// Object i (1-based) by its display class; an undefined or hidden object draws nothing. Points
// receive the pixel position they are drawn at.
void dessinerObjet(Tfigure& figure, Canevas& canevas, int i);
// Polygon i filled in its colour with the brush of its motif, without outline.
void dessinerPolygonePlein(Tfigure& figure, Canevas& canevas, int i);

// A markup text, normal style, at the pixel image of the world point (x, y) moved by whole or
// fractional columns and lines of the font size given; transparent background. An empty text
// draws nothing.
void ecrireTexteMonde(const Tfigure& figure, Canevas& canevas, const std::string& texte,
                      int taille, double x, double y, double decalageColonnes,
                      double decalageLignes, TColor couleur);
// ecrireTexteMonde at 11 points.
void ecrireEtiquetteAxe(const Tfigure& figure, Canevas& canevas, const std::string& texte,
                        TColor couleur, double x, double y, double decalageColonnes,
                        double decalageLignes);
// A markup text at a pixel position, black, 11 points, normal style, transparent background.
void ecrireTextePixel(Canevas& canevas, const std::string& texte, double x, double y);
// What a point's label shows in its label mode: 0 the label; 1 the label followed by
// "(x,y)"; 2 "(px,py) ; d" from the pixels of the points "L1" (px, py) and "L2" less "L0" (d),
// a missing one counting as 0. At most 120 characters.
std::string texteEtiquette(const Tfigure& figure, const Tobjet& point);

// The segment between the pixel images of two world points; the trait kinds of tracerSegment.
// Also what the program calls tracerSegmentMonde.
void tracerLigneMonde(const Tfigure& figure, Canevas& canevas, TColor couleur, int trait,
                      double x1, double y1, double x2, double y2, int epaisseur);
// The line through (x0, y0) of direction (dx, dy) across the visible window.
void tracerDroiteFenetre(const Tfigure& figure, Canevas& canevas, TColor couleur, int trait,
                         double x0, double y0, double dx, double dy, int epaisseur);
// The half-line from (x0, y0) in the direction (dx, dy), up to the edge of the visible window.
void tracerDemiDroiteFenetre(const Tfigure& figure, Canevas& canevas, TColor couleur, int trait,
                             double x0, double y0, double dx, double dy, int epaisseur);

// The square grid, then, unless they are hidden, the two axes and their five labels.
void dessinerAxes(const Tfigure& figure, Canevas& canevas);
// The surface's checkerboard (indiceDamier): its filled cells, then its grid.
void dessinerDamier(const Tfigure& figure, Canevas& canevas);
// The surface's diagram (indiceDiagramme): the category boxes, then the bars with their scale, or
// the sectors; the drag handles unless it is locked; with types 4 and 5 the frequency table and
// the sector diagram.
void dessinerDiagramme(const Tfigure& figure, Canevas& canevas);
// Box i (an object of the surface, as dessinerObjet hands it over), cell by cell.
void dessinerPave(Tfigure& figure, Canevas& canevas, int i);
