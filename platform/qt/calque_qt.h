#pragma once
// A layer held as a QImage with an alpha channel, transparent until painted.

#include <QImage>

#include "platform/calque.h"

class CalqueQt final : public Calque {
public:
    // The size in pixels of the program; the picture has as many more as the screen's pixels
    // per pixel, like the paint box it is drawn on.
    CalqueQt(int largeur, int hauteur, qreal pixelsParPixel);
    int Width() const override { return largeur_; }
    int Height() const override { return hauteur_; }
    void peindre(const Canevas& etat, const std::function<void(Canevas&)>& peinture) override;
    const QImage& qimage() const { return image_; }

private:
    int largeur_, hauteur_;
    QImage image_;
};
