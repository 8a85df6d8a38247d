// Board pictures of each chapter (z 0): blocks of 2x2, 3x2, 4x3 and 1x3 squares and a
// breakable barrier. A square is blocked by any opaque pixel inside it, so the outlines stay
// inside the picture with a small margin and faint fringes are cleared.
#include <cmath>

#include "Canvas.h"
#include "ChapterLook.h"
#include "Landscape.h"

namespace {

constexpr int FringeAlpha = 64; // a quarter opaque: fainter pixels would block unseen

void BlobPath(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed,
              double rough) {
    cairo_new_path(cr);
    const int n = 40;
    for (int i = 0; i < n; ++i) {
        const double a = i * 2 * M_PI / n;
        const double k =
            1 + (Noise(std::cos(a) * 1.6 + 5, std::sin(a) * 1.6 + 5, seed) - 0.5) * rough;
        cairo_line_to(cr, cx + std::cos(a) * rx * k, cy + std::sin(a) * ry * k);
    }
    cairo_close_path(cr);
}

// Light from above, shade below, kept on the current path.
void Shade(cairo_t* cr, double top, double bottom, double dark) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.92, 0.8, 0.18);
    cairo_pattern_add_color_stop_rgba(p, 0.45, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, dark);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

// A stone of the chapter's rock: tinted, shaded, mossy where it is damp, snowy where cold.
void Rock(cairo_t* cr, const TChapterLook& look, double cx, double cy, double rx, double ry,
          uint32_t seed, double rough = 0.35) {
    cairo_save(cr);
    BlobPath(cr, cx, cy, rx, ry, seed, rough);
    FillMaterial(cr, TMaterial::Stone, seed, 1.4);
    SetColor(cr, look.Stone, 0.35);
    cairo_fill_preserve(cr);
    Shade(cr, cy - ry, cy + ry, 0.5);
    cairo_clip_preserve(cr);
    if (look.Number <= 2) MossTufts(cr, cx - rx, cy - ry, 2 * rx, ry, int(rx * ry / 45), seed + 3);
    for (int i = 0; i < 2; ++i) {
        double px = cx + rx * (Hash01(seed, i, 31) - 0.5), py = cy - ry * 0.4;
        cairo_move_to(cr, px, py);
        for (int k = 0; k < 3; ++k)
            cairo_line_to(cr, px += (Hash01(seed, i * 9 + k, 32) - 0.5) * 10, py += ry * 0.2);
        SetColor(cr, Palette::StoneDeep, 0.4);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    if (look.Snow) {
        BlobPath(cr, cx, cy, rx, ry, seed, rough);
        SnowCap(cr, ry * 0.45, seed);
        cairo_new_path(cr);
    }
}

// A log lying along x, its cut end showing rings.
void Log(cairo_t* cr, const TChapterLook& look, double x, double y, double w, double h,
         uint32_t seed) {
    RoundedRect(cr, x, y, w - h * 0.3, h, h * 0.45);
    FillMaterial(cr, TMaterial::Wood, seed, 1.3);
    Shade(cr, y, y + h, 0.55);
    cairo_new_path(cr);
    const double ex = x + w - h * 0.35, ey = y + h / 2;
    for (int r = 5; r >= 1; --r) {
        cairo_save(cr);
        cairo_translate(cr, ex, ey);
        cairo_scale(cr, h * 0.3 * r / 5, h * 0.5 * r / 5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, r == 5 ? Palette::BarkDark
                            : Palette::BarkLight.Mix(Palette::Parchment, r % 2 ? 0.3 : 0.0));
        cairo_fill(cr);
    }
    if (look.Number == 1) MossTufts(cr, x + 6, y, w * 0.7, h * 0.3, 10, seed + 1);
    if (look.Snow) {
        RoundedRect(cr, x, y, w - h * 0.3, h, h * 0.45);
        SnowCap(cr, h * 0.3, seed);
        cairo_new_path(cr);
    }
}

void GrassBlades(cairo_t* cr, double x, double base, double w, double h, int count,
                 const TColor& dark, const TColor& light, uint32_t seed) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        const double bx = x + w * Hash01(seed, i, 1), lean = (Hash01(seed, i, 2) - 0.5) * h * 0.9;
        const double bh = h * (0.5 + 0.5 * Hash01(seed, i, 3));
        cairo_move_to(cr, bx, base);
        cairo_curve_to(cr, bx, base - bh * 0.5, bx + lean * 0.5, base - bh * 0.8, bx + lean,
                       base - bh);
        cairo_set_line_width(cr, 2.2);
        SetColor(cr, dark.Mix(light, Hash01(seed, i, 4)));
        cairo_stroke(cr);
    }
}

