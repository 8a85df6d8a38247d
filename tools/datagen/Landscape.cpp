#include "Landscape.h"

#include <algorithm>
#include <cmath>

namespace Landscape {

void Sky(cairo_t* cr, double x, double y, double w, double h, double horizonY) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    const double t = std::clamp((horizonY - y) / h, 0.05, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 0, Palette::DuskHigh.R, Palette::DuskHigh.G,
                                     Palette::DuskHigh.B);
    cairo_pattern_add_color_stop_rgb(p, t * 0.6, Palette::DuskMid.R, Palette::DuskMid.G,
                                     Palette::DuskMid.B);
    cairo_pattern_add_color_stop_rgb(p, t, Palette::DuskLow.R, Palette::DuskLow.G,
                                     Palette::DuskLow.B);
    cairo_pattern_add_color_stop_rgb(p, std::min(1.0, t + 0.12), 0.35, 0.22, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 1, Palette::Night.R, Palette::Night.G, Palette::Night.B);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Hills(cairo_t* cr, double x, double y, double w, double bottom, double amp, uint32_t seed,
           const TColor& c) {
    cairo_move_to(cr, x, bottom);
    for (double px = x; px <= x + w + 4; px += 4)
        cairo_line_to(cr, px, y + (Fbm(px / 140.0, 0.5, seed, 3) - 0.5) * 2 * amp);
    cairo_line_to(cr, x + w + 4, bottom);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

void Fir(cairo_t* cr, double x, double base, double h, const TColor& c, uint32_t seed) {
    const int tiers = 5 + static_cast<int>(Hash01(seed, 1) * 3);
    const double trunkW = h * 0.05;
    cairo_rectangle(cr, x - trunkW / 2, base - h * 0.15, trunkW, h * 0.15);
    for (int i = 0; i < tiers; ++i) {
        const double t = i / double(tiers);
        const double top = base - h * (0.12 + 0.88 * (t + 1.0 / tiers));
        const double bot = base - h * (0.08 + 0.88 * t);
        const double half = h * 0.24 * (1 - t * 0.8) * (0.9 + Hash01(seed, i, 2) * 0.2);
        cairo_move_to(cr, x, top);
        cairo_curve_to(cr, x + half * 0.3, top + (bot - top) * 0.5, x + half * 0.8, bot - 2,
                       x + half, bot);
        cairo_line_to(cr, x - half, bot);
        cairo_curve_to(cr, x - half * 0.8, bot - 2, x - half * 0.3, top + (bot - top) * 0.5, x,
                       top);
        cairo_close_path(cr);
    }
    SetColor(cr, c);
    cairo_fill(cr);
}

void Broadleaf(cairo_t* cr, double x, double base, double h, const TColor& c, uint32_t seed) {
    const double trunkW = h * 0.045;
    cairo_move_to(cr, x - trunkW * 1.6, base);
    cairo_curve_to(cr, x - trunkW * 0.6, base - h * 0.2, x - trunkW * 0.7, base - h * 0.4, x,
                   base - h * 0.62);
    cairo_curve_to(cr, x + trunkW * 0.7, base - h * 0.4, x + trunkW * 0.6, base - h * 0.2,
                   x + trunkW * 1.6, base);
    cairo_close_path(cr);
    // boughs reaching into the crown
    for (int i = 0; i < 4; ++i) {
        const double side = i % 2 ? 1 : -1;
        const double y0 = base - h * (0.35 + i * 0.08);
        cairo_move_to(cr, x, y0);
        cairo_curve_to(cr, x + side * h * 0.08, y0 - h * 0.05, x + side * h * 0.15, y0 - h * 0.1,
                       x + side * h * (0.2 + Hash01(seed, i, 4) * 0.08), y0 - h * 0.2);
        cairo_line_to(cr, x + side * h * 0.02, y0 - h * 0.02);
        cairo_close_path(cr);
    }
    // a ragged crown of many small clumps
    const int clumps = 22;
    for (int i = 0; i < clumps; ++i) {
        const double a = Hash01(seed, i, 5) * 2 * M_PI;
        const double d = std::sqrt(Hash01(seed, i, 6));
        const double bx = x + std::cos(a) * d * h * 0.27;
        const double by = base - h * 0.66 + std::sin(a) * d * h * 0.22;
        const double r = h * (0.05 + Hash01(seed, i, 7) * 0.06) * (1.2 - d * 0.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    }
    SetColor(cr, c);
    cairo_fill(cr);
}

void TreeLine(cairo_t* cr, double x, double w, double base, double minH, double maxH, uint32_t seed,
              const TColor& c, bool firs) {
    double px = x - 10;
    int i = 0;
    while (px < x + w + 20) {
        const double h = minH + (maxH - minH) * Hash01(seed, i, 9);
        const double b = base + Hash01(seed, i, 10) * 6;
        if (firs)
            Fir(cr, px, b, h, c, seed * 31 + i);
        else
            Broadleaf(cr, px, b, h, c, seed * 31 + i);
        px += h * (firs ? 0.28 : 0.36) + Hash01(seed, i, 11) * h * 0.2;
        ++i;
    }
    cairo_rectangle(cr, x - 10, base + 4, w + 20, 400);
    SetColor(cr, c);
    cairo_fill(cr);
}

void Fireflies(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed) {
    for (int i = 0; i < count; ++i) {
        const double px = x + Hash01(seed, i, 21) * w, py = y + Hash01(seed, i, 22) * h;
        const double r = 2.5 + Hash01(seed, i, 23) * 4;
        Glow(cr, px, py, r * 2.2, {1.0, 0.9, 0.45}, 0.35);
        Glow(cr, px, py, r * 0.6, {1.0, 1.0, 0.8}, 0.95);
    }
}

namespace {

void BlobPath(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed,
              double rough) {
    const int n = 48;
    for (int i = 0; i <= n; ++i) {
        const double a = i / double(n) * 2 * M_PI;
        const double k =
            1 + (Noise(std::cos(a) * 1.6 + 5, std::sin(a) * 1.6 + 5, seed) - 0.5) * rough;
        const double px = cx + std::cos(a) * rx * k, py = cy + std::sin(a) * ry * k;
        if (i == 0)
            cairo_move_to(cr, px, py);
        else
            cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
}

} // namespace

void Boulder(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
    const double cx = x + w / 2, cy = y + h * 0.55;
    cairo_save(cr);
    cairo_new_path(cr);
    BlobPath(cr, cx, cy + h * 0.05, w * 0.5, h * 0.44, seed, 0.35);
    SetColor(cr, Palette::Night, 0.35);
    cairo_fill(cr);
    BlobPath(cr, cx, cy, w * 0.47, h * 0.42, seed, 0.35);
    FillMaterial(cr, TMaterial::Stone, seed, 1.6);
    cairo_clip_preserve(cr);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(cx - w * 0.1, cy - h * 0.25, 1, cx, cy, w * 0.6);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.85, 0.6, 0.25);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.45);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    MossTufts(cr, x, y, w, h * 0.45, static_cast<int>(w * h / 90), seed + 3);
    // cracks
    for (int i = 0; i < 3; ++i) {
        double px = x + w * (0.25 + Hash01(seed, i, 31) * 0.5), py = y + h * 0.3;
        cairo_move_to(cr, px, py);
        for (int k = 0; k < 3; ++k) {
            px += (Hash01(seed, i * 9 + k, 32) - 0.5) * 10;
            py += h * 0.06;
            cairo_line_to(cr, px, py);
        }
        SetColor(cr, Palette::StoneDeep, 0.3);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Stump(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
    const double cx = x + w / 2, top = y + h * 0.22, base = y + h * 0.95;
    const double half = w * 0.33;
    cairo_save(cr);
    // roots
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 2; ++k) {
            const double ex = cx + side * (half + w * (0.1 + 0.08 * k));
            cairo_move_to(cr, cx + side * half * 0.5, base - h * 0.25);
            cairo_curve_to(cr, cx + side * half, base - h * 0.15, ex - side * 6, base - 6, ex,
                           base - k * 4);
        }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, w * 0.1);
    SetColor(cr, Palette::BarkDark);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, w * 0.06);
    SetColor(cr, Palette::Bark);
    cairo_stroke(cr);
    // trunk
    cairo_move_to(cr, cx - half, top);
    cairo_curve_to(cr, cx - half * 1.05, top + h * 0.3, cx - half * 1.2, base - h * 0.2,
                   cx - half * 1.35, base);
    cairo_line_to(cr, cx + half * 1.35, base);
    cairo_curve_to(cr, cx + half * 1.2, base - h * 0.2, cx + half * 1.05, top + h * 0.3, cx + half,
                   top);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::Bark, seed, 1.2);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - half * 1.3, 0, cx + half * 1.3, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0.55);
    cairo_pattern_add_color_stop_rgba(p, 0.4, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.5);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    MossTufts(cr, x, top + h * 0.35, w, h * 0.4, 14, seed + 1);
    cairo_restore(cr);
    cairo_new_path(cr);
    // the cut face with its rings
    cairo_save(cr);
    cairo_translate(cr, cx, top);
    cairo_scale(cr, half, h * 0.09);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, Palette::BarkLight.Mix(Palette::Parchment, 0.3));
    cairo_fill_preserve(cr);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int r = 1; r <= 4; ++r) {
        cairo_save(cr);
        cairo_translate(cr, cx, top);
        cairo_scale(cr, half * r / 5.0, h * 0.09 * r / 5.0);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, Palette::Bark, 0.7);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    DrawLeaf(cr, cx + half * 0.6, top + h * 0.25, -0.6, 12, Palette::Leaf);
    DrawLeaf(cr, cx + half * 0.6, top + h * 0.25, -1.6, 10, Palette::Leaf);
    cairo_restore(cr);
}

