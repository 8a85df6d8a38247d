// The middle layer of each chapter (z 100): tiles of 200 x 300 laid by a picture map in three
// columns, tile 1 the left wall of the place, tile 2 a sparse middle, tile 3 the right wall.
// Everything is periodic in y, so a column of one tile joins into one unbroken wall.
#include <cmath>

#include "Canvas.h"
#include "ChapterLook.h"
#include "Landscape.h"

namespace {

constexpr int TileW = 200, TileH = 300;
constexpr double Period = TileH;

// A sway that repeats every tile height.
double Sway(double y, double amp, uint32_t seed) {
    const double t = 2 * M_PI * y / Period;
    return amp * (std::sin(t + Hash01(seed, 1) * 6.28) * 0.7 +
                  std::sin(2 * t + Hash01(seed, 2) * 6.28) * 0.3);
}

// An upright trunk through the whole tile, with bark furrows and light on its sky side
// (rimSide +1: the right edge, -1: the left edge).
void Trunk(cairo_t* cr, double x, double width, double sway, const TColor& fill,
           const TColor& furrow, const TColor& rim, int rimSide, uint32_t seed) {
    cairo_new_path(cr);
    for (double y = -10; y <= TileH + 10; y += 4)
        cairo_line_to(cr, x - width / 2 + Sway(y, sway, seed), y);
    for (double y = TileH + 10; y >= -10; y -= 4)
        cairo_line_to(cr, x + width / 2 + Sway(y, sway, seed + 5), y);
    cairo_close_path(cr);
    SetColor(cr, fill);
    cairo_fill(cr);
    const int furrows = std::max(1, static_cast<int>(width / 9));
    for (int i = 0; i < furrows; ++i) {
        const double at = (i + 0.5) / furrows - 0.5;
        cairo_new_path(cr);
        for (double y = -10; y <= TileH + 10; y += 4) {
            const double left = x - width / 2 + Sway(y, sway, seed);
            const double right = x + width / 2 + Sway(y, sway, seed + 5);
            cairo_line_to(cr,
                          (left + right) / 2 + at * (right - left) * 0.85 +
                              Sway(y * 3, 1.2, seed + 10 + i),
                          y);
        }
        cairo_set_line_width(cr, 1.2 + Hash01(seed, i, 3) * 1.5);
        SetColor(cr, furrow, 0.7);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    for (double y = -10; y <= TileH + 10; y += 4)
        cairo_line_to(cr,
                      x + rimSide * width / 2 + Sway(y, sway, seed + (rimSide > 0 ? 5 : 0)) -
                          rimSide * 1.5,
                      y);
    cairo_set_line_width(cr, 2.5);
    SetColor(cr, rim, 0.45);
    cairo_stroke(cr);
}

// A limb from (x, y) reaching out by dx and up by dy, tapering; snow on its upper side.
void Limb(cairo_t* cr, double x, double y, double dx, double dy, double width, const TColor& c,
          bool snow) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int part = 0; part < 2; ++part) {
        const double w = width * (part ? 0.45 : 1.0);
        const double t0 = part ? 0.5 : 0.0, t1 = part ? 1.0 : 0.55;
        cairo_move_to(cr, x + dx * t0, y - dy * t0 * t0);
        cairo_curve_to(cr, x + dx * (t0 + (t1 - t0) * 0.4), y - dy * t0 * t0 - 1,
                       x + dx * (t0 + (t1 - t0) * 0.8), y - dy * t1 * t1 * 0.9, x + dx * t1,
                       y - dy * t1 * t1);
        cairo_set_line_width(cr, w);
        SetColor(cr, c);
        cairo_stroke(cr);
        if (snow) {
            cairo_move_to(cr, x + dx * t0 + 2 * (dx > 0 ? 1 : -1), y - dy * t0 * t0 - w * 0.4);
            cairo_curve_to(cr, x + dx * (t0 + (t1 - t0) * 0.4), y - dy * t0 * t0 - 1 - w * 0.4,
                           x + dx * (t0 + (t1 - t0) * 0.8), y - dy * t1 * t1 * 0.9 - w * 0.4,
                           x + dx * t1 * 0.97, y - dy * t1 * t1 - w * 0.35);
            cairo_set_line_width(cr, w * 0.45);
            SetColor(cr, {0.95, 0.96, 1.0});
            cairo_stroke(cr);
        }
    }
}

