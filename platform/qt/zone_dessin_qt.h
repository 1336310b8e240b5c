#pragma once
// A paint box on a QWidget: its paint event paints through OnPaint on a CanevasQt, its mouse
// events reach OnMouseDown, OnMouseMove and OnMouseUp in pixels of the box.

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>

#include "platform/qt/canevas_qt.h"
#include "platform/qt/controle_qt.h"

class ZoneDessinQt final : public ControleQt<ZoneDessin, QWidget> {
public:
    explicit ZoneDessinQt(QWidget* parent = nullptr);
    ~ZoneDessinQt() override;

    // The box fills no background: its colour is the brush a paint starts with.
    TColor Color() const override { return couleur_; }
    void setColor(TColor c) override;
    Canevas& canvas() override;
    int Cursor() const override { return curseur_; }
    void setCursor(int curseur) override;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    TColor couleur_;
    int curseur_ = crDefault;
    // Outside a paint the canvas draws on a scratch image; it also keeps the drawing state from
    // one paint to the next.
    QImage brouillon_;
    QPainter peintreBrouillon_;
    std::unique_ptr<CanevasQt> canevasBrouillon_;
    CanevasQt* canevasPeinture_ = nullptr;
};