// Roots flaring from a trunk's foot at (x, y) over the ground, each tapering to its tip.
void RootPaths(cairo_t* cr, double x, double y, double spread, double down, double width,
               uint32_t seed) {
    for (int i = 0; i < 5; ++i) {
        const double side = (i - 2) / 2.0;
        const double ex = x + side * spread * 0.5 * (0.8 + 0.2 * Hash01(seed, i));
        const double ey = y + down * (0.6 + 0.4 * Hash01(seed, i, 2));
        const double w = width * (1.1 - std::abs(side) * 0.3);
        auto at = [&](double t, double off) {
            const double h = w * (1 - 0.85 * t) * off;
            cairo_line_to(cr, x + (ex - x) * t, y + (ey - y) * std::sin(t * M_PI / 2) + h);
        };
        cairo_new_sub_path(cr);
        for (int k = 0; k <= 10; ++k)
            at(k / 10.0, -1);
        for (int k = 10; k >= 0; --k)
            at(k / 10.0, 1);
        cairo_close_path(cr);
    }
}

void Roots(cairo_t* cr, const TChapterLook& look, double x, double y, double spread, double down,
           double width, uint32_t seed) {
    RootPaths(cr, x, y, spread, down, width, seed);
    FillMaterial(cr, TMaterial::Bark, seed, 1.0);
    SetColor(cr, look.Wood.Mix({0.6, 0.6, 0.58}, look.Number == 2 ? 0.6 : 0.0), 0.45);
    cairo_fill_preserve(cr);
    Shade(cr, y, y + down, 0.5);
    if (look.Snow) SnowCap(cr, 6, seed);
    cairo_new_path(cr);
}

void Icicle(cairo_t* cr, double x, double y, double len) {
    cairo_move_to(cr, x - 2.5, y);
    cairo_line_to(cr, x + 2.5, y);
    cairo_line_to(cr, x, y + len);
    cairo_close_path(cr);
    SetColor(cr, {0.85, 0.93, 1.0}, 0.95);
    cairo_fill(cr);
}

// Block1 (2x2): boulder, tussock, rock, snowy stone.
void Block1(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    if (look.Number == 1) {
        Landscape::Boulder(cr, 2, 4, 72, 70, seed);
    } else if (look.Number == 2) {
        BlobPath(cr, 38, 56, 33, 16, seed, 0.3);
        SetColor(cr, Palette::MossDark.Mix(look.WoodDark, 0.4));
        cairo_fill(cr);
        GrassBlades(cr, 8, 62, 60, 56, 46, Palette::MossDark, look.Rim.Mix(Palette::Moss, 0.5),
                    seed);
    } else {
        Rock(cr, look, 38, 42, 34, 30, seed, look.Number == 3 ? 0.5 : 0.3);
    }
}

// Block2 (3x2): fallen log, pool, ledge, frozen pond.
void Pond(cairo_t* cr, const TChapterLook& look, uint32_t seed, bool frozen) {
    BlobPath(cr, 58, 40, 55, 33, seed, 0.15);
    SetColor(cr, frozen ? TColor{0.94, 0.95, 1.0} : look.WoodDark.Mix(Palette::MossDark, 0.5));
    cairo_fill(cr);
    BlobPath(cr, 58, 41, 46, 25, seed + 1, 0.15);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 16, 0, 66);
    const TColor top = frozen ? TColor{0.62, 0.78, 0.90} : look.SkyLow.Mix(look.Shade, 0.3);
    const TColor bot = frozen ? TColor{0.80, 0.88, 0.98} : look.Shade.Mix(look.SkyMid, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 0, top.R, top.G, top.B);
    cairo_pattern_add_color_stop_rgb(p, 1, bot.R, bot.G, bot.B);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i < 3; ++i) {
        const double y = 30 + i * 9;
        cairo_move_to(cr, 30 + i * 8, y);
        cairo_line_to(cr, 70 + i * 6, y + (frozen ? 6 : 0));
        SetColor(cr, {1, 1, 1}, frozen ? 0.7 : 0.3);
        cairo_set_line_width(cr, frozen ? 1.2 : 1.8);
        cairo_stroke(cr);
    }
    if (!frozen) {
        DrawLeaf(cr, 84, 52, 0.3, 14, Palette::Leaf.Mix(Palette::MossDark, 0.3));
        GrassBlades(cr, 6, 50, 22, 36, 12, Palette::MossDark, Palette::Moss, seed + 2);
        GrassBlades(cr, 92, 46, 18, 30, 9, Palette::MossDark, Palette::Moss, seed + 3);
    }
}

