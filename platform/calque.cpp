#include "platform/calque.h"

#include <memory>

std::unique_ptr<Calque> Canevas::creerCalque(int, int)
{
    return nullptr;
}

void copierEtat(const Canevas& source, Canevas& cible)
{
    cible.Pen = source.Pen;
    cible.Brush = source.Brush;
    cible.Font = source.Font;
    cible.FondTransparent = source.FondTransparent;
}
