#pragma once
// The canvas drawn with a QPainter, antialiasing off: the program's drawings are pixel drawings.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <optional>

#include "platform/canevas.h"

// The Qt font a canvas font stands for: "Symbol" is drawn with a Unicode font, its bytes being
// translated; the size in points becomes the platform's pixel height, whatever the screen.
QFont policeQt(const TFont& police);

class CanevasQt final : public Canevas {
public:
    // The painter must outlive the canvas; its device gives the canvas its size.
    explicit CanevasQt(QPainter& peintre);

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
    std::unique_ptr<Calque> creerCalque(int largeur, int hauteur) override;

private:
    enum class TFormeArc { arc, secteur, corde };

    // Hands the pen, and the brush when the shape is filled, to the painter.
    void preparer(bool remplie);
    void tracerArc(TFormeArc forme, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Brings the Qt font and its metrics up to the canvas font, rebuilding them only when it
    // changed: text is drawn and measured many times with the same font.
    void suivrePolice();
    QString texteQt(const std::string& texte) const;

    QPainter& peintre_;
    TPoint position_;
    TFont policeConnue_;
    QFont qfont_;
    std::optional<QFontMetrics> metriques_;
};
