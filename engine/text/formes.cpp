#include <array>
#include <cmath>

#include "engine/text/primitives.h"

namespace {

constexpr int coinArrondi = 16;
constexpr double coordonneeEllipseMax = 1e6;

// Brush styles of the fill motifs 1..7.
constexpr std::array<TBrushStyle, 7> stylesMotif = {bsSolid,     bsBDiagonal, bsFDiagonal,
                                                    bsCross,     bsDiagCross, bsHorizontal,
                                                    bsVertical};

void preparerRemplissage(Canevas& canevas, int motif, TColor couleur)
{
    if (motif >= 1 && motif <= static_cast<int>(stylesMotif.size()))
        canevas.Brush.Style = stylesMotif[static_cast<std::size_t>(motif - 1)];
    canevas.Brush.Color = couleur;
    canevas.Pen.Style = psClear;
}

void preparerContour(Canevas& canevas, int largeur, TColor couleur, TPenStyle style)
{
    canevas.Pen.Style = style;
    canevas.Pen.Width = largeur;
    canevas.Pen.Color = couleur;
    canevas.Brush.Style = bsClear;
}

}  // namespace

void tracerRectangle(Canevas& canevas, std::uint8_t largeur, TColor couleur, double gauche,
                     double haut, double droite, double bas)
{
    preparerContour(canevas, largeur, couleur, psSolid);
    canevas.Rectangle(arrondi(gauche), arrondi(haut), arrondi(droite), arrondi(bas));
}

void tracerEllipse(Canevas& canevas, TColor couleur, int style, double gauche, double haut,
                   double droite, double bas, int largeur)
{
    // The figure painter hands far-away circles through here.
    for (const double c : {gauche, haut, droite, bas})
        if (!(std::abs(c) <= coordonneeEllipseMax)) return;
    preparerContour(canevas, largeur, couleur, style == 1 ? psSolid : psDot);
    canevas.Ellipse(arrondi(gauche), arrondi(haut), arrondi(droite), arrondi(bas));
}

void remplirEllipse(Canevas& canevas, int motif, TColor couleur, double gauche, double haut,
                    double droite, double bas)
{
    preparerRemplissage(canevas, motif, couleur);
    canevas.Ellipse(arrondi(gauche), arrondi(haut), arrondi(droite), arrondi(bas));
}

void remplirPolygone(Canevas& canevas, int motif, TColor couleur, std::span<const TPoint> sommets)
{
    preparerRemplissage(canevas, motif, couleur);
    canevas.Polygon(sommets);
}

void remplirSecteur(Canevas& canevas, int motif, TColor couleur, double x1, double y1, double x2,
                    double y2, double x3, double y3, double x4, double y4)
{
    preparerRemplissage(canevas, motif, couleur);
    canevas.Pie(arrondi(x1), arrondi(y1), arrondi(x2), arrondi(y2), arrondi(x3), arrondi(y3),
                arrondi(x4), arrondi(y4));
}

void remplirCorde(Canevas& canevas, int motif, TColor couleur, double x1, double y1, double x2,
                  double y2, double x3, double y3, double x4, double y4)
{
    preparerRemplissage(canevas, motif, couleur);
    canevas.Chord(arrondi(x1), arrondi(y1), arrondi(x2), arrondi(y2), arrondi(x3), arrondi(y3),
                  arrondi(x4), arrondi(y4));
}

void tracerRectangleArrondi(Canevas& canevas, std::uint8_t largeur, TColor couleur,
                            double gauche, double haut, double droite, double bas)
{
    preparerContour(canevas, largeur, couleur, psSolid);
    canevas.RoundRect(arrondi(gauche), arrondi(haut), arrondi(droite), arrondi(bas), coinArrondi,
                      coinArrondi);
}

void remplirRectangle(Canevas& canevas, TColor couleur, double gauche, double haut,
                      double droite, double bas)
{
    preparerRemplissage(canevas, 1, couleur);
    canevas.Rectangle(arrondi(gauche), arrondi(haut), arrondi(droite), arrondi(bas));
}

void tracerRectanglePlein(Canevas& canevas, TColor fond, TColor contour, double gauche,
                          double haut, double droite, double bas)
{
    remplirRectangle(canevas, fond, gauche, haut, droite, bas);
    tracerRectangle(canevas, 1, contour, gauche, haut, droite, bas);
}

void tracerCadreOmbre(Canevas& canevas, TColor fond, TColor contour, double gauche, double haut,
                      double droite, double bas)
{
    constexpr int largeurOmbre = 3;
    tracerRectanglePlein(canevas, fond, contour, gauche, haut, droite, bas);
    tracerSegment(canevas, contour, 1, gauche + 1, bas, droite, bas, largeurOmbre);
    tracerSegment(canevas, contour, 1, droite, haut + 1, droite, bas, largeurOmbre);
}

void remplirRectangleArrondi(Canevas& canevas, TColor couleur, double gauche, double haut,
                             double droite, double bas)
{
    remplirRectangleArrondiMotif(canevas, couleur, bsSolid, gauche, haut, droite, bas);
}

void remplirRectangleArrondiMotif(Canevas& canevas, TColor couleur, TBrushStyle style,
                                  double gauche, double haut, double droite, double bas)
{
    canevas.Brush.Style = style;
    canevas.Brush.Color = couleur;
    canevas.Pen.Style = psClear;
    canevas.RoundRect(arrondi(gauche), arrondi(haut), arrondi(droite), arrondi(bas), coinArrondi,
                      coinArrondi);
}

void tracerBoutonArrondi(Canevas& canevas, TColor fond, TColor contour, double gauche,
                         double haut, double droite, double bas)
{
    remplirRectangleArrondi(canevas, fond, gauche, haut, droite, bas);
    for (int relief = 0; relief <= 2; ++relief)
        tracerRectangleArrondi(canevas, 1, contour, gauche, haut, droite + relief, bas + relief);
}
