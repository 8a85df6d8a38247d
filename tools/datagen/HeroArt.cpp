#include "HeroArt.h"

#include <cmath>
#include <functional>

#include "Canvas.h"
#include "ContentArchive.h"
#include "Landscape.h"
#include "Style.h"

namespace {

constexpr double C = 64; // the medallion's centre

const TColor RimTints[4] = {
    Palette::Amber, {0.52, 0.70, 0.40}, {0.72, 0.80, 0.96}, {0.98, 0.72, 0.64}};

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angle = 0) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void Medallion(cairo_t* cr, int chapter, int level) {
    const TColor tint = RimTints[chapter - 1];
    cairo_arc(cr, C, C, 60, 0, 2 * M_PI);
    FillMaterial(cr, TMaterial::Stone, 80 + level);
    SetColor(cr, tint, 0.22);
    cairo_fill_preserve(cr);
    CarveInnerRim(cr, 1.2);
    cairo_new_path(cr);
    cairo_arc(cr, C, C, 50.5, 0, 2 * M_PI);
    SetColor(cr, tint, 0.75);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, C, C, 48, 0, 2 * M_PI);
    SetColor(cr, Palette::StoneDeep, 0.8);
    cairo_fill(cr);
    Glow(cr, C, C, 46, tint, 0.25);
}

// A twig of living wood along a curve given by t in 0..1.
void Twig(cairo_t* cr, const std::function<void(double, double&, double&)>& at, int n = 16) {
    BarkAlong(cr, n, [&](int i, double& x, double& y) { at(i / double(n), x, y); });
}

void Bud(cairo_t* cr, double x, double y, double angle) {
    DrawLeaf(cr, x, y, angle - 0.5, 16, Palette::Leaf);
    DrawLeaf(cr, x, y, angle + 0.5, 16, Palette::Leaf);
}

void Moon(cairo_t* cr, double x, double y, double r) {
    Glow(cr, x, y, r * 1.8, {0.9, 0.9, 1.0}, 0.3);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    SetColor(cr, {0.95, 0.93, 0.84});
    cairo_fill(cr);
}

void StoneAt(cairo_t* cr, double x, double y, double rx, double ry, uint32_t seed) {
    Ellipse(cr, x, y, rx, ry);
    FillMaterial(cr, TMaterial::Stone, seed, 0.8);
    SetColor(cr, Palette::Night, 0.25);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Flame(cairo_t* cr, double x, double base, double w, double h) {
    Glow(cr, x, base - h * 0.5, h, Palette::Amber, 0.45);
    cairo_move_to(cr, x - w, base);
    cairo_curve_to(cr, x - w, base - h * 0.5, x - w * 0.2, base - h * 0.7, x, base - h);
    cairo_curve_to(cr, x + w * 0.2, base - h * 0.7, x + w, base - h * 0.5, x + w, base);
    cairo_close_path(cr);
    SetColor(cr, Palette::Amber);
    cairo_fill(cr);
    Ellipse(cr, x, base - h * 0.25, w * 0.45, h * 0.25);
    SetColor(cr, {1, 0.95, 0.75});
    cairo_fill(cr);
}

void Peak(cairo_t* cr, double snowDepth) {
    cairo_move_to(cr, 20, 96);
    cairo_line_to(cr, 52, 46);
    cairo_line_to(cr, 60, 54);
    cairo_line_to(cr, 72, 34);
    cairo_line_to(cr, 108, 96);
    cairo_close_path(cr);
    SetColor(cr, {0.30, 0.34, 0.46});
    cairo_fill(cr);
    cairo_move_to(cr, 72, 34);
    cairo_line_to(cr, 72 + snowDepth * 0.6, 34 + snowDepth);
    cairo_line_to(cr, 70, 34 + snowDepth * 0.8);
    cairo_line_to(cr, 64, 34 + snowDepth * 1.1);
    cairo_line_to(cr, 72 - snowDepth * 0.55, 34 + snowDepth * 0.9);
    cairo_close_path(cr);
    SetColor(cr, {0.93, 0.95, 1.0});
    cairo_fill(cr);
}

void Star(cairo_t* cr, double x, double y, double r) {
    Glow(cr, x, y, r * 2.2, {1, 1, 0.85}, 0.4);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4 - M_PI / 2, rr = k % 2 ? r * 0.4 : r;
        cairo_line_to(cr, x + std::cos(a) * rr, y + std::sin(a) * rr);
    }
    cairo_close_path(cr);
    SetColor(cr, {1, 0.97, 0.8});
    cairo_fill(cr);
}

