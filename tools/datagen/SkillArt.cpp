#include "SkillArt.h"

#include <cmath>

#include "Canvas.h"
#include "ContentArchive.h"
#include "Style.h"

namespace {

using namespace BetweenLevelLayout;

constexpr TColor Gold{0.98, 0.80, 0.36};
constexpr TColor GoldDeep{0.62, 0.40, 0.10};
constexpr TColor Clay{0.74, 0.40, 0.21};
constexpr TColor ClayDark{0.42, 0.20, 0.10};

void LinearFill(cairo_t* cr, double x0, double y0, double x1, double y1, const TColor& a,
                const TColor& b) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, a.R, a.G, a.B, a.A);
    cairo_pattern_add_color_stop_rgba(p, 1, b.R, b.G, b.B, b.A);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void Outline(cairo_t* cr, const TColor& c, double width) {
    SetColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// A square stone tile with a dark round hollow in its middle, lit from inside in the
// skill's colour: the symbol is painted into the hollow.
void TileBase(cairo_t* cr, uint32_t seed, const TColor& light) {
    StonePlate(cr, 3, 3, TileSize - 6, TileSize - 6, 12, seed);
    cairo_save(cr);
    RoundedRect(cr, 3, 3, TileSize - 6, TileSize - 6, 12);
    cairo_clip(cr);
    MossTufts(cr, 4, 62, TileSize - 8, 12, 9, seed + 1);
    cairo_restore(cr);
    cairo_arc(cr, 40, 40, 29, 0, 2 * M_PI);
    SetColor(cr, Palette::StoneDeep, 0.85);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    SetColor(cr, Palette::StoneLight, 0.35);
    cairo_stroke(cr);
    Glow(cr, 40, 40, 28, light, 0.35);
}

// A heart-shaped leaf sprouting from a seed: one more life.
void LiveSymbol(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 40, 60);
    cairo_curve_to(cr, 41, 54, 38, 50, 40, 45);
    Outline(cr, Palette::MossDark, 4.5);
    cairo_move_to(cr, 40, 60);
    cairo_curve_to(cr, 41, 54, 38, 50, 40, 45);
    Outline(cr, Palette::LeafLight, 2);
    DrawLeaf(cr, 40, 54, 0.2 - M_PI, 10, Palette::Leaf);
    cairo_move_to(cr, 40, 47);
    cairo_curve_to(cr, 25, 38, 22, 25, 30, 20);
    cairo_curve_to(cr, 35, 17, 39, 20, 40, 25);
    cairo_curve_to(cr, 41, 20, 45, 17, 50, 20);
    cairo_curve_to(cr, 58, 25, 55, 38, 40, 47);
    cairo_close_path(cr);
    LinearFill(cr, 30, 18, 48, 46, Palette::LeafLight, Palette::Leaf.Mix(Palette::MossDark, 0.3));
    Outline(cr, Palette::MossDark, 1.8);
    cairo_move_to(cr, 40, 44);
    cairo_curve_to(cr, 39, 37, 40, 31, 40, 27);
    SetColor(cr, Palette::LeafLight, 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 40, 62);
    cairo_scale(cr, 6, 4);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    LinearFill(cr, 0, 58, 0, 66, Palette::BarkLight, Palette::Bark);
    Outline(cr, Palette::BarkDark, 1.2);
}

