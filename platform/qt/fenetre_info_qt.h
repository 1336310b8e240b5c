#pragma once
// The note window on Qt: a frameless top-level widget painted through the program's canvas.

#include <QPointer>
#include <QWidget>

#include "platform/fenetre_info.h"

class FenetreInfoQt;

// The widget itself. It outlives its owner by a little: freed later by the event loop, so that
// an owner freed from within one of the widget's own events never pulls it from under Qt.
class WidgetInfoQt final : public QWidget {
public:
    explicit WidgetInfoQt(FenetreInfoQt& proprietaire);
    // The owner is gone: paints and requests go nowhere.
    void oublierProprietaire() { proprietaire_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    // Escape closes the window as a click does.
    void keyPressEvent(QKeyEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    // A close asked by the system goes the program's way, so that it forgets the window.
    void closeEvent(QCloseEvent* evenement) override;

private:
    // Queued to the widget: dropped with it when it is freed first.
    void demanderFermeture();

    FenetreInfoQt* proprietaire_;
};

class FenetreInfoQt final : public FenetreInfo {
public:
    FenetreInfoQt();
    ~FenetreInfoQt() override;
    FenetreInfoQt(const FenetreInfoQt&) = delete;
    FenetreInfoQt& operator=(const FenetreInfoQt&) = delete;

    void setClientSize(int largeur, int hauteur) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void setPosition(int gauche, int haut) override;
    int Left() const override;
    int Top() const override;
    TColor Color() const override { return couleur_; }
    void setColor(TColor c) override;
    void Show() override;
    bool Visible() const override;
    void Repaint() override;

    QWidget& widget() { return *widget_; }

private:
    QPointer<WidgetInfoQt> widget_;
    TColor couleur_ = 0xFFFFFF;
};
