#include "platform/qt/calque_qt.h"

#include <QPainter>
#include <algorithm>

#include "platform/qt/canevas_qt.h"

CalqueQt::CalqueQt(int largeur, int hauteur)
    : image_(std::max(largeur, 1), std::max(hauteur, 1), QImage::Format_ARGB32_Premultiplied)
{
    image_.fill(Qt::transparent);
}

void CalqueQt::peindre(const Canevas& etat, const std::function<void(Canevas&)>& peinture)
{
    QPainter peintre(&image_);
    CanevasQt canevas(peintre);
    copierEtat(etat, canevas);
    peinture(canevas);
}