void LeafClump(cairo_t* cr, double x, double y, double r, const TColor& c, const TColor& rim,
               uint32_t seed) {
    auto clump = [&] {
        for (int i = 0; i < 14; ++i) {
            const double a = Hash01(seed, i, 1) * 2 * M_PI, d = r * 0.7 * Hash01(seed, i, 2);
            cairo_new_sub_path(cr);
            cairo_arc(cr, x + std::cos(a) * d, y + std::sin(a) * d * 0.7,
                      r * (0.3 + 0.2 * Hash01(seed, i, 3)), 0, 2 * M_PI);
        }
    };
    // the light of the sky catches the upper edge of the leaves
    cairo_save(cr);
    cairo_translate(cr, 0, -2);
    clump();
    cairo_restore(cr);
    SetColor(cr, rim, 0.35);
    cairo_fill(cr);
    clump();
    SetColor(cr, c);
    cairo_fill(cr);
}

void FirTiers(cairo_t* cr, double x, double step, double half, const TColor& c, bool snow,
              uint32_t seed) {
    DrawWrapped(cr, Period, [&] {
        for (double y = 0; y < Period; y += step) {
            const double h = half * (0.8 + 0.4 * Hash01(seed, static_cast<uint32_t>(y), 1));
            cairo_move_to(cr, x, y - step * 0.7);
            cairo_curve_to(cr, x + h * 0.3, y - step * 0.3, x + h * 0.8, y, x + h, y + 6);
            cairo_curve_to(cr, x + h * 0.5, y + 2, x - h * 0.5, y + 2, x - h, y + 6);
            cairo_curve_to(cr, x - h * 0.8, y, x - h * 0.3, y - step * 0.3, x, y - step * 0.7);
            cairo_close_path(cr);
            SetColor(cr, c);
            if (snow) cairo_fill_preserve(cr), SnowCap(cr, 4, seed + static_cast<uint32_t>(y));
            cairo_fill(cr);
        }
    });
}

// 1: firs and broadleaves at the forest edge.
void ForestTile(cairo_t* cr, const TChapterLook& look, uint32_t seed, bool wall) {
    const TColor leaf = look.Shade.Mix(Palette::MossDark, 0.3);
    const TColor bark = look.Shade.Mix(look.WoodDark, 0.4);
    if (!wall) {
        Trunk(cr, 100, 9, 4, bark, look.Shade, look.Rim, 1, seed);
        DrawWrapped(cr, Period, [&] {
            Limb(cr, 100, 90, 40, 30, 4, bark, false);
            LeafClump(cr, 140, 58, 18, leaf, look.Rim, seed + 1);
            Limb(cr, 100, 240, -36, 24, 4, bark, false);
            LeafClump(cr, 64, 214, 15, leaf, look.Rim, seed + 2);
        });
        Landscape::Fireflies(cr, 20, 20, 160, 260, 4, seed + 3);
        return;
    }
    FirTiers(cr, 135, 38, 48, leaf.Mix(look.Shade, 0.4), false, seed + 4);
    Trunk(cr, 135, 10, 2, bark, look.Shade, look.Rim, 1, seed + 5);
    Trunk(cr, 40, 46, 6, bark, look.Shade, look.Rim, 1, seed + 6);
    DrawWrapped(cr, Period, [&] {
        Limb(cr, 55, 120, 70, 40, 9, bark, false);
        LeafClump(cr, 125, 78, 30, leaf, look.Rim, seed + 7);
        Limb(cr, 55, 260, 50, 30, 7, bark, false);
        LeafClump(cr, 100, 226, 26, leaf, look.Rim, seed + 8);
        LeafClump(cr, 8, 170, 34, leaf, look.Rim, seed + 9);
        LeafClump(cr, 20, 30, 30, leaf, look.Rim, seed + 10);
        LeafClump(cr, 75, 175, 20, leaf, look.Rim, seed + 11);
    });
}

void ReedStem(cairo_t* cr, double x, const TColor& c, double width, uint32_t seed) {
    cairo_new_path(cr);
    for (double y = -10; y <= TileH + 10; y += 5)
        cairo_line_to(cr, x + Sway(y, 3, seed), y);
    cairo_set_line_width(cr, width);
    SetColor(cr, c);
    cairo_stroke(cr);
}

