#include "platform/qt/canevas_qt.h"

#include <QList>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QStaticText>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <unordered_map>

#include "platform/qt/calque_qt.h"
#include "platform/qt/couleur_qt.h"
#include "platform/qt/image_qt.h"
#include "platform/qt/symbole.h"
#include "platform/qt/unicode.h"

namespace {

// The platform's dash patterns, in pen widths (pixels for a 1-pixel pen), by TPenStyle; held as Qt
// lists, which every pen shares instead of copying.
const std::array<QList<qreal>, 6> motifsTirets = {{
    {},                    // psSolid
    {18, 6},               // psDash
    {3, 3},                // psDot
    {9, 6, 3, 6},          // psDashDot
    {9, 3, 3, 3, 3, 3},    // psDashDotDot
    {},                    // psClear
}};

// Qt's 8-pixel patterns have the platform's hatch directions: its forward diagonal falls from left
// to right, its backward diagonal rises.
constexpr std::array<Qt::BrushStyle, 8> stylesBrosse = {
    Qt::SolidPattern,      // bsSolid
    Qt::NoBrush,           // bsClear
    Qt::HorPattern,        // bsHorizontal
    Qt::VerPattern,        // bsVertical
    Qt::FDiagPattern,      // bsFDiagonal
    Qt::BDiagPattern,      // bsBDiagonal
    Qt::CrossPattern,      // bsCross
    Qt::DiagCrossPattern,  // bsDiagCross
};

// Glyphs this large are already unreadable; the bound keeps a runaway size from asking the font
// engine for enormous glyphs.
constexpr int taillePixelsMax = 2000;

QPen plumeQt(const TPen& plume)
{
    if (plume.Style == psClear) return QPen(Qt::NoPen);
    QPen p(versQColor(plume.Color));
    const int largeur = std::max(1, plume.Width);
    p.setWidth(largeur);
    // A flat end leaves out a thin line's last pixel, as the platform's lines do; thick lines end
    // and join round.
    p.setCapStyle(largeur == 1 ? Qt::FlatCap : Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    if (plume.Style < motifsTirets.size() && !motifsTirets[plume.Style].empty())
        p.setDashPattern(motifsTirets[plume.Style]);
    return p;
}

QBrush brosseQt(const TBrush& brosse)
{
    const Qt::BrushStyle style =
        brosse.Style < stylesBrosse.size() ? stylesBrosse[brosse.Style] : Qt::NoBrush;
    return QBrush(versQColor(brosse.Color), style);
}

// Coordinates reach Qt as doubles, so that the extent of a box or line between far-away points
// cannot overflow an int.
QLineF ligneQt(TPoint a, TPoint b)
{
    return QLineF(a.x, a.y, b.x, b.y);
}

QRectF rectangleQt(const TRect& r)
{
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
}

// The platform's box (x1, y1)-(x2, y2) covers x1..x2-1 and y1..y2-1; Qt's thin outline of a
// rectangle falls to the right of and below its edges, hence the box one pixel smaller. Empty when
// the box has no inside pixel.
std::optional<QRectF> boiteQt(int x1, int y1, int x2, int y2)
{
    const double gauche = std::min(x1, x2), droite = std::max(x1, x2);
    const double haut = std::min(y1, y2), bas = std::max(y1, y2);
    if (droite - gauche < 1 || bas - haut < 1) return std::nullopt;
    return QRectF(gauche, haut, droite - gauche - 1, bas - haut - 1);
}

// Qt places a point of an ellipse by its parametric angle, the platform by the ray from the centre
// through a given point: the parametric angle, in degrees, where that ray meets the ellipse of the
// box. Screen y goes down, angles go up.
double angleRayon(int x1, int y1, int x2, int y2, int x, int y)
{
    const double demiLargeur = std::abs(x2 - static_cast<double>(x1)) / 2;
    const double demiHauteur = std::abs(y2 - static_cast<double>(y1)) / 2;
    const double dx = x - (static_cast<double>(x1) + x2) / 2;
    const double dy = (static_cast<double>(y1) + y2) / 2 - y;
    return std::atan2(dy / demiHauteur, dx / demiLargeur) * 180 / std::numbers::pi;
}

// The painters measure and draw the same pieces of text at every paint; shaping them again each
// time is most of a page's cost. Laid-out texts are kept by font and text, up to a bound.
constexpr std::size_t textesRetenusMax = 4096;

std::string cleTexte(const TFont& police, const std::string& texte)
{
    std::string cle = police.Name;
    cle += '\0';
    cle += std::to_string(police.Size);
    cle += '\0';
    cle += static_cast<char>(police.Style);
    cle += '\0';
    cle += texte;
    return cle;
}

template <typename Valeur, typename Calcul>
const Valeur& retenir(std::unordered_map<std::string, Valeur>& retenus, std::string cle,
                      Calcul&& calculer)
{
    if (auto it = retenus.find(cle); it != retenus.end()) return it->second;
    if (retenus.size() >= textesRetenusMax) retenus.clear();
    return retenus.emplace(std::move(cle), calculer()).first->second;
}

}  // namespace

QFont policeQt(const TFont& police)
{
    const bool symbole = police.Name == "Symbol";
    QFont f(symbole ? QStringLiteral("DejaVu Sans") : versUnicode(police.Name));
    f.setPixelSize(std::clamp(-police.Height(), 1, taillePixelsMax));
    f.setBold(police.Style & fsBold);
    f.setItalic(police.Style & fsItalic);
    f.setUnderline(police.Style & fsUnderline);
    f.setStrikeOut(police.Style & fsStrikeOut);
    f.setStyleStrategy(QFont::NoAntialias);
    // Aliased glyphs need the font's own hinting to keep even letter and word spacing.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

CanevasQt::CanevasQt(QPainter& peintre) : peintre_(peintre)
{
    peintre_.setRenderHint(QPainter::Antialiasing, false);
    peintre_.setRenderHint(QPainter::TextAntialiasing, false);
    peintre_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    peintre_.setBrushOrigin(0, 0);
}

void CanevasQt::preparer(bool remplie)
{
    peintre_.setPen(plumeQt(Pen));
    peintre_.setBrush(remplie ? brosseQt(Brush) : QBrush(Qt::NoBrush));
    // Opaque hatches fill their gaps with white.
    peintre_.setBackgroundMode(FondTransparent ? Qt::TransparentMode : Qt::OpaqueMode);
    peintre_.setBackground(Qt::white);
}

void CanevasQt::MoveTo(int x, int y)
{
    position_ = {x, y};
}

void CanevasQt::LineTo(int x, int y)
{
    // A line to the pen position itself has no pixel, its only one being the excluded last one.
    if (TPoint{x, y} != position_) {
        preparer(false);
        peintre_.drawLine(ligneQt(position_, {x, y}));
    }
    position_ = {x, y};
}

TPoint CanevasQt::PenPos() const
{
    return position_;
}

void CanevasQt::Polyline(std::span<const TPoint> points)
{
    if (points.size() < 2) return;
    preparer(false);
    for (std::size_t i = 1; i < points.size(); ++i)
        if (points[i] != points[i - 1])
            peintre_.drawLine(ligneQt(points[i - 1], points[i]));
}

void CanevasQt::Polygon(std::span<const TPoint> points)
{
    if (points.size() < 2) return;
    QPolygonF polygone;
    polygone.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& p : points) polygone.append(QPointF(p.x, p.y));
    preparer(true);
    peintre_.drawPolygon(polygone, Qt::OddEvenFill);
}

void CanevasQt::Rectangle(int x1, int y1, int x2, int y2)
{
    const std::optional<QRectF> boite = boiteQt(x1, y1, x2, y2);
    if (!boite) return;
    preparer(true);
    peintre_.drawRect(*boite);
}

void CanevasQt::FillRect(const TRect& r)
{
    peintre_.fillRect(rectangleQt(r).normalized(), versQColor(Brush.Color));
}

void CanevasQt::Ellipse(int x1, int y1, int x2, int y2)
{
    const std::optional<QRectF> boite = boiteQt(x1, y1, x2, y2);
    if (!boite) return;
    preparer(true);
    peintre_.drawEllipse(*boite);
}

void CanevasQt::RoundRect(int x1, int y1, int x2, int y2, int largeurCoin, int hauteurCoin)
{
    const std::optional<QRectF> boite = boiteQt(x1, y1, x2, y2);
    if (!boite) return;
    preparer(true);
    // The platform gives the corner ellipse's size, Qt its radii.
    peintre_.drawRoundedRect(*boite, std::abs(largeurCoin) / 2.0, std::abs(hauteurCoin) / 2.0);
}

void CanevasQt::tracerArc(TFormeArc forme, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                          int y4)
{
    const std::optional<QRectF> boite = boiteQt(x1, y1, x2, y2);
    if (!boite) return;
    const double debut = angleRayon(x1, y1, x2, y2, x3, y3);
    // Anticlockwise from the start ray to the end ray; one ray for both is the whole ellipse.
    double balayage = std::fmod(angleRayon(x1, y1, x2, y2, x4, y4) - debut, 360.0);
    if (balayage < 0) balayage += 360;
    constexpr double memeRayon = 1e-9;
    if (balayage < memeRayon || balayage > 360 - memeRayon) balayage = 360;

    QPainterPath chemin;
    if (forme == TFormeArc::secteur) {
        chemin.moveTo(boite->center());
        chemin.arcTo(*boite, debut, balayage);
    } else {
        chemin.arcMoveTo(*boite, debut);
        chemin.arcTo(*boite, debut, balayage);
    }
    if (forme != TFormeArc::arc) chemin.closeSubpath();
    preparer(forme != TFormeArc::arc);
    peintre_.drawPath(chemin);
}

void CanevasQt::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    tracerArc(TFormeArc::arc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void CanevasQt::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    tracerArc(TFormeArc::secteur, x1, y1, x2, y2, x3, y3, x4, y4);
}

void CanevasQt::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    tracerArc(TFormeArc::corde, x1, y1, x2, y2, x3, y3, x4, y4);
}

