// The small living things of each chapter: a three-frame cycle placed on the board's edge or
// its scenery (lantern flame, frog, campfire, waking bird), a creature that flies across
// (moth, dragonfly, bat, robin; facing right), and the carved seal a bonus sits under.
#include <cmath>

#include "Canvas.h"
#include "ChapterLook.h"

namespace {

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angle = 0) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// A flame tongue from (x, base) up by h, leaning by lean pixels at its tip.
void Flame(cairo_t* cr, double x, double base, double w, double h, double lean) {
    cairo_move_to(cr, x - w, base);
    cairo_curve_to(cr, x - w, base - h * 0.5, x + lean - w * 0.2, base - h * 0.7, x + lean,
                   base - h);
    cairo_curve_to(cr, x + lean + w * 0.2, base - h * 0.7, x + w, base - h * 0.5, x + w, base);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, base, 0, base - h);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.95, 0.7);
    cairo_pattern_add_color_stop_rgb(p, 0.5, Palette::Amber.R, Palette::Amber.G, Palette::Amber.B);
    cairo_pattern_add_color_stop_rgba(p, 1, Palette::Ember.R, Palette::Ember.G, Palette::Ember.B,
                                      0.8);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Lantern(cairo_t* cr, int frame) {
    const double flicker[] = {0.0, 1.0, 0.5};
    const double f = flicker[frame];
    Glow(cr, 32, 36, 24 + 6 * f, Palette::Amber, 0.45 + 0.15 * f);
    cairo_move_to(cr, 32, 0);
    cairo_line_to(cr, 32, 12);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    RoundedRect(cr, 22, 18, 20, 30, 4);
    SetColor(cr, Palette::Amber, 0.35);
    cairo_fill_preserve(cr);
    SetColor(cr, Palette::BarkDark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Flame(cr, 32, 44, 4, 12 + 7 * f, (frame - 1) * 2.0);
    cairo_rectangle(cr, 19, 12, 26, 6);
    cairo_rectangle(cr, 19, 48, 26, 5);
    SetColor(cr, Palette::Bark);
    cairo_fill(cr);
}

void Frog(cairo_t* cr, int frame) {
    const TColor skin{0.38, 0.56, 0.22}, dark{0.18, 0.30, 0.10};
    Ellipse(cr, 32, 54, 26, 7);
    SetColor(cr, Palette::Leaf.Mix(Palette::MossDark, 0.4));
    cairo_fill(cr);
    Ellipse(cr, 30, 42, 17, 12);
    SetColor(cr, skin);
    cairo_fill_preserve(cr);
    SetColor(cr, dark);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // the throat swells and falls back: small, full, half
    const double sac[] = {4, 11, 7.5};
    Ellipse(cr, 42, 45, sac[frame], sac[frame] * 0.85);
    SetColor(cr, {0.92, 0.90, 0.66});
    cairo_fill_preserve(cr);
    SetColor(cr, dark, 0.6);
    cairo_stroke(cr);
    for (double ex : {28.0, 40.0}) {
        cairo_arc(cr, ex, 30, 5, 0, 2 * M_PI);
        SetColor(cr, skin);
        cairo_fill(cr);
        cairo_arc(cr, ex + 1, 30, 2.6, 0, 2 * M_PI);
        SetColor(cr, Palette::Night);
        cairo_fill(cr);
    }
    Ellipse(cr, 18, 50, 7, 3.5, 0.3);
    SetColor(cr, dark);
    cairo_fill(cr);
}

void Campfire(cairo_t* cr, int frame) {
    const double h[3][3] = {{20, 30, 18}, {26, 22, 24}, {16, 28, 26}};
    Glow(cr, 32, 44, 30, Palette::Ember, 0.35 + 0.08 * frame);
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, 14 + i * 36, 58);
        cairo_line_to(cr, 50 - i * 36, 46);
        cairo_set_line_width(cr, 6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        SetColor(cr, Palette::BarkDark);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 3.5);
        SetColor(cr, Palette::Bark);
        cairo_stroke(cr);
    }
    for (int t = 0; t < 3; ++t)
        Flame(cr, 24 + t * 8, 54, 6, h[frame][t], (t - 1) * 3.0 + (frame - 1));
    for (int s = 0; s < 3; ++s)
        Glow(cr, 22 + 10 * s + frame * 3, 22 - 6 * ((s + frame) % 3), 2.5, Palette::Amber, 0.9);
}

