#pragma once
// A canvas that draws nothing and keeps the rectangle its drawings cover, texts measured on
// another canvas: the room a posed operation takes on the page, or none when the engine cannot
// pose it.

#include <optional>

#include "platform/canevas.h"

class CanevasEtendue final : public Canevas {
public:
    explicit CanevasEtendue(Canevas& mesure) : mesure_(mesure) {}

    // Empty while nothing was drawn.
    const std::optional<TRect>& etendue() const { return etendue_; }

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    TPoint PenPos() const override { return position_; }
    void Polyline(std::span<const TPoint> points) override;
    void Polygon(std::span<const TPoint> points) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(const TRect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int, int) override;
    void Arc(int x1, int y1, int x2, int y2, int, int, int, int) override;
    void Pie(int x1, int y1, int x2, int y2, int, int, int, int) override;
    void Chord(int x1, int y1, int x2, int y2, int, int, int, int) override;
    void TextOut(int x, int y, const std::string& texte) override;
    int TextWidth(const std::string& texte) override;
    int TextHeight(const std::string& texte) override;
    void Draw(int x, int y, const Image& image) override;
    void StretchDraw(const TRect& r, const Image&) override;

private:
    void couvrir(int x1, int y1, int x2, int y2);

    Canevas& mesure_;
    TPoint position_;
    std::optional<TRect> etendue_;
};
