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

bool ImageSizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide &&
           width * height <= MaxImagePixels;
}

std::string ImageSizeRefusal(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height) +
           " pixels is larger than a picture may be (" + std::to_string(MaxImageSide) +
           " a side, " + std::to_string(MaxImagePixels) + " pixels in all)";
}
