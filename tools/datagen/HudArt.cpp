#include "HudArt.h"

#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "ContentArchive.h"
#include "Style.h"

namespace {

void Outlined(cairo_t* cr, const TColor& fill, const TColor& line, double width) {
    SetColor(cr, line);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetColor(cr, fill);
    cairo_fill(cr);
}

// The conveyor: wooden slats every 21 pixels, so the feed's 63-pixel cycle wraps seamlessly.
void AddBelt(TContentArchive& game) {
    TCanvas c(856, 8);
    cairo_t* cr = c.Cr();
    SetColor(cr, Palette::BarkDark);
    cairo_paint(cr);
    for (int x = 0; x < 856; x += 21) {
        cairo_rectangle(cr, x + 1, 1, 18, 6);
        FillMaterial(cr, TMaterial::Wood, 9, 0.8);
        cairo_new_path(cr);
        cairo_rectangle(cr, x + 1, 1, 18, 1.5);
        SetColor(cr, Palette::BarkLight, 0.55);
        cairo_fill(cr);
        cairo_rectangle(cr, x + 1, 5.5, 18, 1.5);
        SetColor(cr, Palette::Night, 0.45);
        cairo_fill(cr);
        cairo_arc(cr, x + 10, 4, 1.1, 0, 2 * M_PI);
        SetColor(cr, Palette::StoneLight, 0.8);
        cairo_fill(cr);
    }
    game.AddImage("lenta", "lenta.png", c);
}

// A stone mallet on a wooden haft. Its striking face is at (8, 25), the hammer's hot spot.
void AddHammer(TContentArchive& game) {
    TCanvas c(64, 64);
    cairo_t* cr = c.Cr();
    const double ux = -0.8, uy = 0.6, dx = 0.6, dy = 0.8;
    const double hx = 9 - 13 * ux, hy = 26 - 13 * uy;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int layer = 0; layer < 3; ++layer) {
        cairo_move_to(cr, hx + dx * 4, hy + dy * 4);
        cairo_line_to(cr, hx + dx * 50, hy + dy * 50);
        const double widths[] = {8, 5.5, 1.6};
        const TColor colors[] = {Palette::BarkDark, Palette::Bark, Palette::BarkLight};
        cairo_set_line_width(cr, widths[layer]);
        SetColor(cr, colors[layer], layer == 2 ? 0.7 : 1.0);
        cairo_stroke(cr);
    }
    // leather binding on the grip
    for (int i = 0; i < 4; ++i) {
        const double t = 36 + i * 3.2;
        cairo_move_to(cr, hx + dx * t - dy * 4, hy + dy * t + dx * 4);
        cairo_line_to(cr, hx + dx * t + dy * 4, hy + dy * t - dx * 4);
        SetColor(cr, Palette::Ember.Mix(Palette::BarkDark, 0.6));
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, hx, hy);
    cairo_rotate(cr, std::atan2(uy, ux));
    RoundedRect(cr, -14, -8.5, 28, 17, 4);
    SetColor(cr, Palette::Night, 0.6);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    FillMaterial(cr, TMaterial::Stone, 31, 0.5);
    CarveInnerRim(cr, 0.8);
    cairo_new_path(cr);
    cairo_rectangle(cr, -3, -9, 6, 18);
    SetColor(cr, Palette::BarkDark);
    cairo_fill(cr);
    cairo_rectangle(cr, -2, -9, 4, 18);
    SetColor(cr, Palette::Bark);
    cairo_fill(cr);
    cairo_restore(cr);
    Glow(cr, 9, 26, 5, Palette::Amber, 0.45);
    game.AddImage("hammer1.png", "hammer1.png", c);
}

// Pruning shears: the blades' tip is at (2, 9), the clipper's hot spot.
void AddClipper(TContentArchive& game) {
    TCanvas c(64, 64);
    cairo_t* cr = c.Cr();
    const double px = 21, py = 25;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // handles
    const double ends[2][2] = {{58, 52}, {46, 61}};
    for (const auto& e : ends) {
        for (int layer = 0; layer < 3; ++layer) {
            cairo_move_to(cr, px, py);
            cairo_curve_to(cr, px + 10, py + 8, e[0] - 12, e[1] - 10, e[0], e[1]);
            const double widths[] = {8.5, 6, 1.6};
            const TColor colors[] = {Palette::BarkDark, Palette::Bark, Palette::BarkLight};
            cairo_set_line_width(cr, widths[layer]);
            SetColor(cr, colors[layer], layer == 2 ? 0.7 : 1.0);
            cairo_stroke(cr);
        }
    }
    // spring between the handles
    cairo_move_to(cr, 42, 44);
    cairo_curve_to(cr, 46, 44, 40, 50, 44, 51);
    SetColor(cr, Palette::StoneLight);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // the hooked lower blade and the cutting upper blade
    cairo_move_to(cr, px + 3, py + 2);
    cairo_curve_to(cr, 14, 24, 6, 18, 2, 9);
    cairo_curve_to(cr, 9, 12, 15, 15, px + 2, py - 3);
    cairo_close_path(cr);
    Outlined(cr, Palette::Stone, Palette::Night, 1.6);
    cairo_move_to(cr, px - 2, py + 3);
    cairo_curve_to(cr, 12, 20, 5, 13, 3, 8);
    cairo_curve_to(cr, 10, 6, 19, 12, px + 3, py - 1);
    cairo_close_path(cr);
    Outlined(cr, Palette::StoneLight, Palette::Night, 1.6);
    cairo_move_to(cr, 5, 9);
    cairo_curve_to(cr, 10, 9, 15, 13, 19, 19);
    SetColor(cr, Palette::Parchment, 0.8);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_arc(cr, px, py, 3.2, 0, 2 * M_PI);
    Outlined(cr, Palette::Amber, Palette::BarkDark, 1.4);
    game.AddImage("cap1.png", "cap1.png", c);
}

