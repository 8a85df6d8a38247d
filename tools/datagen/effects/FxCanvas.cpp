#include "FxCanvas.h"

#include <cmath>
#include <stdexcept>

TFxCanvas::TFxCanvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing surface");
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

TFxCanvas::~TFxCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::vector<uint8_t> TFxCanvas::Rgba() const {
    cairo_surface_flush(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const uint8_t* data = cairo_image_surface_get_data(surface_);
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 4);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = row[x], a = p >> 24;
            uint8_t* o = &out[(static_cast<size_t>(y) * width_ + x) * 4];
            const auto straight = [a](uint32_t c) {
                return static_cast<uint8_t>(a == 0 ? 0 : std::min(255u, (c * 255 + a / 2) / a));
            };
            o[0] = straight((p >> 16) & 0xFF);
            o[1] = straight((p >> 8) & 0xFF);
            o[2] = straight(p & 0xFF);
            o[3] = static_cast<uint8_t>(a);
        }
    }
    FillClearPixels(width_, height_, out);
    return out;
}

// Pictures ship as a JPEG of their colour and a mask: clear pixels take the colour of their
// visible neighbours, so the JPEG has no dark edge to smear into the faint rims of the glows.
void FillClearPixels(int width, int height, std::vector<uint8_t>& rgba) {
    const auto at = [&](int x, int y) { return (static_cast<size_t>(y) * width + x) * 4; };
    std::vector<uint8_t> known(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < known.size(); ++i)
        known[i] = rgba[i * 4 + 3] > 0;
    for (int pass = 0; pass < 8; ++pass) {
        std::vector<uint8_t> next = known;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (known[static_cast<size_t>(y) * width + x]) continue;
                int sum[3] = {0, 0, 0}, n = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= width || ny >= height ||
                            !known[static_cast<size_t>(ny) * width + nx])
                            continue;
                        for (int c = 0; c < 3; ++c)
                            sum[c] += rgba[at(nx, ny) + c];
                        ++n;
                    }
                if (n == 0) continue;
                for (int c = 0; c < 3; ++c)
                    rgba[at(x, y) + c] = static_cast<uint8_t>(sum[c] / n);
                next[static_cast<size_t>(y) * width + x] = 1;
            }
        known.swap(next);
    }
}

void FxGlow(cairo_t* cr, double x, double y, double radius, TFxColour c, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(g, 0.0, c.R, c.G, c.B, alpha);
    cairo_pattern_add_color_stop_rgba(g, 0.35, c.R, c.G, c.B, alpha * 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1.0, c.R, c.G, c.B, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void FxGlint(cairo_t* cr, double x, double y, double len, double width, double angle, TFxColour c,
             double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    for (int k = 0; k < 2; ++k) {
        cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, len);
        cairo_pattern_add_color_stop_rgba(g, 0, c.R, c.G, c.B, alpha);
        cairo_pattern_add_color_stop_rgba(g, 1, c.R, c.G, c.B, 0);
        cairo_set_source(cr, g);
        cairo_move_to(cr, -len, 0);
        cairo_line_to(cr, 0, -width / 2);
        cairo_line_to(cr, len, 0);
        cairo_line_to(cr, 0, width / 2);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_rotate(cr, M_PI / 2);
    }
    cairo_restore(cr);
}
