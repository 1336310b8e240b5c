#pragma once
// A layer for tests: it records what is painted into it on its own recording canvas.

#include "platform/calque.h"
#include "platform/double/canevas_enregistre.h"

class CalqueEnregistre final : public Calque {
public:
    CalqueEnregistre(int largeur, int hauteur) : largeur_(largeur), hauteur_(hauteur) {}
    int Width() const override { return largeur_; }
    int Height() const override { return hauteur_; }
    void peindre(const Canevas& etat, const std::function<void(Canevas&)>& peinture) override
    {
        copierEtat(etat, canevas);
        peinture(canevas);
    }

    // Every call painted into the layer.
    CanevasEnregistre canevas;

private:
    int largeur_, hauteur_;
};