// The arrow pointer, its tip at (0, 0): carved bone-pale wood with a dark edge.
void AddPointer(TContentArchive& game) {
    TCanvas c(24, 28);
    cairo_t* cr = c.Cr();
    const double pts[][2] = {{1, 1},     {1, 21},   {6, 16.5}, {10, 25.5},
                             {13.5, 24}, {9.5, 15}, {16, 15}};
    auto outline = [&] {
        cairo_move_to(cr, pts[0][0], pts[0][1]);
        for (const auto& p : pts)
            cairo_line_to(cr, p[0], p[1]);
        cairo_close_path(cr);
    };
    outline();
    SetColor(cr, Palette::Night, 0.9);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    outline();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 14, 24);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.74);
    cairo_pattern_add_color_stop_rgb(p, 1, Palette::BarkLight.R, Palette::BarkLight.G,
                                     Palette::BarkLight.B);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    game.AddImage("MouseCursor", "MouseCursor.png", c);
}

// An open twig end, drawn on the free square next to it: the twig's glowing tip reaching in
// through side 1. The other three sides are turned copies made by image scripts.
void AddLight(TContentArchive& game) {
    TCanvas c(40, 40);
    cairo_t* cr = c.Cr();
    Glow(cr, 20, 4, 20, Palette::Parchment, 0.55);
    Glow(cr, 20, 10, 9, {1.0, 1.0, 0.9}, 0.9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int layer = 0; layer < 2; ++layer) {
        cairo_move_to(cr, 20, -2);
        cairo_line_to(cr, 20, 9);
        cairo_set_line_width(cr, layer == 0 ? 7 : 3.5);
        SetColor(cr, layer == 0 ? Palette::Parchment : TColor{1, 1, 1}, 0.95);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 5; ++i) {
        const double a = M_PI / 2 + (i - 2) * 0.42;
        cairo_move_to(cr, 20 + std::cos(a) * 10, 10 + std::sin(a) * 10);
        cairo_line_to(cr, 20 + std::cos(a) * 17, 10 + std::sin(a) * 17);
        SetColor(cr, {1, 1, 0.85}, 0.5);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    game.AddImage("Light1", "Light1.png", c);
}

// The joint marker for side 1: a small arrow pointing out through the top; turned copies for
// the other sides come from image scripts.
void AddJointArrow(TContentArchive& game) {
    TCanvas c(10, 10);
    cairo_t* cr = c.Cr();
    cairo_move_to(cr, 5, 0.8);
    cairo_line_to(cr, 9.3, 6.5);
    cairo_line_to(cr, 6.4, 6.5);
    cairo_line_to(cr, 6.4, 9.3);
    cairo_line_to(cr, 3.6, 9.3);
    cairo_line_to(cr, 3.6, 6.5);
    cairo_line_to(cr, 0.7, 6.5);
    cairo_close_path(cr);
    Outlined(cr, {0.75, 1.0, 0.55}, Palette::MossDark, 1.3);
    game.AddImage("Ar1", "Ar1.png", c);
}

// The mark of a side that does not match.
void AddCross(TContentArchive& game) {
    TCanvas c(14, 14);
    cairo_t* cr = c.Cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int layer = 0; layer < 2; ++layer) {
        cairo_move_to(cr, 3, 3);
        cairo_line_to(cr, 11, 11);
        cairo_move_to(cr, 11, 3);
        cairo_line_to(cr, 3, 11);
        cairo_set_line_width(cr, layer == 0 ? 5 : 2.6);
        SetColor(cr, layer == 0 ? Palette::Night : Palette::Ember.Mix({1, 0.2, 0.1}, 0.4));
        cairo_stroke(cr);
    }
    game.AddImage("x", "x.png", c);
}

// The mark of a free square where a piece may go.
void AddFreeMark(TContentArchive& game) {
    TCanvas c(40, 40);
    cairo_t* cr = c.Cr();
    RoundedRect(cr, 3, 3, 34, 34, 8);
    SetColor(cr, Palette::LeafLight, 0.22);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetColor(cr, Palette::LeafLight, 0.9);
    cairo_set_dash(cr, (const double[]){6, 3.5}, 2, 0);
    cairo_stroke(cr);
    game.AddImage("under", "under.png", c);
}