void Ledge(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    cairo_new_path(cr);
    const double pts[][2] = {{4, 34},   {20, 18}, {58, 14}, {96, 16}, {112, 30},
                             {108, 62}, {80, 72}, {30, 70}, {8, 58}};
    for (const auto& q : pts)
        cairo_line_to(cr, q[0], q[1]);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::DarkStone, seed, 1.2);
    SetColor(cr, look.Stone, 0.35);
    cairo_fill_preserve(cr);
    Shade(cr, 14, 72, 0.55);
    SnowCap(cr, 14, seed);
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 40);
    cairo_line_to(cr, 60, 44);
    cairo_line_to(cr, 100, 40);
    SetColor(cr, look.Shade, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Block2(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    switch (look.Number) {
    case 1:
        Log(cr, look, 3, 18, 110, 46, seed);
        break;
    case 2:
        Pond(cr, look, seed, false);
        break;
    case 3:
        Ledge(cr, look, seed);
        break;
    default:
        Pond(cr, look, seed, true);
        break;
    }
}

// Block3 (4x3): stump cluster, dead tree roots, crag, giant oak root.
void DeadTreeBase(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    Pond(cr, look, seed, false);
    Roots(cr, look, 78, 70, 140, 36, 9, seed);
    cairo_move_to(cr, 60, 80);
    cairo_curve_to(cr, 62, 50, 58, 30, 64, 8);
    cairo_line_to(cr, 72, 20);
    cairo_line_to(cr, 80, 4);
    cairo_curve_to(cr, 92, 30, 90, 56, 98, 80);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::Bark, seed, 1.1);
    SetColor(cr, {0.62, 0.62, 0.58}, 0.5);
    cairo_fill_preserve(cr);
    Shade(cr, 4, 90, 0.5);
    cairo_new_path(cr);
    MossTufts(cr, 58, 60, 44, 24, 10, seed + 4);
}

void Crag(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    cairo_new_path(cr);
    const double pts[][2] = {{4, 112}, {10, 70},  {30, 52},  {46, 20},  {62, 6},   {78, 30},
                             {96, 24}, {118, 46}, {134, 44}, {150, 80}, {152, 112}};
    for (const auto& q : pts)
        cairo_line_to(cr, q[0], q[1]);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::DarkStone, seed, 1.3);
    SetColor(cr, look.Stone, 0.3);
    cairo_fill_preserve(cr);
    Shade(cr, 6, 112, 0.5);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int i = 0; i < 5; ++i) {
        const double x = 20 + 25 * i, y = 40 + 12 * (i % 2);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 10, y + 30);
        cairo_line_to(cr, x + 2, y + 60);
        SetColor(cr, look.Shade, 0.55);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    SnowCap(cr, 12, seed);
    cairo_new_path(cr);
    Landscape::Fir(cr, 122, 52, 40, Palette::MossDark.Mix(look.Shade, 0.4), seed);
}

void OakRoot(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    BlobPath(cr, 78, 106, 74, 8, seed, 0.2);
    SetColor(cr, {0.95, 0.96, 1.0});
    cairo_fill(cr);
    Roots(cr, look, 78, 66, 140, 38, 13, seed);
    // the foot of a trunk too broad to see whole, broken off and hollow at the top
    cairo_move_to(cr, 50, 84);
    cairo_curve_to(cr, 54, 60, 48, 30, 52, 10);
    cairo_line_to(cr, 64, 18);
    cairo_line_to(cr, 74, 6);
    cairo_line_to(cr, 86, 16);
    cairo_line_to(cr, 98, 4);
    cairo_line_to(cr, 104, 12);
    cairo_curve_to(cr, 104, 36, 100, 60, 106, 84);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::Bark, seed + 1, 1.3);
    Shade(cr, 4, 90, 0.55);
    SnowCap(cr, 7, seed + 1);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 78, 16);
    cairo_scale(cr, 14, 5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, look.WoodDark);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i)
        Icicle(cr, 58 + i * 18, 30 + (i % 2) * 8, 8 + 6 * Hash01(seed, i));
}

