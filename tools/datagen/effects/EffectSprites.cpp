#include "datagen/effects/EffectSprites.h"

#include <cmath>
#include <functional>

#include "FxCanvas.h"

namespace {

using namespace FxPalette;
using TDrawFrame = std::function<void(cairo_t*, int frame, double cx, double cy)>;

// frames pictures of frameWidth x height side by side; each frame drawn round its centre.
EffectSprite Make(const std::string& name, int frameWidth, int height, int frames,
                  const TDrawFrame& draw) {
    TFxCanvas canvas(frameWidth * frames, height);
    for (int f = 0; f < frames; ++f) {
        cairo_save(canvas.Cr());
        cairo_rectangle(canvas.Cr(), f * frameWidth, 0, frameWidth, height);
        cairo_clip(canvas.Cr());
        draw(canvas.Cr(), f, f * frameWidth + frameWidth / 2.0, height / 2.0);
        cairo_restore(canvas.Cr());
    }
    return {name, frameWidth * frames, height, frames, canvas.Rgba()};
}

void SetRgba(cairo_t* cr, TFxColour c, double a) {
    cairo_set_source_rgba(cr, c.R, c.G, c.B, a);
}

// A spark: a hot core with a small glint.
TDrawFrame Spark(TFxColour c) {
    return [c](cairo_t* cr, int, double x, double y) {
        FxGlow(cr, x, y, 6.5, c, 0.9);
        FxGlint(cr, x, y, 6.5, 2.2, 0, WarmWhite, 0.95);
        FxGlow(cr, x, y, 2.2, WarmWhite, 1.0);
    };
}

void Mote(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 7.5, Gold, 0.85);
    FxGlow(cr, x, y, 2.5, WarmWhite, 0.9);
}

// A firefly blinks: bright, dimming, dim, brightening.
void FireflyFrame(cairo_t* cr, int f, double x, double y) {
    static const double level[] = {1.0, 0.65, 0.3, 0.65};
    FxGlow(cr, x, y, 8.5, Firefly, 0.75 * level[f]);
    FxGlow(cr, x, y, 2.5, WarmWhite, 0.5 + 0.5 * level[f]);
}

void Halo(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 39, Amber, 0.55);
    FxGlow(cr, x, y, 20, Gold, 0.35);
}

void Flash(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 30, Gold, 0.6);
    FxGlint(cr, x, y, 31, 5, 0, WarmWhite, 0.95);
    FxGlint(cr, x, y, 16, 3, M_PI / 4, WarmWhite, 0.8);
    FxGlow(cr, x, y, 6, WarmWhite, 1.0);
}

void Twinkle(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 10, Gold, 0.5);
    FxGlint(cr, x, y, 11.5, 3, 0, WarmWhite, 1.0);
    FxGlint(cr, x, y, 6, 2, M_PI / 4, Gold, 0.8);
}

// A ring of light with a green outer rim, the colour of living twigs.
void LightRing(cairo_t* cr, int, double x, double y) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 20, x, y, 35.5);
    cairo_pattern_add_color_stop_rgba(g, 0.0, Gold.R, Gold.G, Gold.B, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.45, WarmWhite.R, WarmWhite.G, WarmWhite.B, 0.85);
    cairo_pattern_add_color_stop_rgba(g, 0.7, LeafGreen.R, LeafGreen.G, LeafGreen.B, 0.5);
    cairo_pattern_add_color_stop_rgba(g, 1.0, Moss.R, Moss.G, Moss.B, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, 35.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Refused: a glowing ember cross.
void Refuse(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 17, DeepEmber, 0.45);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double w : {7.0, 3.5}) {
        SetRgba(cr, w > 5 ? Ember : TFxColour{1.0, 0.78, 0.5}, w > 5 ? 0.8 : 1.0);
        cairo_set_line_width(cr, w);
        cairo_move_to(cr, x - 9, y - 9);
        cairo_line_to(cr, x + 9, y + 9);
        cairo_move_to(cr, x + 9, y - 9);
        cairo_line_to(cr, x - 9, y + 9);
        cairo_stroke(cr);
    }
}

// A chip of wood and stone tumbling: one shard, turned a quarter per frame.
void Chip(cairo_t* cr, int f, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, f * M_PI / 4 + 0.3);
    cairo_move_to(cr, -5.5, -2);
    cairo_line_to(cr, -1, -4.5);
    cairo_line_to(cr, 5.5, -1);
    cairo_line_to(cr, 2.5, 4);
    cairo_line_to(cr, -4, 3);
    cairo_close_path(cr);
    SetRgba(cr, Bark, 1.0);
    cairo_fill_preserve(cr);
    SetRgba(cr, BarkLight, 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A puff of dust that swells and thins out over its four frames.
void DustPuff(cairo_t* cr, int f, double x, double y) {
    const double r = 6 + 3 * f, a = 0.7 - 0.15 * f;
    for (int k = 0; k < 5; ++k) {
        const double t = k * 2 * M_PI / 5 + f * 0.4;
        FxGlow(cr, x + std::cos(t) * r * 0.45, y + std::sin(t) * r * 0.45, r * 0.7, Dust, a);
    }
}

// A soft rain streak, faint at its tail and brighter at its head.
void RainDrop(cairo_t* cr, int, double x, double y) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y - 10, x, y + 10);
    cairo_pattern_add_color_stop_rgba(g, 0, Rain.R, Rain.G, Rain.B, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.8, Rain.R, Rain.G, Rain.B, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, WarmWhite.R, WarmWhite.G, WarmWhite.B, 0.75);
    cairo_set_source(cr, g);
    cairo_move_to(cr, x, y - 10);
    cairo_curve_to(cr, x + 1.6, y + 2, x + 1.6, y + 9.5, x, y + 9.5);
    cairo_curve_to(cr, x - 1.6, y + 9.5, x - 1.6, y + 2, x, y - 10);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A snowflake seen from far off: a soft round of white with a faint six-armed sparkle.
