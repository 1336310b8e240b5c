#pragma once
// A canvas that draws nothing and keeps the list of the drawing calls made on it, each with the
// drawing state it was made in, so that a test can say what a painter drew without pixels.
//
// Text metrics follow a rule a test can count with. With h = -Font.Height(), the font's pixel
// height (at least 1), every byte of a text is (h + 1) / 2 pixels wide (integer division) and a
// text cell is h + 3 pixels high, whatever the font name and style: at size 12 (h = 16) a byte is
// 8 pixels wide and a cell 19 high; at size 8 (h = 11), 6 and 14; at size 10 (h = 13), 7 and 16.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/canevas.h"

enum class GenreAppel {
    MoveTo,
    LineTo,
    Polyline,
    Polygon,
    Rectangle,
    FillRect,
    Ellipse,
    RoundRect,
    Arc,
    Pie,
    Chord,
    TextOut,
    Draw,
    StretchDraw
};

struct Appel {
    GenreAppel genre = GenreAppel::MoveTo;
    // The integer arguments in the order of the call; a list of points as x, y pairs; a TRect as
    // left, top, right, bottom.
    std::vector<int> arguments;
    std::string texte;               // TextOut
    const Image* image = nullptr;    // Draw and StretchDraw
    TPoint position;                 // the pen position before the call: where a LineTo starts
    TPen pen;
    TBrush brush;
    TFont font;
    bool fondTransparent = true;

    // The arguments read as x, y pairs.
    std::vector<TPoint> points() const;
};

class CanevasEnregistre final : public Canevas {
public:
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    TPoint PenPos() const override;
    void Polyline(std::span<const TPoint> points) override;
    void Polygon(std::span<const TPoint> points) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(const TRect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int largeurCoin, int hauteurCoin) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const std::string& texte) override;
    int TextWidth(const std::string& texte) override;
    int TextHeight(const std::string& texte) override;
    void Draw(int x, int y, const Image& image) override;
    void StretchDraw(const TRect& r, const Image& image) override;
    // A recording layer, when layers are allowed; they are not until a test allows them.
    std::unique_ptr<Calque> creerCalque(int largeur, int hauteur) override;
    bool calquesPermis = false;
    // The layers made, in order.
    int nbCalquesCrees = 0;

    // Every call, in the order made.
    const std::vector<Appel>& appels() const { return appels_; }
    // The calls of one kind, in the order made.
    std::vector<Appel> appels(GenreAppel genre) const;
    std::size_t nombre(GenreAppel genre) const;
    // Forgets the calls; the drawing state and the pen position stay.
    void effacer() { appels_.clear(); }

private:
    void enregistrer(GenreAppel genre, std::vector<int> arguments, std::string texte = {},
                     const Image* image = nullptr);

    std::vector<Appel> appels_;
    TPoint position_;
};