void Block3(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    switch (look.Number) {
    case 1:
        Landscape::Stump(cr, 4, 0, 84, 114, seed);
        Landscape::Stump(cr, 84, 40, 60, 74, seed + 1);
        Landscape::Boulder(cr, 118, 84, 34, 28, seed + 2);
        break;
    case 2:
        DeadTreeBase(cr, look, seed);
        break;
    case 3:
        Crag(cr, look, seed);
        break;
    default:
        OakRoot(cr, look, seed);
        break;
    }
}

// Block4 (1x3): post, reed stalks, pine trunk, standing stone.
void Post(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    cairo_move_to(cr, 8, 112);
    cairo_line_to(cr, 9, 14);
    cairo_line_to(cr, 18, 4);
    cairo_line_to(cr, 27, 14);
    cairo_line_to(cr, 28, 112);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::Bark, seed, 1.0);
    Shade(cr, 4, 112, 0.45);
    cairo_new_path(cr);
    MossTufts(cr, 8, 60, 20, 50, 8, seed + 1);
    DrawLeaf(cr, 18, 40, -0.6, 12, Palette::Leaf);
    (void)look;
}

void ReedStalks(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
        const double x = 9 + i * 9, top = 10 + 12 * Hash01(seed, i);
        cairo_move_to(cr, x, 114);
        cairo_curve_to(cr, x, 80, x + 2, 40, x + 1, top);
        cairo_set_line_width(cr, 3);
        SetColor(cr, Palette::MossDark.Mix(look.Wood, 0.3));
        cairo_stroke(cr);
        RoundedRect(cr, x - 2.5, top + 6, 6, 22, 3);
        SetColor(cr, look.WoodDark.Mix(look.Wood, 0.5));
        cairo_fill(cr);
    }
    GrassBlades(cr, 6, 114, 24, 60, 10, Palette::MossDark, Palette::Moss, seed);
}

void SlimPine(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    cairo_rectangle(cr, 15, 80, 6, 34);
    SetColor(cr, look.WoodDark.Mix(look.Wood, 0.4));
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
        const double y = 20 + i * 14, half = 6 + i * 2;
        cairo_move_to(cr, 18, y - 16);
        cairo_line_to(cr, 18 + half, y + 6);
        cairo_line_to(cr, 18 - half, y + 6);
        cairo_close_path(cr);
        SetColor(cr, Palette::MossDark.Mix(look.Shade, 0.35));
        cairo_fill_preserve(cr);
        SnowCap(cr, 4, seed + i);
        cairo_new_path(cr);
    }
}

void StandingStone(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    cairo_move_to(cr, 5, 112);
    cairo_curve_to(cr, 3, 70, 6, 20, 16, 6);
    cairo_curve_to(cr, 26, 8, 32, 40, 31, 112);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::Stone, seed, 1.2);
    SetColor(cr, look.Stone, 0.3);
    cairo_fill_preserve(cr);
    Shade(cr, 6, 112, 0.5);
    SnowCap(cr, 10, seed);
    cairo_new_path(cr);
    // a carved spiral
    cairo_new_path(cr);
    for (int k = 0; k < 40; ++k) {
        const double a = k * 0.4, r = 1 + k * 0.2;
        cairo_line_to(cr, 18 + std::cos(a) * r, 56 + std::sin(a) * r);
    }
    SetColor(cr, Palette::StoneDeep, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Block4(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    switch (look.Number) {
    case 1:
        Post(cr, look, seed);
        break;
    case 2:
        ReedStalks(cr, look, seed);
        break;
    case 3:
        SlimPine(cr, look, seed);
        break;
    default:
        StandingStone(cr, look, seed);
        break;
    }
}

// The breakable barrier: brambles, rotten reeds, loose rockfall, a block of ice. Each shows
// cracks or breaks, so it reads as something that can be cleared away.
void RottenReeds(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 16; ++i) {
        const double x = 8 + 60 * Hash01(seed, i, 1), bend = 20 + 30 * Hash01(seed, i, 2);
        const double side = Hash01(seed, i, 3) > 0.5 ? 1 : -1;
        cairo_move_to(cr, x, 72);
        cairo_line_to(cr, x + side * 3, 72 - bend);
        cairo_line_to(cr, x + side * (3 + 18 * Hash01(seed, i, 4)), 72 - bend + 18);
        cairo_set_line_width(cr, 3.2);
        SetColor(cr, look.WoodDark.Mix(look.Wood, 0.3 + 0.5 * Hash01(seed, i, 5)));
        cairo_stroke(cr);
    }
    // a band of twine holds the dead bundle together
    cairo_move_to(cr, 8, 52);
    cairo_curve_to(cr, 30, 58, 48, 58, 70, 50);
    cairo_set_line_width(cr, 3);
    SetColor(cr, Palette::Parchment.Mix(look.Wood, 0.5));
    cairo_stroke(cr);
}