// Two chevrons pushing forward with wind streaks behind: the bumper feeds faster.
void DropAccelSymbol(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int i = 0; i < 3; ++i) {
        const double y = 32 + i * 8, x0 = i == 1 ? 13 : 16;
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x0 + 7, y);
        SetColor(cr, Palette::Amber, 0.55);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    for (int k = 0; k < 2; ++k) {
        const double x = 27 + k * 14;
        for (int layer = 0; layer < 2; ++layer) {
            cairo_move_to(cr, x, 26);
            cairo_line_to(cr, x + 13, 40);
            cairo_line_to(cr, x, 54);
            cairo_set_line_width(cr, layer == 0 ? 9 : 5);
            SetColor(cr,
                     layer == 0 ? Palette::BarkDark : Palette::Amber.Mix(Palette::Ember, k * 0.35));
            cairo_stroke(cr);
        }
        cairo_move_to(cr, x + 1, 27.5);
        cairo_line_to(cr, x + 12, 39);
        SetColor(cr, Palette::Parchment, 0.6);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

// A four-pointed glint.
void Sparkle(cairo_t* cr, double x, double y, double r) {
    cairo_move_to(cr, x, y - r);
    cairo_curve_to(cr, x + r * 0.15, y - r * 0.15, x + r * 0.15, y - r * 0.15, x + r, y);
    cairo_curve_to(cr, x + r * 0.15, y + r * 0.15, x + r * 0.15, y + r * 0.15, x, y + r);
    cairo_curve_to(cr, x - r * 0.15, y + r * 0.15, x - r * 0.15, y + r * 0.15, x - r, y);
    cairo_curve_to(cr, x - r * 0.15, y - r * 0.15, x - r * 0.15, y - r * 0.15, x, y - r);
    cairo_close_path(cr);
    SetColor(cr, {1, 0.97, 0.82});
    cairo_fill(cr);
}

// A leaf of gold: the shape of the forest's leaves, gilded.
void GoldLeaf(cairo_t* cr, double x, double y, double angle, double len) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    const double w = LeafPath(cr, len);
    LinearFill(cr, 0, -w, 0, w, Palette::Parchment.Mix(Gold, 0.4), Gold.Mix(GoldDeep, 0.3));
    Outline(cr, GoldDeep.Mix(Palette::BarkDark, 0.3), 1.3);
    cairo_move_to(cr, len * 0.1, 0);
    cairo_line_to(cr, len * 0.85, 0);
    SetColor(cr, GoldDeep, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A golden twig with golden leaves and glints: luck brings the piece that fits.
void LuckyTwigSymbol(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double widths[] = {7, 4.5, 1.5};
    const TColor colors[] = {GoldDeep.Mix(Palette::BarkDark, 0.5), GoldDeep.Mix(Gold, 0.5),
                             Palette::Parchment};
    for (int layer = 0; layer < 3; ++layer) {
        cairo_move_to(cr, 20, 59);
        cairo_curve_to(cr, 30, 50, 38, 40, 58, 22);
        cairo_move_to(cr, 38, 43);
        cairo_curve_to(cr, 42, 44, 48, 46, 56, 44);
        cairo_set_line_width(cr, widths[layer]);
        SetColor(cr, colors[layer], layer == 2 ? 0.7 : 1);
        cairo_stroke(cr);
    }
    GoldLeaf(cr, 30, 50, -2.0, 15);
    GoldLeaf(cr, 46, 34, -1.9, 14);
    GoldLeaf(cr, 48, 31, 0.1, 12);
    Glow(cr, 58, 22, 8, Gold, 0.8);
    Sparkle(cr, 58, 22, 6);
    Sparkle(cr, 24, 30, 4.5);
    Sparkle(cr, 56, 54, 3.5);
}

// A clay jar with handles and a painted band: it holds the clippers.
void AmphoraSymbol(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 40 + side * 4, 23);
        cairo_curve_to(cr, 40 + side * 15, 19, 40 + side * 17, 28, 40 + side * 11, 34);
        Outline(cr, Palette::BarkDark, 5);
        cairo_move_to(cr, 40 + side * 4, 23);
        cairo_curve_to(cr, 40 + side * 15, 19, 40 + side * 17, 28, 40 + side * 11, 34);
        Outline(cr, Clay, 2.5);
    }
    auto body = [cr] {
        cairo_move_to(cr, 35, 19);
        cairo_line_to(cr, 45, 19);
        cairo_curve_to(cr, 44, 24, 44, 26, 45, 28);
        cairo_curve_to(cr, 57, 33, 58, 46, 49, 55);
        cairo_line_to(cr, 46, 63);
        cairo_line_to(cr, 34, 63);
        cairo_line_to(cr, 31, 55);
        cairo_curve_to(cr, 22, 46, 23, 33, 35, 28);
        cairo_curve_to(cr, 36, 26, 36, 24, 35, 19);
        cairo_close_path(cr);
    };
    body();
    LinearFill(cr, 26, 0, 56, 0, Clay.Mix(Palette::Parchment, 0.35), ClayDark);
    cairo_new_path(cr);
    cairo_save(cr);
    body();
    cairo_clip(cr);
    cairo_rectangle(cr, 20, 40, 40, 6);
    SetColor(cr, Palette::BarkDark, 0.85);
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        cairo_arc(cr, 28 + i * 6, 43, 1.4, 0, 2 * M_PI);
        SetColor(cr, Palette::Amber, 0.9);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 20, 31, 40, 1.5);
    cairo_rectangle(cr, 20, 50, 40, 1.5);
    SetColor(cr, Palette::BarkDark, 0.6);
    cairo_fill(cr);
    cairo_restore(cr);
    body();
    Outline(cr, Palette::BarkDark, 1.6);
    cairo_save(cr);
    cairo_translate(cr, 40, 19);
    cairo_scale(cr, 7.5, 2.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, Clay.Mix(Palette::Parchment, 0.3));
    cairo_fill_preserve(cr);
    Outline(cr, Palette::BarkDark, 1.4);
    cairo_save(cr);
    cairo_translate(cr, 40, 19);
    cairo_scale(cr, 4.5, 1.2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, Palette::Night);
    cairo_fill(cr);
}

