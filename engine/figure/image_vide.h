#pragma once
// The picture of a picture object whose file could not be loaded: no pixels, nothing to draw.

#include "platform/image.h"

class ImageVide final : public Image {
public:
    int Width() const override { return 0; }
    int Height() const override { return 0; }
};
