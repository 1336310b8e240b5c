#pragma once
// A layer held as a QImage with an alpha channel, transparent until painted.

#include <QImage>

#include "platform/calque.h"

class CalqueQt final : public Calque {
public:
    CalqueQt(int largeur, int hauteur);
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void peindre(const Canevas& etat, const std::function<void(Canevas&)>& peinture) override;
    const QImage& qimage() const { return image_; }

private:
    QImage image_;
};