void Snowflake(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 4.5, Frost, 0.55);
    for (int k = 0; k < 3; ++k)
        FxGlint(cr, x, y, 4.2, 1.0, k * M_PI / 3 + M_PI / 2, Snow, 0.55);
    FxGlow(cr, x, y, 2.4, Snow, 1.0);
}

// A distant flake: only a soft dot.
void SnowDust(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 2.5, Snow, 0.9);
}

// A warm speck of dawn light: a golden glow with a bright heart.
void DawnMote(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 3.5, Amber, 0.9);
    FxGlow(cr, x, y, 2.4, Gold, 0.8);
    FxGlow(cr, x, y, 1.5, WarmWhite, 1.0);
}

void EmberDot(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 5, Ember, 0.9);
    FxGlow(cr, x, y, 2, Gold, 1.0);
}

// A small flame flickering through four shapes.
void Flame(cairo_t* cr, int f, double x, double y) {
    static const double lean[] = {0.0, 1.5, -1.0, 0.8};
    static const double tall[] = {1.0, 0.9, 0.95, 0.85};
    const double top = y + 14 - 28 * tall[f], base = y + 14;
    FxGlow(cr, x, base - 6, 12, Ember, 0.35);
    const TFxColour layers[] = {Ember, Amber, WarmWhite};
    for (int k = 0; k < 3; ++k) {
        const double s = 1.0 - k * 0.3, w = 8 * s;
        const double t = base - (base - top) * s;
        cairo_move_to(cr, x + lean[f] * s * 2, t);
        cairo_curve_to(cr, x + w, t + (base - t) * 0.45, x + w, base, x, base);
        cairo_curve_to(cr, x - w, base, x - w, t + (base - t) * 0.45, x + lean[f] * s * 2, t);
        SetRgba(cr, layers[k], 0.75 + 0.1 * k);
        cairo_fill(cr);
    }
}

// A leaf seen turning as it falls.
void Leaf(cairo_t* cr, int f, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, f * M_PI / 4);
    cairo_scale(cr, 1.0, 0.55 + 0.45 * std::abs(std::cos(f * M_PI / 4)));
    cairo_move_to(cr, -7, 0);
    cairo_curve_to(cr, -3, -5, 3, -5, 7, 0);
    cairo_curve_to(cr, 3, 5, -3, 5, -7, 0);
    SetRgba(cr, f % 2 ? Amber : LeafGreen, 0.95);
    cairo_fill(cr);
    cairo_move_to(cr, -7, 0);
    cairo_line_to(cr, 6, 0);
    SetRgba(cr, Bark, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A small sunburst of gold: a bonus has been given.
void Sunburst(cairo_t* cr, int, double x, double y) {
    FxGlow(cr, x, y, 19.5, Gold, 0.5);
    for (int k = 0; k < 8; ++k)
        FxGlint(cr, x, y, k % 2 ? 12 : 19, 3, k * M_PI / 8, k % 2 ? Gold : WarmWhite, 0.9);
    FxGlow(cr, x, y, 5, WarmWhite, 1.0);
}

} // namespace

std::vector<EffectSprite> MakeEffectSprites() {
    return {
        Make("fx_spark.png", 14, 14, 1, Spark(Gold)),
        Make("fx_leafspark.png", 14, 14, 1, Spark(LeafGreen)),
        Make("fx_mote.png", 16, 16, 1, Mote),
        Make("fx_firefly.png", 18, 18, 4, FireflyFrame),
        Make("fx_halo.png", 80, 80, 1, Halo),
        Make("fx_flash.png", 64, 64, 1, Flash),
        Make("fx_twinkle.png", 24, 24, 1, Twinkle),
        Make("fx_ring.png", 72, 72, 1, LightRing),
        Make("fx_refuse.png", 36, 36, 1, Refuse),
        Make("fx_chip.png", 14, 14, 4, Chip),
        Make("fx_dust.png", 32, 32, 4, DustPuff),
        Make("fx_raindrop.png", 5, 20, 1, RainDrop),
        Make("fx_snowflake.png", 9, 9, 1, Snowflake),
        Make("fx_snowdust.png", 5, 5, 1, SnowDust),
        Make("fx_dawnmote.png", 7, 7, 1, DawnMote),
        Make("fx_ember.png", 10, 10, 1, EmberDot),
        Make("fx_flame.png", 24, 32, 4, Flame),
        Make("fx_leaf.png", 16, 16, 4, Leaf),
        Make("fx_sunburst.png", 40, 40, 1, Sunburst),
    };
}
