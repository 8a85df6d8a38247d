#include "graphics/Image.h"

TImage TImage::Blank(int width, int height) {
    TImage image;
    if (width <= 0 || height <= 0) return image;
    image.Width = width;
    image.Height = height;
    image.Bgr.assign(image.PixelCount() * 3, 0);
    return image;
}

void TImage::EnsureAlpha(uint8_t value) {
    if (HasAlpha) return;
    Alpha.assign(PixelCount(), value);
    HasAlpha = true;
}
