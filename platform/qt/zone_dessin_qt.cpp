#include "platform/qt/zone_dessin_qt.h"

#include <QMouseEvent>
#include <cmath>
#include <optional>

namespace {

std::optional<BoutonSouris> boutonSouris(Qt::MouseButton bouton)
{
    switch (bouton) {
    case Qt::LeftButton: return BoutonSouris::gauche;
    case Qt::RightButton: return BoutonSouris::droit;
    case Qt::MiddleButton: return BoutonSouris::milieu;
    default: return std::nullopt;
    }
}

QPoint pixel(const QMouseEvent* evenement)
{
    const QPointF p = evenement->position();
    return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

// The toolkit's cursor numbers the program uses; any other number shows the arrow.
Qt::CursorShape formeCurseur(int curseur)
{
    struct Correspondance {
        int curseur;
        Qt::CursorShape forme;
    };
    static constexpr Correspondance table[] = {{crDefault, Qt::ArrowCursor},
                                               {crCross, Qt::CrossCursor},
                                               {crSizeNS, Qt::SizeVerCursor},
                                               {crHandPoint, Qt::PointingHandCursor}};
    for (const Correspondance& c : table)
        if (c.curseur == curseur) return c.forme;
    return Qt::ArrowCursor;
}

}  // namespace

ZoneDessinQt::ZoneDessinQt(QWidget* parent)
    : ControleQt(parent),
      couleur_(depuisQColor(palette().color(QPalette::Window))),
      brouillon_(1, 1, QImage::Format_ARGB32_Premultiplied)
{
    peintreBrouillon_.begin(&brouillon_);
    canevasBrouillon_ = std::make_unique<CanevasQt>(peintreBrouillon_);
    setMouseTracking(true);
}

ZoneDessinQt::~ZoneDessinQt()
{
    canevasBrouillon_.reset();
    peintreBrouillon_.end();
}

void ZoneDessinQt::setColor(TColor c)
{
    couleur_ = c;
    update();
}

Canevas& ZoneDessinQt::canvas()
{
    return canevasPeinture_ ? static_cast<Canevas&>(*canevasPeinture_) : *canevasBrouillon_;
}

void ZoneDessinQt::setCursor(int curseur)
{
    curseur_ = curseur;
    QWidget::setCursor(formeCurseur(curseur));
}

void ZoneDessinQt::paintEvent(QPaintEvent*)
{
    if (!OnPaint) return;
    QPainter peintre(this);
    CanevasQt canevas(peintre);
    Canevas& etat = *canevasBrouillon_;
    canevas.Pen = etat.Pen;
    canevas.Brush = TBrush{couleur_, etat.Brush.Style};
    canevas.FondTransparent = etat.FondTransparent;

    // The state goes back to the scratch canvas even if the painter stops half-way.
    struct FinPeinture {
        ZoneDessinQt& zone;
        CanevasQt& canevas;
        ~FinPeinture()
        {
            Canevas& e = *zone.canevasBrouillon_;
            e.Pen = canevas.Pen;
            e.Brush = canevas.Brush;
            e.Font = canevas.Font;
            e.FondTransparent = canevas.FondTransparent;
            zone.canevasPeinture_ = nullptr;
        }
    } fin{*this, canevas};
    canevasPeinture_ = &canevas;
    OnPaint();
}

void ZoneDessinQt::mousePressEvent(QMouseEvent* evenement)
{
    const std::optional<BoutonSouris> bouton = boutonSouris(evenement->button());
    const QPoint p = pixel(evenement);
    if (bouton && OnMouseDown) OnMouseDown(*bouton, p.x(), p.y());
}

void ZoneDessinQt::mouseMoveEvent(QMouseEvent* evenement)
{
    const QPoint p = pixel(evenement);
    if (OnMouseMove) OnMouseMove(p.x(), p.y());
}

void ZoneDessinQt::mouseReleaseEvent(QMouseEvent* evenement)
{
    const std::optional<BoutonSouris> bouton = boutonSouris(evenement->button());
    const QPoint p = pixel(evenement);
    if (bouton && OnMouseUp) OnMouseUp(*bouton, p.x(), p.y());
}
