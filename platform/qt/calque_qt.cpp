#include "platform/qt/calque_qt.h"

#include <QPainter>
#include <algorithm>

#include "platform/qt/canevas_qt.h"

CalqueQt::CalqueQt(int largeur, int hauteur, bool transparent)
    : image_(std::max(largeur, 1), std::max(hauteur, 1),
             transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
{
    image_.fill(transparent ? Qt::transparent : Qt::white);
}

void CalqueQt::peindre(const Canevas& etat, const std::function<void(Canevas&)>& peinture)
{
    QPainter peintre(&image_);
    CanevasQt canevas(peintre);
    copierEtat(etat, canevas);
    peinture(canevas);
}