void ReedBlade(cairo_t* cr, double x, double y, double side, double len, const TColor& c) {
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + side * len * 0.3, y - len * 0.5, x + side * len * 0.8, y - len * 0.6,
                   x + side * len, y - len * 0.3);
    cairo_curve_to(cr, x + side * len * 0.7, y - len * 0.5, x + side * len * 0.3, y - len * 0.3,
                   x + side * 1.5, y + 6);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

void Cattail(cairo_t* cr, double x, double y, const TColor& c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 3.2, 10);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

// 2: reeds and dead trees in the marsh.
void MarshTile(cairo_t* cr, const TChapterLook& look, uint32_t seed, bool wall) {
    const TColor reed = look.Shade.Mix(Palette::Moss, 0.25);
    const TColor head = look.Shade.Mix(look.Wood, 0.5);
    const int stems = wall ? 22 : 4;
    if (wall) Trunk(cr, 24, 28, 5, look.Shade.Mix(look.Wood, 0.25), look.Shade, look.Rim, 1, seed);
    for (int i = 0; i < stems; ++i) {
        // dense against the edge, thinning towards the middle of the screen
        const double x =
            wall ? 10 + 160 * std::pow(Hash01(seed, i, 1), 1.6) : 40 + 120 * Hash01(seed, i, 1);
        ReedStem(cr, x, reed.Mix(look.Rim, 0.15 * Hash01(seed, i, 2)), 1.5 + Hash01(seed, i, 3),
                 seed + 10 + i);
        DrawWrapped(cr, Period, [&] {
            const double y = Period * Hash01(seed, i, 4);
            ReedBlade(cr, x + Sway(y, 3, seed + 10 + i), y, Hash01(seed, i, 5) > 0.5 ? 1 : -1,
                      22 + 20 * Hash01(seed, i, 6), reed);
            if (Hash01(seed, i, 7) > 0.55)
                Cattail(cr, x + Sway(y + 90, 3, seed + 10 + i), std::fmod(y + 90, Period), head);
        });
    }
    if (wall)
        DrawWrapped(cr, Period, [&] {
            Limb(cr, 34, 70, 46, -18, 6, look.Shade.Mix(look.Wood, 0.25), false);
            Limb(cr, 34, 200, 38, 26, 5, look.Shade.Mix(look.Wood, 0.25), false);
        });
}

// 3: crags with pines on their ledges, snow on every shelf.
void CragTile(cairo_t* cr, const TChapterLook& look, uint32_t seed, bool wall) {
    const TColor rock = look.Shade.Mix(look.Stone, 0.28);
    const TColor pine = look.Shade.Mix(Palette::MossDark, 0.25);
    if (!wall) {
        FirTiers(cr, 100, 30, 22, pine, true, seed);
        Trunk(cr, 100, 6, 1.5, look.Shade.Mix(look.Wood, 0.3), look.Shade, look.Rim, 1, seed + 1);
        return;
    }
    auto edge = [&](double y) {
        return 72 + Sway(y, 22, seed) + 12 * std::abs(std::sin(y * 2 * M_PI / 75 + 1.0));
    };
    cairo_new_path(cr);
    cairo_move_to(cr, -10, -10);
    for (double y = -10; y <= TileH + 10; y += 3)
        cairo_line_to(cr, edge(y), y);
    cairo_line_to(cr, -10, TileH + 10);
    cairo_close_path(cr);
    SetColor(cr, rock);
    cairo_fill_preserve(cr);
    // facets of the rock face, lit by the moon on their upper sides
    cairo_save(cr);
    cairo_clip(cr);
    DrawWrapped(cr, Period, [&] {
        for (int i = 0; i < 9; ++i) {
            const double y = Period * Hash01(seed, i, 1), x = 10 + 70 * Hash01(seed, i, 2);
            const double w = 18 + 20 * Hash01(seed, i, 3);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + w, y + w * 0.4);
            cairo_line_to(cr, x + w * 0.7, y + w * 1.3);
            cairo_line_to(cr, x - w * 0.2, y + w * 0.9);
            cairo_close_path(cr);
            SetColor(cr, i % 3 ? look.Shade : rock.Mix(look.Rim, 0.2), 0.6);
            cairo_fill(cr);
        }
    });
    cairo_restore(cr);
    cairo_new_path(cr);
    for (double y = -10; y <= TileH + 10; y += 3)
        cairo_line_to(cr, edge(y) - 1.5, y);
    cairo_set_line_width(cr, 2.5);
    SetColor(cr, look.Rim, 0.5);
    cairo_stroke(cr);
    DrawWrapped(cr, Period, [&] {
        for (double y : {95.0, 235.0}) {
            const double x = edge(y);
            cairo_move_to(cr, x - 30, y - 4);
            cairo_line_to(cr, x + 36, y - 7);
            cairo_line_to(cr, x + 30, y + 5);
            cairo_line_to(cr, x + 8, y + 14);
            cairo_line_to(cr, x - 30, y + 26);
            cairo_close_path(cr);
            SetColor(cr, rock);
            cairo_fill_preserve(cr);
            SnowCap(cr, 7, seed + static_cast<uint32_t>(y));
            cairo_new_path(cr);
            Landscape::Fir(cr, x + 14, y - 4, 64, pine, seed + static_cast<uint32_t>(y));
        }
    });
}

