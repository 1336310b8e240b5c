#include "platform/qt/calque_qt.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/qt/canevas_qt.h"

CalqueQt::CalqueQt(int largeur, int hauteur, qreal pixelsParPixel)
    : largeur_(largeur), hauteur_(hauteur),
      image_(std::max(1, static_cast<int>(std::ceil(largeur * pixelsParPixel))),
             std::max(1, static_cast<int>(std::ceil(hauteur * pixelsParPixel))),
             QImage::Format_ARGB32_Premultiplied)
{
    image_.setDevicePixelRatio(pixelsParPixel);
    image_.fill(Qt::transparent);
}

void CalqueQt::peindre(const Canevas& etat, const std::function<void(Canevas&)>& peinture)
{
    QPainter peintre(&image_);
    CanevasQt canevas(peintre);
    copierEtat(etat, canevas);
    peinture(canevas);
}
