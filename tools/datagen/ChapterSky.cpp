// The far layers of each chapter: the sky (z 400, scrolled at a fifth of the board, so it is
// tall: open sky above, the horizon and its glow low down) and a drifting cloud (z 300).
#include <algorithm>
#include <cmath>
#include <vector>

#include "Canvas.h"
#include "ChapterLook.h"
#include "Landscape.h"

namespace {

constexpr int SkyW = 598, SkyH = 1100;
constexpr double Horizon = 820;

void SkyGradient(cairo_t* cr, const TChapterLook& look) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, Horizon + 40);
    auto stop = [p](double at, const TColor& c) {
        cairo_pattern_add_color_stop_rgb(p, at, c.R, c.G, c.B);
    };
    stop(0, look.SkyTop);
    stop(0.35, look.SkyTop.Mix(look.SkyMid, 0.35));
    stop(0.72, look.SkyMid);
    stop(0.97, look.SkyLow);
    stop(1, look.SkyLow.Mix(look.Sun, 0.3));
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

// A ridge line: y for every x, rolling (sharp = 0) or craggy peaks (sharp = 1).
double RidgeY(double x, double base, double amp, double scale, uint32_t seed, double sharp) {
    const double n = Fbm(x / scale, 0.5, seed, 4);
    double peaks = 0, a = 1, norm = 0, f = 1;
    for (int i = 0; i < 4; ++i) {
        peaks += a * (1 - std::abs(2 * Noise(x * f / (scale * 0.8), 1.5 + i, seed + 9 + i) - 1));
        norm += a;
        a *= 0.45;
        f *= 2.3;
    }
    peaks /= norm;
    return base - amp * ((1 - sharp) * (n - 0.5) * 2 + sharp * (peaks * 1.6 - 0.6));
}

void RidgePath(cairo_t* cr, double base, double amp, double scale, uint32_t seed, double sharp) {
    cairo_move_to(cr, -4, SkyH);
    for (double x = -4; x <= SkyW + 4; x += 3)
        cairo_line_to(cr, x, RidgeY(x, base, amp, scale, seed, sharp));
    cairo_line_to(cr, SkyW + 4, SkyH);
    cairo_close_path(cr);
}

// Snow on the high parts of a ridge: deep on the peaks, none below the snow line.
void SnowOnPeaks(cairo_t* cr, double base, double amp, double scale, uint32_t seed, double sharp,
                 double depth) {
    const double line = base - amp * 0.35;
    std::vector<double> under;
    cairo_move_to(cr, -4, RidgeY(-4, base, amp, scale, seed, sharp));
    for (double x = -4; x <= SkyW + 4; x += 3) {
        const double y = RidgeY(x, base, amp, scale, seed, sharp);
        cairo_line_to(cr, x, y);
        const double d = std::min(depth * 1.6, std::max(0.0, line - y) * depth / 50);
        under.push_back(y + d * (0.6 + 0.8 * Noise(x / 9, 3.5, seed + 31)));
    }
    for (int i = static_cast<int>(under.size()) - 1; i >= 0; --i)
        cairo_line_to(cr, -4 + i * 3, under[i]);
    cairo_close_path(cr);
    SetColor(cr, {0.88, 0.91, 0.98}, 0.9);
    cairo_fill(cr);
}

// Land seen against the sky, paler towards the horizon.
void Range(cairo_t* cr, double base, double amp, double scale, uint32_t seed, double sharp,
           const TColor& c, const TColor& haze, double snow) {
    RidgePath(cr, base, amp, scale, seed, sharp);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, base - amp, 0, base + 200);
    cairo_pattern_add_color_stop_rgb(p, 0, haze.R, haze.G, haze.B);
    cairo_pattern_add_color_stop_rgb(p, 0.35, c.R, c.G, c.B);
    cairo_pattern_add_color_stop_rgb(p, 1, c.R * 0.8, c.G * 0.8, c.B * 0.8);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_new_path(cr);
    if (snow > 0) SnowOnPeaks(cr, base, amp, scale, seed, sharp, snow);
    cairo_new_path(cr);
}

void Stars(cairo_t* cr, int count, double bottom, uint32_t seed) {
    for (int i = 0; i < count; ++i) {
        const double x = Hash01(seed, i, 1) * SkyW;
        // more stars high up, fewer towards the horizon
        const double y = std::pow(Hash01(seed, i, 2), 1.6) * bottom;
        const double r = 1.2 + Hash01(seed, i, 3) * 2.2;
        Glow(cr, x, y, r, {1, 1, 0.92}, 0.45 + Hash01(seed, i, 4) * 0.5);
        if (Hash01(seed, i, 5) > 0.93) Glow(cr, x, y, r * 3.5, {0.8, 0.85, 1}, 0.18);
    }
}