void CanevasQt::suivrePolice()
{
    const bool changee = !metriques_ || Font.Name != policeConnue_.Name ||
                         Font.Size != policeConnue_.Size || Font.Style != policeConnue_.Style;
    if (!changee) return;
    policeConnue_ = Font;
    qfont_ = policeQt(Font);
    metriques_.emplace(qfont_, peintre_.device());
}

QString CanevasQt::texteQt(const std::string& texte) const
{
    return Font.Name == "Symbol" ? versUnicodeSymbole(texte) : versUnicode(texte);
}

void CanevasQt::TextOut(int x, int y, const std::string& texte)
{
    if (texte.empty()) return;
    if (!FondTransparent)
        peintre_.fillRect(QRect(x, y, TextWidth(texte), TextHeight(texte)), versQColor(Brush.Color));
    suivrePolice();
    peintre_.setFont(qfont_);
    peintre_.setPen(versQColor(Font.Color));
    peintre_.setBackgroundMode(Qt::TransparentMode);
    static std::unordered_map<std::string, QStaticText> textes;
    const QStaticText& prepare = retenir(textes, cleTexte(Font, texte), [&] {
        QStaticText t(texteQt(texte));
        t.setTextFormat(Qt::PlainText);
        t.setPerformanceHint(QStaticText::AggressiveCaching);
        t.prepare(QTransform(), qfont_);
        return t;
    });
    peintre_.drawStaticText(QPoint(x, y), prepare);
}