// A stone-headed hammer on a wooden haft, tilted as if about to strike.
void HammerSymbol(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 40, 41);
    cairo_rotate(cr, 0.65);
    cairo_scale(cr, 0.9, 0.9);
    RoundedRect(cr, -3.5, -6, 7, 32, 3);
    FillMaterial(cr, TMaterial::Wood, 931, 0.8);
    Outline(cr, Palette::BarkDark, 1.5);
    RoundedRect(cr, -4.5, 16, 9, 4, 1);
    SetColor(cr, Palette::BarkDark);
    cairo_fill(cr);
    RoundedRect(cr, -17, -20, 34, 15, 3);
    FillMaterial(cr, TMaterial::Stone, 932, 0.6);
    LinearFill(cr, 0, -20, 0, -5, Palette::StoneLight.WithAlpha(0.5),
               Palette::StoneDeep.WithAlpha(0.4));
    Outline(cr, Palette::StoneDeep, 1.6);
    RoundedRect(cr, -6, -21.5, 12, 18, 2);
    SetColor(cr, Palette::BarkDark);
    cairo_fill_preserve(cr);
    Outline(cr, Palette::Bark, 1);
    cairo_move_to(cr, -15.5, -18);
    cairo_line_to(cr, -15.5, -7);
    cairo_move_to(cr, 15.5, -18);
    cairo_line_to(cr, 15.5, -7);
    SetColor(cr, Palette::Parchment, 0.55);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void AddSkillTiles(TContentArchive& game) {
    struct TTile {
        const char* Name;
        TColor Light;
        void (*Symbol)(cairo_t*);
    };
    const TTile tiles[] = {{"SkillLive.png", Palette::LeafLight, LiveSymbol},
                           {"SkillDropAccel.png", Palette::Amber, DropAccelSymbol},
                           {"SkillLuckyTwig.png", Gold, LuckyTwigSymbol},
                           {"SkillAmphora.png", Palette::Ember, AmphoraSymbol},
                           {"SkillHammer.png", Palette::StoneLight, HammerSymbol}};
    uint32_t seed = 901;
    for (const TTile& t : tiles) {
        TCanvas c(TileSize, TileSize);
        cairo_t* cr = c.Cr();
        TileBase(cr, seed, t.Light);
        t.Symbol(cr);
        game.AddImage(t.Name, t.Name, c);
        seed += 2;
    }
}

// A leafy twig along a straight line, edging the panel like the game's other dialogs.
void EdgeTwig(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t seed) {
    const int n = 48;
    const double len = std::hypot(x1 - x0, y1 - y0);
    const double nx = -(y1 - y0) / len, ny = (x1 - x0) / len;
    auto at = [&](int i, double& px, double& py) {
        const double t = i / double(n), off = std::sin(t * M_PI * 5 + seed) * 3;
        px = x0 + (x1 - x0) * t + nx * off;
        py = y0 + (y1 - y0) * t + ny * off;
    };
    BarkAlong(cr, n, at);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double along = std::atan2(y1 - y0, x1 - x0);
    for (int i = 2; i < n; i += 3) {
        double px, py;
        at(i, px, py);
        const double turn = (Hash01(seed, i) - 0.5) * 0.6;
        DrawLeaf(cr, px, py, along + ((i / 3) % 2 ? 0.9 : -0.9) + turn, 9 + Hash01(seed, i, 1) * 5,
                 Palette::Leaf);
    }
    cairo_restore(cr);
}