// A robin: frames fold, lift and spread its wings.
void Robin(cairo_t* cr, double x, double y, double s, double wing) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    const TColor brown{0.42, 0.30, 0.20};
    for (int side = -1; side <= 1; side += 2) {
        if (wing <= 0 && side < 0) continue;
        cairo_move_to(cr, -2, -2);
        cairo_curve_to(cr, -6, -10 - 10 * wing, -16 + 4 * side, -8 - 14 * wing, -18 + 2 * side,
                       -2 - 12 * wing);
        cairo_curve_to(cr, -12, 0, -6, 2, -2, -2);
        SetColor(cr, side < 0 ? brown.Mix(Palette::Night, 0.3) : brown);
        cairo_fill(cr);
    }
    Ellipse(cr, 0, 0, 10, 8);
    SetColor(cr, brown);
    cairo_fill(cr);
    Ellipse(cr, 4, 3, 6, 5);
    SetColor(cr, {0.90, 0.42, 0.18});
    cairo_fill(cr);
    cairo_arc(cr, 8, -6, 5, 0, 2 * M_PI);
    SetColor(cr, brown);
    cairo_fill(cr);
    cairo_arc(cr, 9.5, -7, 1.2, 0, 2 * M_PI);
    SetColor(cr, Palette::Night);
    cairo_fill(cr);
    cairo_move_to(cr, 12.5, -7);
    cairo_line_to(cr, 16.5, -5.5);
    cairo_line_to(cr, 12.5, -4.5);
    SetColor(cr, {0.25, 0.18, 0.10});
    cairo_fill(cr);
    if (wing <= 0) {
        cairo_move_to(cr, 1, -1);
        cairo_curve_to(cr, -6, -4, -12, -2, -16, 2);
        cairo_curve_to(cr, -10, 4, -4, 4, 1, -1);
        SetColor(cr, brown.Mix(Palette::Night, 0.25));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void WakingBird(cairo_t* cr, int frame) {
    cairo_move_to(cr, 2, 52);
    cairo_curve_to(cr, 20, 48, 40, 54, 62, 48);
    cairo_set_line_width(cr, 5);
    SetColor(cr, Palette::BarkDark);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    SetColor(cr, {0.97, 0.98, 1.0});
    cairo_save(cr);
    cairo_translate(cr, 0, -2.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    Robin(cr, 32, 38, 1.3, frame == 0 ? 0 : frame == 1 ? 0.5 : 1.0);
}

void AddAnimation(TContentArchive& squares, const TChapterLook& look) {
    for (int frame = 0; frame < 3; ++frame) {
        TCanvas c(64, 64);
        cairo_t* cr = c.Cr();
        switch (look.Number) {
        case 1:
            Lantern(cr, frame);
            break;
        case 2:
            Frog(cr, frame);
            break;
        case 3:
            Campfire(cr, frame);
            break;
        default:
            WakingBird(cr, frame);
            break;
        }
        AddChapterImage(squares, look.Number, "Anim" + std::to_string(frame + 1), c);
    }
}

void Moth(cairo_t* cr) {
    const TColor wing{0.86, 0.78, 0.62};
    Ellipse(cr, 20, 12, 13, 9, -0.5);
    Ellipse(cr, 18, 22, 10, 6, 0.4);
    SetColor(cr, wing);
    cairo_fill_preserve(cr);
    SetColor(cr, Palette::Bark, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, 18, 11, 3, 0, 2 * M_PI);
    SetColor(cr, Palette::Bark, 0.7);
    cairo_fill(cr);
    Ellipse(cr, 28, 17, 8, 3);
    SetColor(cr, Palette::Bark);
    cairo_fill(cr);
    cairo_move_to(cr, 35, 15);
    cairo_curve_to(cr, 38, 10, 41, 8, 44, 6);
    cairo_move_to(cr, 35, 16);
    cairo_curve_to(cr, 39, 13, 42, 12, 46, 11);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    Glow(cr, 20, 14, 16, Palette::Amber, 0.2);
}

void Dragonfly(cairo_t* cr) {
    for (int i = 0; i < 2; ++i) {
        Ellipse(cr, 26 - i * 7, 10, 12, 3.5, -0.5 + i * 0.15);
        Ellipse(cr, 26 - i * 7, 22, 12, 3.5, 0.5 - i * 0.15);
    }
    SetColor(cr, {0.85, 0.95, 0.95}, 0.6);
    cairo_fill_preserve(cr);
    SetColor(cr, {0.5, 0.65, 0.65}, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_move_to(cr, 2, 17);
    cairo_line_to(cr, 34, 16);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, {0.15, 0.45, 0.50});
    cairo_stroke(cr);
    cairo_arc(cr, 38, 16, 4, 0, 2 * M_PI);
    SetColor(cr, {0.10, 0.35, 0.42});
    cairo_fill(cr);
}

void Bat(cairo_t* cr) {
    const TColor c{0.10, 0.08, 0.14};
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 26, 16);
        cairo_curve_to(cr, 26 + side * 6, 6, 26 + side * 14, 2, 26 + side * 22, 4);
        cairo_line_to(cr, 26 + side * 18, 12);
        cairo_line_to(cr, 26 + side * 14, 10);
        cairo_line_to(cr, 26 + side * 10, 18);
        cairo_close_path(cr);
    }
    // moonlight on the wing edges, so the bat shows against the night sky
    SetColor(cr, {0.60, 0.70, 0.95}, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke_preserve(cr);
    SetColor(cr, c);
    cairo_fill(cr);
    Ellipse(cr, 26, 18, 7, 5);
    cairo_fill(cr);
    cairo_arc(cr, 34, 15, 4, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, 32, 12);
    cairo_line_to(cr, 33, 7);
    cairo_line_to(cr, 35, 11);
    cairo_line_to(cr, 37, 7);
    cairo_line_to(cr, 37, 12);
    cairo_fill(cr);
    cairo_arc(cr, 36, 15, 1, 0, 2 * M_PI);
    SetColor(cr, {1.0, 0.8, 0.5});
    cairo_fill(cr);
}

void AddMover(TContentArchive& squares, const TChapterLook& look) {
    TCanvas c(48, 32);
    cairo_t* cr = c.Cr();
    switch (look.Number) {
    case 1:
        Moth(cr);
        break;
    case 2:
        Dragonfly(cr);
        break;
    case 3:
        Bat(cr);
        break;
    default:
        Robin(cr, 22, 18, 1.0, 0.8);
        break;
    }
    AddChapterImage(squares, look.Number, "Mover", c);
}

// The chapter's sign carved into the seal's face.
void SealSign(cairo_t* cr, const TChapterLook& look) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr);
    if (look.Number == 1) {
        for (int k = 0; k < 36; ++k) {
            const double a = k * 0.42, r = 1.5 + k * 0.36;
            cairo_line_to(cr, 30 + std::cos(a) * r, 34 + std::sin(a) * r);
        }
    } else if (look.Number == 2) {
        for (double r : {4.0, 9.0, 14.0}) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, 30, 36, r, 0, 2 * M_PI);
        }
    } else if (look.Number == 3) {
        for (int k = 0; k < 4; ++k) {
            const double a = k * M_PI / 4;
            cairo_move_to(cr, 30 + std::cos(a) * 13, 35 + std::sin(a) * 13);
            cairo_line_to(cr, 30 - std::cos(a) * 13, 35 - std::sin(a) * 13);
        }
    } else {
        cairo_arc(cr, 30, 38, 7, M_PI, 2 * M_PI);
        for (int k = 0; k < 5; ++k) {
            const double a = M_PI + (k + 0.5) * M_PI / 5;
            cairo_move_to(cr, 30 + std::cos(a) * 10, 38 + std::sin(a) * 10);
            cairo_line_to(cr, 30 + std::cos(a) * 15, 38 + std::sin(a) * 15);
        }
        cairo_move_to(cr, 16, 40);
        cairo_line_to(cr, 44, 40);
    }
    cairo_save(cr);
    cairo_translate(cr, 0.8, 1.2);
    SetColor(cr, Palette::StoneLight, 0.6);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    SetColor(cr, Palette::StoneDeep);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    SetColor(cr, look.Number == 3 ? TColor{0.78, 0.84, 0.96} : Palette::Amber, 0.85);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

} // namespace

