#pragma once
// A decoded picture, ready to be drawn on a canvas.

class Image {
public:
    virtual ~Image() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};