// A groove cut into the stone, light on its lower lip.
void Groove(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0 + 1, y0 + 1.5);
    cairo_line_to(cr, x1 + 1, y1 + 1.5);
    SetColor(cr, Palette::StoneLight, 0.25);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetColor(cr, Palette::Night, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A shallow hollow for a row of text, darker than the plate.
void Hollow(cairo_t* cr, double x, double y, double w, double h, double r, double depth) {
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, r);
    SetColor(cr, Palette::Night, depth);
    cairo_fill_preserve(cr);
    cairo_clip_preserve(cr);
    cairo_set_line_width(cr, 4);
    SetColor(cr, Palette::Night, depth * 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_save(cr);
    RoundedRect(cr, x, y + 1, w, h, r);
    SetColor(cr, Palette::StoneLight, 0.18);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A round wooden knob with a stone face, under a "+" or "-" of a skill row.
void Knob(cairo_t* cr, double cx, double cy, uint32_t seed) {
    const double r = KnobSize / 2.0 - 1;
    cairo_arc(cr, cx, cy + 1.5, r + 1, 0, 2 * M_PI);
    SetColor(cr, Palette::Night, 0.45);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    FillMaterial(cr, TMaterial::Wood, seed, 1.2);
    Outline(cr, Palette::BarkDark, 1.5);
    cairo_arc(cr, cx, cy, r - 4, 0, 2 * M_PI);
    FillMaterial(cr, TMaterial::DarkStone, seed + 1);
    CarveInnerRim(cr, 0.7);
    cairo_new_path(cr);
}

void AddPanel(TContentArchive& game) {
    const double w = Width, h = Height;
    TCanvas c(Width, Height);
    cairo_t* cr = c.Cr();
    DialogPlate(cr, w, h, 951, [cr, w, h] {
        MossTufts(cr, 12, 12, w - 24, 10, 70, 953);
        MossTufts(cr, 12, h - 26, w - 24, 12, 50, 954);
    });

    // the skills: a hollow for each tile and a band for its row, knobs for "+" and "-"
    for (int i = 0; i < 5; ++i) {
        const double top = TileTops[i], mid = top + TileSize / 2.0;
        Hollow(cr, TileLeft + 60, mid - 26, RightLeft - 28 - (TileLeft + 60), 52, 10, 0.28);
        StoneSocket(cr, TileLeft - 4, top - 4, TileSize + 8, TileSize + 8, 14);
        Knob(cr, PlusCentreX, mid, 961 + i * 2);
        Knob(cr, MinusCentreX, mid, 971 + i * 2);
    }
    Groove(cr, RightLeft - 12, 34, RightLeft - 12, h - 34);

    // the right half: a twig under the title, the hero's hollow, the page and the tally
    EdgeTwig(cr, RightLeft + 30, 62, w - 40, 62, 955);
    const double heroX = HeroLeft + HeroSize / 2.0, heroY = HeroTop + HeroSize / 2.0;
    Glow(cr, heroX, heroY, 90, Palette::Amber, 0.18);
    cairo_arc(cr, heroX, heroY, 66, 0, 2 * M_PI);
    SetColor(cr, Palette::Night, 0.55);
    cairo_fill(cr);
    cairo_arc(cr, heroX, heroY + 1, 66, 0, 2 * M_PI);
    SetColor(cr, Palette::StoneLight, 0.25);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Hollow(cr, RightLeft + 6, 212, 296, 84, 8, 0.22);
    StoneSocket(cr, RightLeft + 12, ExperienceTop, 284, ExperienceHeight, 8);

    EdgeTwig(cr, 30, 8, w - 30, 8, 1);
    EdgeTwig(cr, 30, h - 8, w - 30, h - 8, 2);
    game.AddImage("BetweenLevelPanel.png", "BetweenLevelPanel.png", c);
}

} // namespace

void AddSkillArt(TContentArchive& game) {
    AddSkillTiles(game);
    AddPanel(game);
}