void Lantern(cairo_t* cr, double x, double y) {
    Glow(cr, x, y, 10, Palette::Amber, 0.6);
    RoundedRect(cr, x - 4, y - 5, 8, 10, 2);
    SetColor(cr, Palette::Amber);
    cairo_fill_preserve(cr);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void PiecePlate(cairo_t* cr, double x, double y, double s, int mask, double glow) {
    if (glow > 0) Glow(cr, x + s / 2, y + s / 2, s * 1.1, Palette::Amber, glow);
    RoundedRect(cr, x, y, s, s, s * 0.18);
    FillMaterial(cr, TMaterial::Stone, 90 + mask, 0.6);
    CarveInnerRim(cr, 0.6);
    cairo_new_path(cr);
    for (int side = 1; side <= 4; ++side)
        if (mask & (1 << (side - 1))) {
            const double a = -M_PI / 2 + (side - 1) * M_PI / 2;
            Twig(
                cr,
                [&](double t, double& px, double& py) {
                    px = x + s / 2 + std::cos(a) * t * s / 2;
                    py = y + s / 2 + std::sin(a) * t * s / 2;
                },
                4);
        }
}

// ---- the signs of the 24 levels ----

void FirstTwigs(cairo_t* cr) {
    Twig(cr, [](double t, double& x, double& y) {
        x = 54 + 14 * t + 4 * std::sin(t * 3);
        y = 100 - 58 * t;
    });
    Bud(cr, 72, 42, -M_PI / 2);
    DrawLeaf(cr, 60, 74, -2.6, 14, Palette::Leaf);
}

void TheTurn(cairo_t* cr) {
    Twig(
        cr,
        [](double t, double& x, double& y) {
            const double a = M_PI * 0.9 + t * M_PI * 1.6, r = 30 - 12 * t;
            x = C + std::cos(a) * r + (1 - t) * -4;
            y = C + std::sin(a) * r + (1 - t) * 26;
        },
        24);
    Bud(cr, C + 2, C - 12, -0.3);
}

void ClosingEnds(cairo_t* cr) {
    Twig(
        cr,
        [](double t, double& x, double& y) {
            x = C + std::cos(t * 2 * M_PI) * 27;
            y = C + std::sin(t * 2 * M_PI) * 27;
        },
        32);
    for (int k = 0; k < 3; ++k) {
        const double a = k * 2 * M_PI / 3 - M_PI / 2;
        DrawLeaf(cr, C + std::cos(a) * 27, C + std::sin(a) * 27, a, 13, Palette::Leaf);
    }
}

void TheBumper(cairo_t* cr) {
    RoundedRect(cr, 24, 76, 44, 16, 3);
    FillMaterial(cr, TMaterial::Wood, 7);
    cairo_new_path(cr);
    for (double wx : {34.0, 58.0}) {
        cairo_arc(cr, wx, 96, 7, 0, 2 * M_PI);
        SetColor(cr, Palette::BarkDark);
        cairo_fill(cr);
        cairo_arc(cr, wx, 96, 2.5, 0, 2 * M_PI);
        SetColor(cr, Palette::BarkLight);
        cairo_fill(cr);
    }
    Twig(
        cr,
        [](double t, double& x, double& y) {
            x = 74 + 24 * t;
            y = 50 + 14 * t - 10 * std::sin(t * M_PI);
        },
        6);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 60 - i * 2, 44 + i * 7);
        cairo_line_to(cr, 68 - i * 2, 48 + i * 7);
        SetColor(cr, Palette::Parchment, 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void TheHammer(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, C, C);
    cairo_rotate(cr, -0.6);
    RoundedRect(cr, -4, -10, 8, 50, 3);
    FillMaterial(cr, TMaterial::Wood, 11);
    cairo_new_path(cr);
    RoundedRect(cr, -22, -30, 44, 22, 5);
    FillMaterial(cr, TMaterial::Bark, 12, 0.8);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DuskGathering(cairo_t* cr) {
    Moon(cr, 70, 58, 26);
    const TColor owl{0.22, 0.15, 0.12};
    Ellipse(cr, 54, 80, 16, 21);
    SetColor(cr, owl);
    cairo_fill(cr);
    cairo_move_to(cr, 42, 58);
    cairo_line_to(cr, 44, 48);
    cairo_line_to(cr, 50, 58);
    cairo_move_to(cr, 58, 58);
    cairo_line_to(cr, 64, 48);
    cairo_line_to(cr, 66, 58);
    cairo_fill(cr);
    Ellipse(cr, 54, 64, 14, 11);
    cairo_fill(cr);
    for (double ex : {48.0, 60.0}) {
        cairo_arc(cr, ex, 64, 4.5, 0, 2 * M_PI);
        SetColor(cr, Palette::Amber);
        cairo_fill(cr);
        cairo_arc(cr, ex, 64, 1.8, 0, 2 * M_PI);
        SetColor(cr, Palette::Night);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 30, 100);
    cairo_line_to(cr, 94, 98);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

void Reed(cairo_t* cr, double x, double base, double h, double lean) {
    cairo_move_to(cr, x, base);
    cairo_curve_to(cr, x, base - h * 0.6, x + lean * 0.5, base - h * 0.8, x + lean, base - h);
    SetColor(cr, Palette::Moss);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    Ellipse(cr, x + lean * 0.85, base - h * 0.82, 2.6, 7);
    SetColor(cr, Palette::Bark);
    cairo_fill(cr);
}

void StonesInReeds(cairo_t* cr) {
    for (int i = 0; i < 5; ++i)
        Reed(cr, 34 + i * 14, 96, 50 + 10 * (i % 3), (i - 2) * 4);
    StoneAt(cr, 44, 92, 14, 10, 21);
    StoneAt(cr, 74, 94, 16, 11, 22);
    StoneAt(cr, 60, 82, 11, 8, 23);
}

void GhostTwigs(cairo_t* cr) {
    Glow(cr, C, C, 40, {0.8, 0.95, 0.9}, 0.35);
    cairo_push_group(cr);
    Twig(cr, [](double t, double& x, double& y) {
        x = 34 + 60 * t;
        y = 84 - 40 * t + 8 * std::sin(t * 5);
    });
    Bud(cr, 94, 44, -0.7);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.5);
}

void Patterns(cairo_t* cr) {
    PiecePlate(cr, 30, 30, 30, 2 | 4, 0);
    PiecePlate(cr, 68, 30, 30, 4 | 8, 0);
    PiecePlate(cr, 30, 68, 30, 1 | 2, 0);
}

void GiftsAndRiddles(cairo_t* cr) {
    PiecePlate(cr, 38, 38, 52, 0, 0.6);
    SetColor(cr, Palette::Amber);
    DrawText(cr, "?", 52, 84, 40, true, true);
}

void HeronsStones(cairo_t* cr) {
    const TColor grey{0.70, 0.72, 0.74};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double lx : {50.0, 56.0}) {
        cairo_move_to(cr, lx, 72);
        cairo_line_to(cr, lx - 2, 102);
    }
    SetColor(cr, {0.80, 0.60, 0.30});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Ellipse(cr, 54, 64, 15, 9, -0.3);
    SetColor(cr, grey);
    cairo_fill(cr);
    cairo_move_to(cr, 64, 58);
    cairo_curve_to(cr, 74, 50, 62, 40, 68, 30);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, 69, 29, 4, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, 72, 28);
    cairo_line_to(cr, 88, 32);
    cairo_line_to(cr, 72, 31);
    SetColor(cr, {0.90, 0.70, 0.30});
    cairo_fill(cr);
    StoneAt(cr, 84, 94, 14, 10, 31);
}