void ArrowShape(cairo_t* cr, double len, double thick) {
    // pointing left from (0, thick/2)
    const double h = thick / 2, head = std::min(thick * 1.1, len * 0.5);
    cairo_move_to(cr, 0.8, h);
    cairo_line_to(cr, head, 0.8);
    cairo_line_to(cr, head, h - h * 0.42);
    cairo_line_to(cr, len - 0.8, h - h * 0.42);
    cairo_line_to(cr, len - 0.8, h + h * 0.42);
    cairo_line_to(cr, head, h + h * 0.42);
    cairo_line_to(cr, head, thick - 0.8);
    cairo_close_path(cr);
}

// The row arrow beside the highest open ends, and the arrow that says more lies above.
void AddRowArrows(TContentArchive& game) {
    {
        TCanvas c(24, 10);
        ArrowShape(c.Cr(), 24, 10);
        Outlined(c.Cr(), Palette::Amber, Palette::BarkDark, 1.4);
        game.AddImage("LeftArrow", "LeftArrow.png", c);
    }
    TCanvas c(16, 26);
    cairo_t* cr = c.Cr();
    cairo_translate(cr, 16, 0);
    cairo_rotate(cr, M_PI / 2);
    ArrowShape(cr, 26, 16);
    Outlined(cr, Palette::Amber, Palette::BarkDark, 1.6);
    game.AddImage("UpArrow", "UpArrow.png", c);
}

// The hint box: a dark translucent band, long enough for a 300-pixel line.
void AddHintBar(TContentArchive& game) {
    TCanvas c(304, 20);
    cairo_t* cr = c.Cr();
    cairo_rectangle(cr, 0, 0, 304, 20);
    SetColor(cr, Palette::Night, 0.78);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, 304, 1);
    SetColor(cr, Palette::Amber, 0.45);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 19, 304, 1);
    SetColor(cr, Palette::Amber, 0.25);
    cairo_fill(cr);
    game.AddImage("BlackBar.png", "BlackBar.png", c);
}

// Skill icons on a small stone disc: a sprouting seed (Live) and a quick double arrow
// (DropAccel).
void AddSkillIcons(TContentArchive& game) {
    {
        TCanvas c(32, 32);
        cairo_t* cr = c.Cr();
        cairo_arc(cr, 16, 16, 14.5, 0, 2 * M_PI);
        FillMaterial(cr, TMaterial::DarkStone, 61);
        CarveInnerRim(cr, 0.8);
        cairo_new_path(cr);
        Glow(cr, 16, 18, 12, Palette::LeafLight, 0.5);
        cairo_move_to(cr, 16, 26);
        cairo_curve_to(cr, 16, 21, 15, 17, 16, 13);
        SetColor(cr, Palette::LeafLight);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        DrawLeaf(cr, 16, 14, -M_PI / 2 - 0.9, 10, Palette::Leaf);
        DrawLeaf(cr, 16, 14, -M_PI / 2 + 0.9, 10, Palette::Leaf);
        cairo_arc(cr, 16, 26, 3.5, 0, 2 * M_PI);
        SetColor(cr, Palette::Bark);
        cairo_fill(cr);
        game.AddImage("LiveIcon.png", "LiveIcon.png", c);
    }
    TCanvas c(32, 32);
    cairo_t* cr = c.Cr();
    cairo_arc(cr, 16, 16, 14.5, 0, 2 * M_PI);
    FillMaterial(cr, TMaterial::DarkStone, 62);
    CarveInnerRim(cr, 0.8);
    cairo_new_path(cr);
    Glow(cr, 16, 16, 12, Palette::Amber, 0.45);
    for (int k = 0; k < 2; ++k) {
        const double x = 7 + k * 8;
        cairo_move_to(cr, x, 9);
        cairo_line_to(cr, x + 8, 16);
        cairo_line_to(cr, x, 23);
        cairo_set_line_width(cr, 4.5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetColor(cr, Palette::BarkDark);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 2.4);
        SetColor(cr, Palette::Amber);
        cairo_stroke(cr);
    }
    game.AddImage("DropAxelIcon.png", "DropAxelIcon.png", c);
}

// One notch of the loss countdown: a glowing ember bar.
void AddCountdownMark(TContentArchive& game) {
    TCanvas c(12, 7);
    cairo_t* cr = c.Cr();
    RoundedRect(cr, 0.5, 0.5, 11, 6, 2.5);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 7);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.78, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.78, 0.20, 0.08);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Palette::Night, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    game.AddImage("ProgressOTT.png", "ProgressOTT.png", c);
}

} // namespace

void AddHudArt(TContentArchive& game) {
    AddBelt(game);
    AddHammer(game);
    AddClipper(game);
    AddPointer(game);
    AddLight(game);
    AddJointArrow(game);
    AddCross(game);
    AddFreeMark(game);
    AddRowArrows(game);
    AddHintBar(game);
    AddSkillIcons(game);
    AddCountdownMark(game);
}