void Rockfall(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    for (int i = 0; i < 12; ++i) {
        const double row = i < 5 ? 0 : i < 9 ? 1 : 2;
        const double x = 12 + (i - (row == 0 ? 0 : row == 1 ? 5 : 9)) * (14 + row * 2) + row * 8;
        Rock(cr, look, x + 4 * Hash01(seed, i), 64 - row * 17, 9 + 2 * Hash01(seed, i, 1), 8,
             seed + i, 0.5);
    }
    // dust and grit trickling between the stones
    for (int i = 0; i < 14; ++i) {
        cairo_arc(cr, 8 + 60 * Hash01(seed, i, 7), 20 + 50 * Hash01(seed, i, 8), 1.4, 0, 2 * M_PI);
        SetColor(cr, look.Stone.Mix(Palette::Parchment, 0.3));
        cairo_fill(cr);
    }
}

void IceBlock(cairo_t* cr, uint32_t seed) {
    RoundedRect(cr, 6, 8, 64, 64, 7);
    cairo_pattern_t* p = cairo_pattern_create_linear(6, 8, 70, 72);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.88, 0.96, 1.0, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.45, 0.66, 0.86, 0.92);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, {1, 1, 1}, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // cracks running from a weak point
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 5; ++i) {
        double x = 40, y = 38;
        cairo_move_to(cr, x, y);
        const double a = i * 1.3 + Hash01(seed, i) * 0.6;
        for (int k = 1; k <= 3; ++k)
            cairo_line_to(cr, x += std::cos(a + (Hash01(seed, i, k) - 0.5)) * 9,
                          y += std::sin(a + (Hash01(seed, i, k) - 0.5)) * 9);
        SetColor(cr, {0.25, 0.42, 0.62}, 0.8);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
    }
    RoundedRect(cr, 6, 2, 64, 14, 7);
    SetColor(cr, {0.97, 0.98, 1.0});
    cairo_fill(cr);
}

void Breakable(cairo_t* cr, const TChapterLook& look, uint32_t seed) {
    switch (look.Number) {
    case 1:
        Landscape::Brambles(cr, 3, 3, 70, 70, seed);
        Landscape::Brambles(cr, 6, 10, 64, 62, seed + 1);
        break;
    case 2:
        RottenReeds(cr, look, seed);
        break;
    case 3:
        Rockfall(cr, look, seed);
        break;
    default:
        IceBlock(cr, seed);
        break;
    }
}

void AddBoardPicture(TContentArchive& squares, const TChapterLook& look, const std::string& part,
                     int w, int h, void (*draw)(cairo_t*, const TChapterLook&, uint32_t)) {
    TCanvas c(w, h);
    draw(c.Cr(), look, 500 + 10 * look.Number + static_cast<uint32_t>(part.size()));
    ClearFaintPixels(c, FringeAlpha);
    AddChapterImage(squares, look.Number, part, c);
}

} // namespace

void AddChapterBlocks(TContentArchive& squares, const TChapterLook& look) {
    AddBoardPicture(squares, look, "Block1", 76, 76, Block1);
    AddBoardPicture(squares, look, "Block2", 116, 76, Block2);
    AddBoardPicture(squares, look, "Block3", 156, 116, Block3);
    AddBoardPicture(squares, look, "Block4", 36, 116, Block4);
    AddBoardPicture(
        squares, look, "Breakable", 76, 76,
        [](cairo_t* cr, const TChapterLook& l, uint32_t seed) { Breakable(cr, l, seed); });
}