void MarshLights(cairo_t* cr) {
    const TColor wisp{0.55, 1.0, 0.80};
    Glow(cr, C, 60, 40, wisp, 0.45);
    cairo_move_to(cr, 54, 68);
    cairo_curve_to(cr, 50, 50, 62, 44, 64, 28);
    cairo_curve_to(cr, 70, 44, 80, 54, 74, 68);
    cairo_curve_to(cr, 70, 78, 58, 78, 54, 68);
    SetColor(cr, wisp, 0.75);
    cairo_fill(cr);
    Glow(cr, C, 64, 9, {1, 1, 0.95}, 1.0);
    for (int i = 0; i < 4; ++i)
        Glow(cr, 40 + i * 16, 94 - (i % 2) * 8, 3, wisp, 0.9);
}

void TheClipper(cairo_t* cr) {
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, C, C);
        cairo_rotate(cr, side * 0.35);
        cairo_move_to(cr, -3, 0);
        cairo_line_to(cr, 0, -38);
        cairo_line_to(cr, 4, 0);
        cairo_close_path(cr);
        SetColor(cr, {0.82, 0.84, 0.88});
        cairo_fill(cr);
        cairo_arc(cr, 0, 20, 9, 0, 2 * M_PI);
        SetColor(cr, Palette::Bark);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    cairo_arc(cr, C, C, 3, 0, 2 * M_PI);
    SetColor(cr, Palette::StoneDeep);
    cairo_fill(cr);
}

