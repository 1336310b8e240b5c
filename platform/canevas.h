#pragma once
// The drawing surface of a paint box: pen, brush and font state, and the drawing calls the
// program's painters use, with the semantics they were written for.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/types.h"

class Calque;
class Image;

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

enum TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,   // falls from left to right
    bsBDiagonal,   // rises from left to right
    bsCross,
    bsDiagCross
};

// Font styles are a set of these bits.
enum : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;

struct TPen {
    TColor Color = 0x000000;
    int Width = 1;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = 0xFFFFFF;
    TBrushStyle Style = bsSolid;
};

struct TFont {
    std::string Name = "Arial";
    int Size = 10;  // points
    TFontStyles Style = 0;
    TColor Color = 0x000000;
    // The height of a font set by point size, as the platform reports it: a negative pixel count
    // (points at 96 pixels per inch).
    int Height() const;
};

class Canevas {
public:
    virtual ~Canevas() = default;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    // Text and hatches leave the background untouched when set; otherwise text cells and the gaps
    // between hatch lines are filled with the brush colour.
    bool FondTransparent = true;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual TPoint PenPos() const = 0;
    virtual void Polyline(std::span<const TPoint> points) = 0;
    virtual void Polygon(std::span<const TPoint> points) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void FillRect(const TRect& r) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void RoundRect(int x1, int y1, int x2, int y2, int largeurCoin, int hauteurCoin) = 0;
    // Arcs of the ellipse inscribed in the box (x1, y1)-(x2, y2), from the ray through (x3, y3) to
    // the ray through (x4, y4), anticlockwise on the screen.
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    // Text in Windows-1252 bytes, its cell's top-left corner at (x, y).
    virtual void TextOut(int x, int y, const std::string& texte) = 0;
    virtual int TextWidth(const std::string& texte) = 0;
    virtual int TextHeight(const std::string& texte) = 0;
    virtual void Draw(int x, int y, const Image& image) = 0;
    virtual void StretchDraw(const TRect& r, const Image& image) = 0;
    // A layer of the size that this canvas can Draw; null when this kind of canvas has none,
    // which the default is.
    virtual std::unique_ptr<Calque> creerCalque(int largeur, int hauteur);
};

// Pen, brush, font and text background of one canvas given to another.
void copierEtat(const Canevas& source, Canevas& cible);
