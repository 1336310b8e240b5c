#pragma once
// The note window as a plain object for tests. Its close requests wait in one queue, as posted
// messages do, until the test lets the queue run; a window freed before then drops its own.

#include "platform/double/canevas_enregistre.h"
#include "platform/fenetre_info.h"

class FenetreInfoEnregistree final : public FenetreInfo {
public:
    FenetreInfoEnregistree() = default;
    FenetreInfoEnregistree(const FenetreInfoEnregistree&) = delete;
    FenetreInfoEnregistree& operator=(const FenetreInfoEnregistree&) = delete;
    ~FenetreInfoEnregistree() override;

    void setClientSize(int largeur, int hauteur) override;
    int ClientWidth() const override { return largeur_; }
    int ClientHeight() const override { return hauteur_; }
    void setPosition(int gauche, int haut) override;
    int Left() const override { return gauche_; }
    int Top() const override { return haut_; }
    TColor Color() const override { return couleur_; }
    void setColor(TColor c) override { couleur_ = c; }
    void Show() override { visible_ = true; }
    bool Visible() const override { return visible_; }
    void Repaint() override { ++nbRepaint; }

    // Paints once on a fresh recording canvas.
    void peindre();
    CanevasEnregistre& canevas() { return canevas_; }
    // The pupil clicks in the window, or the window loses the focus: a request is queued.
    void cliquer();
    void perdreFocus();

    int nbRepaint = 0;

private:
    CanevasEnregistre canevas_;
    int largeur_ = 0, hauteur_ = 0;
    int gauche_ = 0, haut_ = 0;
    TColor couleur_ = 0xFFFFFF;
    bool visible_ = false;
};

// Runs the queued close requests in their order, those queued meanwhile included; the number run.
int traiterFermeturesEnAttente();
