#include "cours/etendue_dessin.h"

#include <algorithm>

#include "platform/image.h"

void CanevasEtendue::couvrir(int x1, int y1, int x2, int y2)
{
    const TRect r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    if (!etendue_) {
        etendue_ = r;
        return;
    }
    etendue_ = TRect{std::min(etendue_->left, r.left), std::min(etendue_->top, r.top),
                     std::max(etendue_->right, r.right), std::max(etendue_->bottom, r.bottom)};
}

void CanevasEtendue::MoveTo(int x, int y) { position_ = {x, y}; }

void CanevasEtendue::LineTo(int x, int y)
{
    couvrir(position_.x, position_.y, x, y);
    position_ = {x, y};
}

void CanevasEtendue::Polyline(std::span<const TPoint> points)
{
    for (const TPoint& p : points) couvrir(p.x, p.y, p.x, p.y);
}

void CanevasEtendue::Polygon(std::span<const TPoint> points) { Polyline(points); }

void CanevasEtendue::Rectangle(int x1, int y1, int x2, int y2) { couvrir(x1, y1, x2, y2); }

void CanevasEtendue::FillRect(const TRect& r) { couvrir(r.left, r.top, r.right, r.bottom); }

void CanevasEtendue::Ellipse(int x1, int y1, int x2, int y2) { couvrir(x1, y1, x2, y2); }

void CanevasEtendue::RoundRect(int x1, int y1, int x2, int y2, int, int) { couvrir(x1, y1, x2, y2); }

void CanevasEtendue::Arc(int x1, int y1, int x2, int y2, int, int, int, int) { couvrir(x1, y1, x2, y2); }

void CanevasEtendue::Pie(int x1, int y1, int x2, int y2, int, int, int, int) { couvrir(x1, y1, x2, y2); }

void CanevasEtendue::Chord(int x1, int y1, int x2, int y2, int, int, int, int) { couvrir(x1, y1, x2, y2); }

void CanevasEtendue::TextOut(int x, int y, const std::string& texte)
{
    couvrir(x, y, x + TextWidth(texte), y + TextHeight(texte));
}

// The measuring canvas takes this one's font first.
int CanevasEtendue::TextWidth(const std::string& texte)
{
    copierEtat(*this, mesure_);
    return mesure_.TextWidth(texte);
}

int CanevasEtendue::TextHeight(const std::string& texte)
{
    copierEtat(*this, mesure_);
    return mesure_.TextHeight(texte);
}

void CanevasEtendue::Draw(int x, int y, const Image& image)
{
    couvrir(x, y, x + image.Width(), y + image.Height());
}

void CanevasEtendue::StretchDraw(const TRect& r, const Image&) { couvrir(r.left, r.top, r.right, r.bottom); }