void Brambles(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const int stems = static_cast<int>(w / 9);
    for (int layer = 0; layer < 2; ++layer)
        for (int i = 0; i < stems; ++i) {
            const double sx = x + Hash01(seed, i, 41) * w, sy = y + h;
            const double ex = x + Hash01(seed, i, 42) * w, ey = y + h * Hash01(seed, i, 43) * 0.4;
            const double mx = x + Hash01(seed, i, 44) * w, my = y + h * 0.5;
            cairo_move_to(cr, sx, sy);
            cairo_curve_to(cr, mx, my + 20, mx, my - 20, ex, ey + 6);
            cairo_set_line_width(cr, layer == 0 ? 5 : 2.5);
            SetColor(cr, layer == 0 ? Palette::BarkDark : TColor{0.42, 0.20, 0.22});
            cairo_stroke(cr);
            if (layer == 1)
                for (int t = 1; t < 6; ++t) {
                    const double u = t / 6.0, v = 1 - u;
                    const double px =
                        v * v * v * sx + 3 * v * v * u * mx + 3 * v * u * u * mx + u * u * u * ex;
                    const double py = v * v * v * sy + 3 * v * v * u * (my + 20) +
                                      3 * v * u * u * (my - 20) + u * u * u * (ey + 6);
                    const double a = Hash01(seed, i * 8 + t, 45) * 2 * M_PI;
                    cairo_move_to(cr, px, py);
                    cairo_line_to(cr, px + std::cos(a) * 5, py + std::sin(a) * 5);
                    SetColor(cr, Palette::Parchment.Mix(Palette::Bark, 0.5));
                    cairo_set_line_width(cr, 1.1);
                    cairo_stroke(cr);
                    if (Hash01(seed, i * 8 + t, 46) > 0.7)
                        DrawLeaf(cr, px, py, a, 8, Palette::Leaf.Mix(Palette::MossDark, 0.3));
                    if (Hash01(seed, i * 8 + t, 47) > 0.85) {
                        cairo_arc(cr, px + 2, py + 2, 2.4, 0, 2 * M_PI);
                        SetColor(cr, {0.35, 0.10, 0.30});
                        cairo_fill(cr);
                    }
                }
        }
    cairo_restore(cr);
}

void Mist(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, double alpha) {
    for (int i = 0; i < 6; ++i) {
        const double cy = y + h * Hash01(seed, i, 51);
        const double cx = x + w * Hash01(seed, i, 52);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, w * 0.45, h * 0.12 + 6);
        cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.85, 0.78, 0.85, alpha);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.85, 0.78, 0.85, 0);
        cairo_set_source(cr, p);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
}

} // namespace Landscape