void Rockfall(cairo_t* cr) {
    Glow(cr, C, 58, 36, Palette::Ember, 0.5);
    for (int k = 0; k < 10; ++k) {
        const double a = k * M_PI / 5, r = k % 2 ? 14 : 30;
        cairo_line_to(cr, C + std::cos(a) * r, 58 + std::sin(a) * r);
    }
    cairo_close_path(cr);
    SetColor(cr, Palette::Amber);
    cairo_fill(cr);
    StoneAt(cr, 36, 92, 12, 9, 41);
    StoneAt(cr, 62, 98, 14, 8, 42);
    StoneAt(cr, 90, 90, 11, 9, 43);
    StoneAt(cr, 92, 40, 6, 5, 44);
    StoneAt(cr, 34, 44, 5, 4, 45);
}

void BatShape(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, side * 6, -10, side * 14, -14, side * 22, -12);
        cairo_line_to(cr, side * 18, -4);
        cairo_line_to(cr, side * 14, -6);
        cairo_line_to(cr, side * 10, 2);
        cairo_close_path(cr);
    }
    Ellipse(cr, 0, 1, 5, 6);
    cairo_move_to(cr, -4, -4);
    cairo_line_to(cr, -3, -10);
    cairo_line_to(cr, 0, -5);
    cairo_line_to(cr, 3, -10);
    cairo_line_to(cr, 4, -4);
    SetColor(cr, {0.08, 0.07, 0.12});
    cairo_fill(cr);
    cairo_restore(cr);
}

void DriftingShapes(cairo_t* cr) {
    for (int i = 0; i < 5; ++i)
        Glow(cr, 40 + i * 12, 62 + (i % 2) * 6, 20, {0.78, 0.84, 0.96}, 0.6);
    BatShape(cr, C, 58, 1.4);
}

void FireOnThePass(cairo_t* cr) {
    cairo_move_to(cr, 58, 104);
    cairo_line_to(cr, 66, 54);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    SetColor(cr, Palette::Bark);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    RoundedRect(cr, 60, 48, 13, 12, 3);
    SetColor(cr, Palette::BarkLight.Mix(Palette::Parchment, 0.3));
    cairo_fill(cr);
    Flame(cr, 67, 50, 10, 32);
}

void HighPath(cairo_t* cr) {
    Peak(cr, 16);
    cairo_move_to(cr, 40, 96);
    cairo_curve_to(cr, 80, 90, 80, 80, 56, 74);
    cairo_curve_to(cr, 40, 68, 70, 60, 78, 54);
    cairo_curve_to(cr, 82, 50, 70, 44, 72, 36);
    const double dash[] = {4, 3};
    cairo_set_dash(cr, dash, 2, 0);
    SetColor(cr, Palette::Amber);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void NightSummit(cairo_t* cr) {
    Peak(cr, 20);
    Star(cr, 40, 34, 6);
    Star(cr, 92, 30, 5);
    Star(cr, 58, 24, 4);
    Star(cr, 84, 52, 3);
}

void FrostRoots(cairo_t* cr) {
    for (int i = 0; i < 5; ++i) {
        const double ex = 24 + i * 20;
        Twig(
            cr,
            [&](double t, double& x, double& y) {
                x = C + (ex - C) * t;
                y = 36 + 60 * std::sin(t * M_PI / 2) * (0.7 + 0.06 * i);
            },
            10);
    }
    for (int i = 0; i < 26; ++i)
        Glow(cr, 26 + 76 * Hash01(51, i), 40 + 56 * Hash01(52, i), 2.6, {0.92, 0.96, 1.0}, 0.95);
}

void SleepingOak(cairo_t* cr) {
    Landscape::Broadleaf(cr, C, 104, 90, Palette::Leaf.Mix(Palette::MossDark, 0.5), 61);
    cairo_move_to(cr, C - 16, 106);
    cairo_curve_to(cr, C - 10, 90, C - 12, 70, C - 8, 58);
    cairo_line_to(cr, C + 8, 58);
    cairo_curve_to(cr, C + 12, 70, C + 10, 90, C + 16, 106);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::Bark, 62, 0.8);
    cairo_new_path(cr);
    // the knot of a closed, sleeping eye
    Ellipse(cr, C, 84, 8, 5);
    SetColor(cr, Palette::BarkDark);
    cairo_fill(cr);
    cairo_arc(cr, C, 82, 7, 0.15 * M_PI, 0.85 * M_PI);
    SetColor(cr, Palette::Parchment);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) {
        const double a = (0.35 + 0.15 * k) * M_PI;
        cairo_move_to(cr, C + std::cos(a) * 7, 82 + std::sin(a) * 7);
        cairo_line_to(cr, C + std::cos(a) * 11, 82 + std::sin(a) * 11);
    }
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
}

