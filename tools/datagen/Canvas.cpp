#include "Canvas.h"

#include <stdexcept>

TCanvas::TCanvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing surface");
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

TCanvas::~TCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::vector<uint8_t> TCanvas::Rgba() const {
    cairo_surface_flush(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const uint8_t* data = cairo_image_surface_get_data(surface_);
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 4);
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            uint8_t* o = &out[(static_cast<size_t>(y) * width_ + x) * 4];
            auto unpremultiply = [a](uint32_t c) {
                return static_cast<uint8_t>(a == 0 ? 0 : (c * 255 + a / 2) / a);
            };
            o[0] = unpremultiply((p >> 16) & 0xFF);
            o[1] = unpremultiply((p >> 8) & 0xFF);
            o[2] = unpremultiply(p & 0xFF);
            o[3] = static_cast<uint8_t>(a);
        }
    }
    return out;
}

void TCanvas::WhitenKeepingAlpha() {
    cairo_surface_flush(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    uint8_t* data = cairo_image_surface_get_data(surface_);
    for (int y = 0; y < height_; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            const uint32_t a = row[x] >> 24;
            row[x] = (a << 24) | (a << 16) | (a << 8) | a;
        }
    }
    cairo_surface_mark_dirty(surface_);
}