void AddChapterCritters(TContentArchive& squares, const TChapterLook& look) {
    AddAnimation(squares, look);
    AddMover(squares, look);
}

void AddChapterSeal(TContentArchive& squares, const TChapterLook& look) {
    TCanvas c(60, 60);
    cairo_t* cr = c.Cr();
    // a rounded-topped marker stone on a low plinth
    RoundedRect(cr, 3, 50, 54, 8, 3);
    FillMaterial(cr, TMaterial::DarkStone, 600 + look.Number);
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 52);
    cairo_line_to(cr, 8, 24);
    cairo_arc(cr, 30, 24, 22, M_PI, 2 * M_PI);
    cairo_line_to(cr, 52, 52);
    cairo_close_path(cr);
    FillMaterial(cr, TMaterial::Stone, 610 + look.Number);
    SetColor(cr, look.Stone, 0.3);
    cairo_fill_preserve(cr);
    CarveInnerRim(cr, 0.8);
    if (look.Number <= 2) {
        cairo_save(cr);
        cairo_clip_preserve(cr);
        MossTufts(cr, 8, 40, 44, 14, 8, 620 + look.Number);
        cairo_restore(cr);
    }
    if (look.Snow) SnowCap(cr, 6, 630 + look.Number);
    cairo_new_path(cr);
    SealSign(cr, look);
    ClearFaintPixels(c, 64);
    AddChapterImage(squares, look.Number, "Seal", c);
}
