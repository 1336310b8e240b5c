#include "platform/qt/fenetre_info_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/canevas_qt.h"
#include "platform/qt/couleur_qt.h"

WidgetInfoQt::WidgetInfoQt(FenetreInfoQt& proprietaire)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), proprietaire_(&proprietaire)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void WidgetInfoQt::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    if (!proprietaire_) return;
    peintre.fillRect(rect(), versQColor(proprietaire_->Color()));
    CanevasQt canevas(peintre);
    canevas.Brush.Color = proprietaire_->Color();
    if (proprietaire_->OnPaint) proprietaire_->OnPaint(canevas);
}

void WidgetInfoQt::mousePressEvent(QMouseEvent*) { demanderFermeture(); }

void WidgetInfoQt::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Escape)
        demanderFermeture();
    else
        QWidget::keyPressEvent(evenement);
}

void WidgetInfoQt::changeEvent(QEvent* evenement)
{
    QWidget::changeEvent(evenement);
    if (evenement->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        demanderFermeture();
}

void WidgetInfoQt::closeEvent(QCloseEvent* evenement)
{
    evenement->ignore();
    demanderFermeture();
}

void WidgetInfoQt::demanderFermeture()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!proprietaire_ || !proprietaire_->OnFermer) return;
            // The handler may free the owner, and the handler with it: it runs from a copy.
            const Evenement<> fermer = proprietaire_->OnFermer;
            fermer();
        },
        Qt::QueuedConnection);
}

FenetreInfoQt::FenetreInfoQt() : widget_(new WidgetInfoQt(*this)) {}

FenetreInfoQt::~FenetreInfoQt()
{
    if (!widget_) return;
    widget_->oublierProprietaire();
    widget_->hide();
    // Freed by the event loop that runs, but never by a message box's own loop, which this window
    // closing as the box takes the focus would otherwise run it in: freed once the box is gone.
    if (QWidget* boite = QApplication::activeModalWidget())
        QObject::connect(boite, &QObject::destroyed, widget_, &QObject::deleteLater);
    else
        widget_->deleteLater();
}

void FenetreInfoQt::setClientSize(int largeur, int hauteur)
{
    widget_->setFixedSize(std::max(largeur, 1), std::max(hauteur, 1));
}

int FenetreInfoQt::ClientWidth() const { return widget_->width(); }
int FenetreInfoQt::ClientHeight() const { return widget_->height(); }
void FenetreInfoQt::setPosition(int gauche, int haut) { widget_->move(gauche, haut); }
int FenetreInfoQt::Left() const { return widget_->x(); }
int FenetreInfoQt::Top() const { return widget_->y(); }

void FenetreInfoQt::setColor(TColor c)
{
    couleur_ = c;
    widget_->update();
}

void FenetreInfoQt::Show()
{
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

bool FenetreInfoQt::Visible() const { return !widget_->isHidden(); }
void FenetreInfoQt::Repaint() { widget_->update(); }
