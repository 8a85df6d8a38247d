#include "Style.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "FontFiles.h"

std::string FontFiles::Path(bool bold, bool serif) {
    return Folder + (serif ? "LiberationSerif-" : "LiberationSans-") +
           (bold ? "Bold.ttf" : "Regular.ttf");
}

TColor TColor::Mix(const TColor& o, double t) const {
    return {R + (o.R - R) * t, G + (o.G - G) * t, B + (o.B - B) * t, A + (o.A - A) * t};
}

void SetColor(cairo_t* cr, const TColor& c, double alpha) {
    cairo_set_source_rgba(cr, c.R, c.G, c.B, c.A * alpha);
}

double Hash01(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h =
        a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double Noise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = x - fx, ty = y - fy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto v = [seed](int a, int b) {
        return Hash01(static_cast<uint32_t>(a), static_cast<uint32_t>(b), seed);
    };
    const double top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * sx;
    const double bottom = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * sx;
    return top + (bottom - top) * sy;
}

double Fbm(double x, double y, uint32_t seed, int octaves) {
    double sum = 0, amp = 0.5, norm = 0, f = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * Noise(x * f, y * f, seed + i * 101);
        norm += amp;
        amp *= 0.5;
        f *= 2.03;
    }
    return sum / norm;
}

namespace {

struct TMaterialLook {
    TColor Dark, Mid, Light;
    double Scale;   // feature size in pixels
    double Streaks; // stretch along x for grain
};

TMaterialLook Look(TMaterial m) {
    switch (m) {
    case TMaterial::Stone:
        return {Palette::StoneDark, Palette::Stone, Palette::StoneLight, 9.0, 1.0};
    case TMaterial::DarkStone:
        return {Palette::StoneDeep, Palette::StoneDark, Palette::Stone, 11.0, 1.0};
    case TMaterial::Wood:
        return {Palette::BarkDark, Palette::Bark, Palette::BarkLight, 5.0, 8.0};
    case TMaterial::Bark:
        return {Palette::BarkDark, Palette::Bark.Mix(Palette::StoneDark, 0.3), Palette::BarkLight,
                4.0, 0.15};
    case TMaterial::Moss:
        return {Palette::MossDark, Palette::Moss, Palette::MossLight, 3.0, 1.0};
    }
    return {};
}

// A texture tile covering the path's extents, drawn pixel by pixel from noise.
cairo_surface_t* MakeTexture(TMaterial m, int x0, int y0, int w, int h, uint32_t seed,
                             double scale) {
    const TMaterialLook look = Look(m);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    const int stride = cairo_image_surface_get_stride(s);
    uint8_t* data = cairo_image_surface_get_data(s);
    const double f = 1.0 / (look.Scale * scale);
    for (int y = 0; y < h; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const double px = (x + x0) * f / look.Streaks, py = (y + y0) * f;
            // fine grain over a slow swell, kept near the middle colour: calm, worn stone
            double n = 0.6 * Fbm(px, py, seed, 4) + 0.4 * Fbm(px * 0.25, py * 0.25, seed + 7, 2);
            if (m == TMaterial::Wood) n = 0.5 + 0.5 * std::sin((n * 6 + py * 0.3) * 3.1416);
            const double speck = Hash01(x + x0, y + y0, seed) > 0.985 ? 0.12 : 0.0;
            const double t = std::clamp(0.5 + (n - 0.5) * 1.5 + speck, 0.0, 1.0);
            const TColor c =
                t < 0.5 ? look.Dark.Mix(look.Mid, t * 2) : look.Mid.Mix(look.Light, (t - 0.5) * 2);
            auto ch = [](double v) {
                return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5);
            };
            row[x] = 0xFF000000u | ch(c.R) << 16 | ch(c.G) << 8 | ch(c.B);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

struct TFaceHolder {
    FT_Library Library = nullptr;
    FT_Face Face = nullptr;
};

void ReleaseFace(void* p) {
    auto* holder = static_cast<TFaceHolder*>(p);
    FT_Done_Face(holder->Face);
    FT_Done_FreeType(holder->Library);
    delete holder;
}

const cairo_user_data_key_t FaceKey{};

// A cairo font face made straight from a font file; freed with its last reference.
cairo_font_face_t* OpenFace(bool bold, bool serif) {
    auto* holder = new TFaceHolder;
    if (FT_Init_FreeType(&holder->Library) ||
        FT_New_Face(holder->Library, FontFiles::Path(bold, serif).c_str(), 0, &holder->Face)) {
        if (holder->Library) FT_Done_FreeType(holder->Library);
        delete holder;
        throw std::runtime_error("cannot open font " + FontFiles::Path(bold, serif));
    }
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(holder->Face, 0);
    cairo_font_face_set_user_data(face, &FaceKey, holder, ReleaseFace);
    return face;
}

void SelectFace(cairo_t* cr, double size, bool bold, bool serif) {
    cairo_font_face_t* face = OpenFace(bold, serif);
    cairo_set_font_face(cr, face);
    cairo_font_face_destroy(face);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

} // namespace

void FillMaterial(cairo_t* cr, TMaterial material, uint32_t seed, double scale) {
    double x1, y1, x2, y2;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
    cairo_restore(cr);
    const int ix = static_cast<int>(std::floor(x1)), iy = static_cast<int>(std::floor(y1));
    const int w = std::max(1, static_cast<int>(std::ceil(x2)) - ix);
    const int h = std::max(1, static_cast<int>(std::ceil(y2)) - iy);
    cairo_surface_t* tex = MakeTexture(material, ix, iy, w, h, seed, scale);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, tex, ix, iy);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_surface_destroy(tex);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void CarveInnerRim(cairo_t* cr, double strength) {
    cairo_save(cr);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_clip_preserve(cr);
    const double widths[] = {9, 5, 2.5};
    const double alphas[] = {0.18, 0.25, 0.45};
    for (int i = 0; i < 3; ++i) {
        cairo_set_line_width(cr, widths[i]);
        SetColor(cr, Palette::StoneDeep, alphas[i] * strength);
        cairo_stroke_preserve(cr);
    }
    cairo_set_line_width(cr, 14);
    SetColor(cr, Palette::StoneLight, 0.10 * strength);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
}

void StonePlate(cairo_t* cr, double x, double y, double w, double h, double r, uint32_t seed,
                TMaterial material) {
    cairo_save(cr);
    for (int i = 3; i >= 1; --i) {
        RoundedRect(cr, x - i, y - i, w + 2 * i, h + 2 * i, r + i);
        SetColor(cr, Palette::Night, 0.12);
        cairo_fill(cr);
    }
    RoundedRect(cr, x, y, w, h, r);
    FillMaterial(cr, material, seed);
    CarveInnerRim(cr);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void StoneSocket(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, r);
    cairo_clip_preserve(cr);
    SetColor(cr, Palette::StoneDeep);
    cairo_fill_preserve(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_set_line_width(cr, 12 - i * 3);
        SetColor(cr, Palette::Night, 0.25);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
    cairo_save(cr);
    RoundedRect(cr, x - 1, y - 1, w + 2, h + 2, r + 1);
    cairo_set_line_width(cr, 1.5);
    SetColor(cr, Palette::StoneLight, 0.45);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Glow(cairo_t* cr, double x, double y, double radius, const TColor& c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, c.R, c.G, c.B, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.45, c.R, c.G, c.B, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.R, c.G, c.B, 0);
    cairo_save(cr);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_pattern_destroy(p);
}

double LeafPath(cairo_t* cr, double len) {
    const double w = len * 0.42;
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -w, len * 0.75, -w * 0.8, len, 0);
    cairo_curve_to(cr, len * 0.75, w * 0.8, len * 0.3, w, 0, 0);
    cairo_close_path(cr);
    return w;
}

void DrawLeaf(cairo_t* cr, double x, double y, double angle, double len, const TColor& c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    const double w = LeafPath(cr, len);
    SetColor(cr, c.Mix(Palette::MossDark, 0.55));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -w, 0, w);
    const TColor lit = c.Mix(Palette::LeafLight, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 0, lit.R, lit.G, lit.B);
    cairo_pattern_add_color_stop_rgb(p, 1, c.R, c.G, c.B);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_move_to(cr, len * 0.1, 0);
    cairo_line_to(cr, len * 0.85, 0);
    SetColor(cr, Palette::LeafLight, 0.6);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void MossTufts(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed) {
    for (int i = 0; i < count; ++i) {
        const double px = x + Hash01(seed, i, 1) * w, py = y + Hash01(seed, i, 2) * h;
        const double r = 2 + Hash01(seed, i, 3) * 5;
        cairo_pattern_t* p = cairo_pattern_create_radial(px, py - r * 0.3, 0, px, py, r);
        cairo_pattern_add_color_stop_rgba(p, 0, Palette::MossLight.R, Palette::MossLight.G,
                                          Palette::MossLight.B, 0.85);
        cairo_pattern_add_color_stop_rgba(p, 0.6, Palette::Moss.R, Palette::Moss.G, Palette::Moss.B,
                                          0.7);
        cairo_pattern_add_color_stop_rgba(p, 1, Palette::MossDark.R, Palette::MossDark.G,
                                          Palette::MossDark.B, 0);
        cairo_set_source(cr, p);
        cairo_arc(cr, px, py, r, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

void DrawText(cairo_t* cr, const std::string& text, double x, double y, double size, bool bold,
              bool serif) {
    cairo_save(cr);
    SelectFace(cr, size, bold, serif);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    cairo_fill(cr);
    cairo_restore(cr);
}

double TextWidth(cairo_t* cr, const std::string& text, double size, bool bold, bool serif) {
    cairo_save(cr);
    SelectFace(cr, size, bold, serif);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_restore(cr);
    return ext.x_advance;
}

void CarvedText(cairo_t* cr, const std::string& text, double cx, double y, double size, bool serif,
                const TColor& fill) {
    const double w = TextWidth(cr, text, size, true, serif);
    const double x = cx - w / 2;
    SetColor(cr, Palette::StoneLight, 0.55);
    DrawText(cr, text, x + 1, y + 1.5, size, true, serif);
    SetColor(cr, Palette::Night, 0.85);
    DrawText(cr, text, x - 0.5, y - 1, size, true, serif);
    SetColor(cr, fill);
    DrawText(cr, text, x, y, size, true, serif);
}

void BarkAlong(cairo_t* cr, int segments, const std::function<void(int, double&, double&)>& point) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double widths[] = {7, 4.5, 1.5};
    const TColor colors[] = {Palette::BarkDark, Palette::Bark, Palette::BarkLight};
    for (int layer = 0; layer < 3; ++layer) {
        for (int i = 0; i <= segments; ++i) {
            double px, py;
            point(i, px, py);
            if (i == 0)
                cairo_move_to(cr, px, py);
            else
                cairo_line_to(cr, px, py);
        }
        cairo_set_line_width(cr, widths[layer]);
        SetColor(cr, colors[layer], layer == 2 ? 0.6 : 1);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void DialogPlate(cairo_t* cr, double w, double h, uint32_t seed,
                 const std::function<void()>& moss) {
    RoundedRect(cr, 2, 2, w - 4, h - 4, 16);
    FillMaterial(cr, TMaterial::Wood, seed, 1.5);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    StonePlate(cr, 12, 12, w - 24, h - 24, 10, seed + 1, TMaterial::DarkStone);
    cairo_save(cr);
    RoundedRect(cr, 12, 12, w - 24, h - 24, 10);
    cairo_clip(cr);
    // dark enough for light lettering
    cairo_rectangle(cr, 12, 12, w - 24, h - 24);
    SetColor(cr, Palette::Night, 0.45);
    cairo_fill(cr);
    moss();
    cairo_restore(cr);
}