// Long soft bands of cloud across the sky.
void CloudBands(cairo_t* cr, double top, double bottom, int count, const TColor& c, double alpha,
                uint32_t seed) {
    for (int i = 0; i < count; ++i) {
        const double cy = top + (bottom - top) * Hash01(seed, i, 1);
        const double cx = SkyW * Hash01(seed, i, 2);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 160 + 200 * Hash01(seed, i, 3), 10 + 16 * Hash01(seed, i, 4));
        cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
        cairo_pattern_add_color_stop_rgba(p, 0, c.R, c.G, c.B, alpha);
        cairo_pattern_add_color_stop_rgba(p, 1, c.R, c.G, c.B, 0);
        cairo_set_source(cr, p);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
}

void Moon(cairo_t* cr, double x, double y) {
    Glow(cr, x, y, 110, {0.75, 0.82, 1.0}, 0.22);
    cairo_arc(cr, x, y, 30, 0, 2 * M_PI);
    SetColor(cr, {0.96, 0.95, 0.88});
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, x - 12 + Hash01(70, i) * 22, y - 10 + Hash01(71, i) * 20,
                  3 + Hash01(72, i) * 5, 0, 2 * M_PI);
        SetColor(cr, {0.84, 0.83, 0.76});
        cairo_fill(cr);
    }
}

// Pools of still water among the reeds, catching the pale light.
void Pools(cairo_t* cr, const TChapterLook& look, double top, uint32_t seed) {
    for (int i = 0; i < 7; ++i) {
        const double cx = SkyW * Hash01(seed, i, 1), cy = top + 170 * Hash01(seed, i, 2);
        const double rx = 40 + 60 * Hash01(seed, i, 3), ry = 4 + 5 * Hash01(seed, i, 4);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, look.SkyLow.Mix(look.Sun, 0.3), 0.75);
        cairo_fill(cr);
    }
}

void Reeds(cairo_t* cr, double base, const TColor& c, int count, double height, uint32_t seed) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, c);
    for (int i = 0; i < count; ++i) {
        const double x = SkyW * Hash01(seed, i, 1), h = height * (0.4 + 0.6 * Hash01(seed, i, 2));
        const double lean = (Hash01(seed, i, 3) - 0.5) * h * 0.3;
        cairo_move_to(cr, x, base + 4);
        cairo_curve_to(cr, x, base - h * 0.5, x + lean * 0.5, base - h * 0.8, x + lean, base - h);
        cairo_set_line_width(cr, 1.2 + Hash01(seed, i, 4));
        cairo_stroke(cr);
        if (Hash01(seed, i, 5) > 0.6) {
            cairo_save(cr);
            cairo_translate(cr, x + lean * 0.92, base - h * 0.9);
            cairo_scale(cr, 2.2, 6);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill(cr);
        }
    }
}

// Bare dead trees: a trunk with a few crooked limbs.
void DeadTree(cairo_t* cr, double x, double base, double h, const TColor& c, uint32_t seed) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, c);
    cairo_move_to(cr, x, base);
    cairo_curve_to(cr, x - 2, base - h * 0.4, x + 3, base - h * 0.7, x + 1, base - h);
    cairo_set_line_width(cr, h * 0.06);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        const double y = base - h * (0.45 + 0.13 * i), side = i % 2 ? 1 : -1;
        const double len = h * (0.35 - 0.05 * i) * (0.7 + 0.6 * Hash01(seed, i));
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + side * len * 0.4, y - len * 0.1, x + side * len * 0.7, y - len * 0.5,
                       x + side * len, y - len * 0.6);
        cairo_set_line_width(cr, h * 0.025);
        cairo_stroke(cr);
    }
}

void ForestSky(cairo_t* cr, const TChapterLook& look) {
    Stars(cr, 40, 260, 301);
    CloudBands(cr, 420, 760, 6, look.Sun.Mix(look.SkyMid, 0.5), 0.22, 302);
    Glow(cr, 400, Horizon - 10, 190, look.SkyLow, 0.55);
    Glow(cr, 400, Horizon - 14, 30, look.Sun, 0.95);
    Range(cr, Horizon + 10, 28, 150, 303, 0, look.Far, look.SkyLow.Mix(look.Far, 0.6), 0);
    Landscape::TreeLine(cr, 0, SkyW, Horizon + 62, 40, 90, 304, look.Far.Mix(look.Near, 0.6), true);
    Range(cr, Horizon + 120, 26, 120, 305, 0, look.Near, look.Near.Mix(look.Far, 0.5), 0);
    Landscape::TreeLine(cr, 0, SkyW, Horizon + 200, 60, 130, 306, look.Shade, false);
}