int CanevasQt::TextWidth(const std::string& texte)
{
    static std::unordered_map<std::string, int> largeurs;
    return retenir(largeurs, cleTexte(Font, texte), [&] {
        suivrePolice();
        return metriques_->horizontalAdvance(texteQt(texte));
    });
}

int CanevasQt::TextHeight(const std::string&)
{
    suivrePolice();
    return metriques_->ascent() + metriques_->descent();
}

void CanevasQt::Draw(int x, int y, const Image& image)
{
    if (const auto* imageQt = dynamic_cast<const ImageQt*>(&image))
        peintre_.drawImage(QPoint(x, y), imageQt->qimage());
    else if (const auto* calque = dynamic_cast<const CalqueQt*>(&image))
        peintre_.drawImage(QPoint(x, y), calque->qimage());
}

std::unique_ptr<Calque> CanevasQt::creerCalque(int largeur, int hauteur)
{
    const QPaintDevice* support = peintre_.device();
    return std::make_unique<CalqueQt>(largeur, hauteur,
                                      support ? support->devicePixelRatioF() : 1.0);
}

void CanevasQt::StretchDraw(const TRect& r, const Image& image)
{
    if (const auto* imageQt = dynamic_cast<const ImageQt*>(&image))
        peintre_.drawImage(rectangleQt(r), imageQt->qimage());
}
