#pragma once
// A picture the program paints once and then draws many times on a canvas of the same kind, as
// the still parts of a figure are kept for the length of a drag. A layer starts with no pixel, so
// that what lies under it shows where it was not painted.

#include <functional>

#include "platform/canevas.h"
#include "platform/image.h"

class Calque : public Image {
public:
    // Paints into the layer with a canvas that starts in the drawing state of `etat` (pen, brush,
    // font, text background).
    virtual void peindre(const Canevas& etat, const std::function<void(Canevas&)>& peinture) = 0;
};