// 4: huge old oaks and yews, their limbs carrying snow.
void GroveTile(cairo_t* cr, const TChapterLook& look, uint32_t seed, bool wall) {
    const TColor oak = look.Shade.Mix(look.Wood, 0.3);
    const TColor yew = look.Shade.Mix({0.45, 0.18, 0.14}, 0.35);
    if (!wall) {
        Trunk(cr, 100, 10, 4, oak, look.Shade, look.Rim, 1, seed);
        DrawWrapped(cr, Period, [&] {
            Limb(cr, 100, 70, 50, 28, 5, oak, true);
            Limb(cr, 100, 210, -46, 20, 5, oak, true);
        });
        return;
    }
    Trunk(cr, 150, 18, 4, yew, look.Shade, look.Rim, 1, seed + 1);
    Trunk(cr, 42, 84, 10, oak, look.Shade, look.Rim, 1, seed + 2);
    DrawWrapped(cr, Period, [&] {
        Limb(cr, 80, 130, 100, 50, 14, oak, true);
        Limb(cr, 150, 40, 45, 22, 6, yew, true);
        Limb(cr, 150, 260, -40, 20, 5, yew, true);
        // snow caught in the furrows of the old bark
        for (int i = 0; i < 10; ++i) {
            const double y = Period * Hash01(seed, i, 3), x = 8 + 66 * Hash01(seed, i, 4);
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, 2 + 3 * Hash01(seed, i, 5), 1.5 + Hash01(seed, i, 6));
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            SetColor(cr, {0.95, 0.96, 1.0}, 0.85);
            cairo_fill(cr);
        }
    });
}

void DrawTile(cairo_t* cr, const TChapterLook& look, uint32_t seed, bool wall) {
    switch (look.Number) {
    case 1:
        ForestTile(cr, look, seed, wall);
        break;
    case 2:
        MarshTile(cr, look, seed, wall);
        break;
    case 3:
        CragTile(cr, look, seed, wall);
        break;
    default:
        GroveTile(cr, look, seed, wall);
        break;
    }
}

} // namespace

void AddChapterTiles(TContentArchive& squares, const TChapterLook& look) {
    const uint32_t seed = 400 + 20 * look.Number;
    for (int tile = 1; tile <= 3; ++tile) {
        TCanvas c(TileW, TileH);
        cairo_t* cr = c.Cr();
        if (tile == 3) {
            // the right wall faces the other way, its light on its left side
            cairo_translate(cr, TileW, 0);
            cairo_scale(cr, -1, 1);
        }
        // the sparse middle stands a little farther off, softened by the air
        if (tile == 2) cairo_push_group(cr);
        DrawTile(cr, look, seed + tile, tile != 2);
        if (tile == 2) {
            cairo_pop_group_to_source(cr);
            cairo_paint_with_alpha(cr, 0.8);
        }
        AddChapterImage(squares, look.Number, "Tile" + std::to_string(tile), c);
    }
}