void MarshSky(cairo_t* cr, const TChapterLook& look) {
    CloudBands(cr, 40, 780, 16, look.SkyTop.Mix(look.Haze, 0.2), 0.35, 311);
    CloudBands(cr, 200, 800, 10, look.Haze, 0.25, 312);
    Glow(cr, 230, Horizon - 20, 220, look.Sun, 0.35);
    Range(cr, Horizon + 4, 10, 160, 313, 0, look.Far, look.SkyLow.Mix(look.Far, 0.5), 0);
    for (int i = 0; i < 7; ++i)
        DeadTree(cr, 30 + i * 90 + Hash01(314, i) * 50, Horizon + 8, 40 + Hash01(315, i) * 40,
                 look.Far.Mix(look.Shade, 0.3), 316 + i);
    cairo_rectangle(cr, 0, Horizon + 6, SkyW, SkyH);
    SetColor(cr, look.Far.Mix(look.Near, 0.4));
    cairo_fill(cr);
    Pools(cr, look, Horizon + 30, 317);
    Reeds(cr, Horizon + 60, look.Near, 90, 40, 318);
    Range(cr, Horizon + 150, 8, 200, 319, 0, look.Near, look.Near, 0);
    Pools(cr, look, Horizon + 170, 320);
    Reeds(cr, Horizon + 230, look.Shade, 110, 90, 321);
    cairo_rectangle(cr, 0, Horizon + 226, SkyW, SkyH);
    SetColor(cr, look.Shade);
    cairo_fill(cr);
    Landscape::Mist(cr, 0, Horizon - 40, SkyW, 180, 322, 0.45);
    Landscape::Mist(cr, 0, Horizon + 120, SkyW, 140, 323, 0.35);
}

void MountainSky(cairo_t* cr, const TChapterLook& look) {
    Stars(cr, 260, 760, 331);
    Moon(cr, 440, 470);
    CloudBands(cr, 520, 700, 4, look.Haze, 0.12, 332);
    Range(cr, Horizon - 10, 170, 150, 333, 1, look.Far, look.Far.Mix(look.Haze, 0.25), 14);
    Range(cr, Horizon + 120, 120, 110, 334, 1, look.Near.Mix(look.Far, 0.4), look.Far, 10);
    Landscape::TreeLine(cr, 0, SkyW, Horizon + 230, 30, 70, 335, look.Shade, true);
    Range(cr, Horizon + 250, 40, 90, 336, 0.6, look.Shade, look.Shade, 0);
}

void GroveSky(cairo_t* cr, const TChapterLook& look) {
    CloudBands(cr, 300, 700, 8, look.Rim, 0.25, 341);
    Glow(cr, 300, Horizon + 10, 260, look.SkyLow, 0.6);
    Glow(cr, 300, Horizon + 4, 40, look.Sun, 1.0);
    Range(cr, Horizon + 20, 34, 160, 342, 0.2, look.Far, look.SkyLow.Mix(look.Far, 0.5), 0);
    Landscape::TreeLine(cr, 0, SkyW, Horizon + 90, 60, 120, 343, look.Far.Mix(look.Shade, 0.35),
                        false);
    // snowfields lit pink and gold by the rising sun
    Range(cr, Horizon + 120, 30, 170, 344, 0, look.Near, look.Rim.Mix(look.Near, 0.5), 0);
    Landscape::TreeLine(cr, 0, SkyW, Horizon + 230, 80, 150, 345, look.Shade.Mix(look.Far, 0.3),
                        false);
    Range(cr, Horizon + 236, 14, 120, 346, 0, look.Near.Mix(look.Far, 0.2), look.Near, 0);
}

void AddSky(TContentArchive& squares, const TChapterLook& look) {
    TCanvas c(SkyW, SkyH);
    cairo_t* cr = c.Cr();
    SkyGradient(cr, look);
    switch (look.Number) {
    case 1:
        ForestSky(cr, look);
        break;
    case 2:
        MarshSky(cr, look);
        break;
    case 3:
        MountainSky(cr, look);
        break;
    default:
        GroveSky(cr, look);
        break;
    }
    AddChapterImage(squares, look.Number, "Sky", c);
}

// A soft translucent cloud, mist bank or veil of snow, lit from above.
void AddCloud(TContentArchive& squares, const TChapterLook& look) {
    TCanvas c(180, 70);
    cairo_t* cr = c.Cr();
    const uint32_t seed = 350 + look.Number;
    const TColor body = look.Number == 1 ? look.Haze.Mix(look.SkyMid, 0.3) : look.Haze;
    const TColor lit = look.Number == 3 ? TColor{0.85, 0.9, 1.0} : look.Rim.Mix(look.Haze, 0.4);
    const double alpha = look.Number == 2 ? 0.55 : 0.45;
    for (int i = 0; i < 9; ++i) {
        const double x = 30 + 120 * Hash01(seed, i, 1), y = 30 + 12 * Hash01(seed, i, 2);
        const double r = 18 + 14 * Hash01(seed, i, 3);
        Glow(cr, x, y + 4, r * 1.1, body, alpha);
        Glow(cr, x - 2, y - r * 0.25, r * 0.7, lit, alpha * 0.5);
    }
    if (look.Number == 4)
        for (int i = 0; i < 18; ++i)
            Glow(cr, 10 + 160 * Hash01(seed, i, 5), 8 + 54 * Hash01(seed, i, 6), 2.2, {1, 1, 1},
                 0.9);
    AddChapterImage(squares, look.Number, "Cloud", c);
}

} // namespace

void AddChapterSky(TContentArchive& squares, const TChapterLook& look) {
    AddSky(squares, look);
    AddCloud(squares, look);
}