void Thaw(cairo_t* cr) {
    RoundedRect(cr, 26, 26, 76, 12, 6);
    SetColor(cr, {0.95, 0.97, 1.0});
    cairo_fill(cr);
    cairo_move_to(cr, 56, 34);
    cairo_line_to(cr, 72, 34);
    cairo_line_to(cr, 64, 72);
    cairo_close_path(cr);
    SetColor(cr, {0.78, 0.90, 1.0}, 0.95);
    cairo_fill(cr);
    cairo_move_to(cr, 64, 82);
    cairo_curve_to(cr, 66, 88, 70, 92, 70, 96);
    cairo_arc(cr, 64, 96, 6, 0, M_PI);
    cairo_curve_to(cr, 58, 92, 62, 88, 64, 82);
    SetColor(cr, {0.70, 0.86, 1.0});
    cairo_fill(cr);
    Glow(cr, 62, 95, 3, {1, 1, 1}, 0.9);
}

void LanternRing(cairo_t* cr) {
    cairo_arc(cr, C, C, 28, 0, 2 * M_PI);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int k = 0; k < 6; ++k) {
        const double a = k * M_PI / 3 - M_PI / 2;
        Lantern(cr, C + std::cos(a) * 28, C + std::sin(a) * 28);
    }
}

void WintersHeart(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 6; ++k) {
        const double a = k * M_PI / 3;
        const double dx = std::cos(a), dy = std::sin(a);
        cairo_move_to(cr, C + dx * 10, C + dy * 10);
        cairo_line_to(cr, C + dx * 38, C + dy * 38);
        for (int s = -1; s <= 1; s += 2) {
            cairo_move_to(cr, C + dx * 26, C + dy * 26);
            cairo_line_to(cr, C + dx * 26 + std::cos(a + s * 0.8) * 9,
                          C + dy * 26 + std::sin(a + s * 0.8) * 9);
        }
    }
    SetColor(cr, {0.92, 0.96, 1.0});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Glow(cr, C, C, 18, Palette::Amber, 0.8);
    cairo_arc(cr, C, C, 7, 0, 2 * M_PI);
    SetColor(cr, Palette::Amber);
    cairo_fill(cr);
}

void DawnOfTheGrove(cairo_t* cr) {
    cairo_save(cr);
    cairo_arc(cr, C, C, 48, 0, 2 * M_PI);
    cairo_clip(cr);
    Glow(cr, C, 84, 50, {1.0, 0.80, 0.60}, 0.7);
    cairo_arc(cr, C, 84, 18, M_PI, 2 * M_PI);
    SetColor(cr, {1.0, 0.86, 0.55});
    cairo_fill(cr);
    for (int k = 0; k < 7; ++k) {
        const double a = M_PI + (k + 0.5) * M_PI / 7;
        cairo_move_to(cr, C + std::cos(a) * 24, 84 + std::sin(a) * 24);
        cairo_line_to(cr, C + std::cos(a) * 38, 84 + std::sin(a) * 38);
    }
    SetColor(cr, {1.0, 0.86, 0.55}, 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double tx : {30.0, 46.0, 84.0, 100.0})
        Landscape::Fir(cr, tx, 100, 52 + (int(tx) % 3) * 6, {0.30, 0.22, 0.30}, int(tx));
    cairo_rectangle(cr, 0, 96, 128, 40);
    SetColor(cr, {0.95, 0.94, 0.98});
    cairo_fill(cr);
    cairo_restore(cr);
}

using TSign = void (*)(cairo_t*);
const TSign Signs[24] = {FirstTwigs,    TheTurn,       ClosingEnds,  TheBumper,     TheHammer,
                         DuskGathering, StonesInReeds, GhostTwigs,   Patterns,      GiftsAndRiddles,
                         HeronsStones,  MarshLights,   TheClipper,   Rockfall,      DriftingShapes,
                         FireOnThePass, HighPath,      NightSummit,  FrostRoots,    SleepingOak,
                         Thaw,          LanternRing,   WintersHeart, DawnOfTheGrove};

} // namespace

void AddHeroArt(TContentArchive& squares) {
    for (int level = 1; level <= 24; ++level) {
        TCanvas c(128, 128);
        cairo_t* cr = c.Cr();
        Medallion(cr, (level - 1) / 6 + 1, level);
        cairo_save(cr);
        Signs[level - 1](cr);
        cairo_restore(cr);
        const std::string name = "Hero" + std::to_string(level) + ".png";
        squares.AddImage(name, name, c);
    }
}
