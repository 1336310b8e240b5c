#pragma once
// A picture held as a QImage.

#include <QImage>

#include "platform/image.h"

class ImageQt final : public Image {
public:
    explicit ImageQt(QImage image) : image_(std::move(image)) {}
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    const QImage& qimage() const { return image_; }

private:
    QImage image_;
};
