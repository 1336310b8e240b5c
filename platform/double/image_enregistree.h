#pragma once
// A picture with a size and no pixels, for tests that draw pictures on a recording canvas.

#include "platform/image.h"

class ImageEnregistree final : public Image {
public:
    ImageEnregistree(int largeur, int hauteur) : largeur_(largeur), hauteur_(hauteur) {}
    int Width() const override { return largeur_; }
    int Height() const override { return hauteur_; }

private:
    int largeur_;
    int hauteur_;
};
