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
    BleedIntoTransparency(width_, height_, out);
    return out;
}

void BleedIntoTransparency(int width, int height, std::vector<uint8_t>& rgba) {
    // Grow the colours of visible pixels outwards a few pixels, so the JPEG that stores the
    // colour has no hard edge (and no ringing) where the mask fades out.
    std::vector<uint8_t> known(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < known.size(); ++i)
        known[i] = rgba[i * 4 + 3] > 0;
    for (int pass = 0; pass < 6; ++pass) {
        std::vector<uint8_t> next = known;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const size_t i = static_cast<size_t>(y) * width + x;
                if (known[i]) continue;
                int sum[3] = {0, 0, 0}, n = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
                        const size_t j = static_cast<size_t>(ny) * width + nx;
                        if (!known[j]) continue;
                        for (int c = 0; c < 3; ++c)
                            sum[c] += rgba[j * 4 + c];
                        ++n;
                    }
                if (n == 0) continue;
                for (int c = 0; c < 3; ++c)
                    rgba[i * 4 + c] = static_cast<uint8_t>(sum[c] / n);
                next[i] = 1;
            }
        known.swap(next);
    }
}
