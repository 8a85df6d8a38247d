#include "FrameArt.h"

#include <cmath>

#include "Canvas.h"
#include "ContentArchive.h"
#include "Landscape.h"
#include "Style.h"

namespace {

using namespace FrameLayout;

// What shows in the play area where a level puts no scenery: a dim dusk forest.
void PlayAreaBackdrop(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 5, 5, 598, 485);
    cairo_clip(cr);
    Landscape::Sky(cr, 5, 5, 598, 485, 200);
    Landscape::Hills(cr, 5, 215, 598, 490, 18, 3, {0.26, 0.18, 0.26});
    Landscape::TreeLine(cr, 5, 598, 260, 50, 110, 4, {0.12, 0.11, 0.16}, true);
    Landscape::Mist(cr, 5, 250, 598, 80, 5, 0.18);
    Landscape::TreeLine(cr, 5, 598, 330, 60, 160, 6, {0.06, 0.07, 0.09}, false);
    // the forest floor: dark moss with a few fireflies
    cairo_rectangle(cr, 5, 330, 598, 160);
    cairo_pattern_t* floor = cairo_pattern_create_linear(0, 330, 0, 490);
    cairo_pattern_add_color_stop_rgba(floor, 0, 0.06, 0.07, 0.09, 1);
    cairo_pattern_add_color_stop_rgba(floor, 1, 0.09, 0.13, 0.08, 1);
    cairo_set_source(cr, floor);
    cairo_fill(cr);
    cairo_pattern_destroy(floor);
    MossTufts(cr, 5, 440, 598, 50, 120, 16);
    Landscape::Fireflies(cr, 5, 200, 598, 280, 14, 17);
    cairo_rectangle(cr, 5, 5, 598, 485);
    SetColor(cr, Palette::Night, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A wooden rim, wound with a living twig, around the play area.
void PlayAreaRim(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 2.5, 2.5, 603, 490);
    cairo_set_line_width(cr, 5);
    SetColor(cr, Palette::BarkDark);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    SetColor(cr, Palette::Bark);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColor(cr, Palette::BarkLight, 0.6);
    cairo_stroke(cr);
    for (int i = 0; i < 14; ++i) {
        const double x = 30 + i * 42 + Hash01(7, i) * 10;
        DrawLeaf(cr, x, 494, -0.5 - Hash01(8, i) * 0.6, 9, Palette::Leaf);
    }
    for (int i = 0; i < 10; ++i) {
        const double y = 40 + i * 46 + Hash01(9, i) * 10;
        DrawLeaf(cr, 605, y, -0.3 + Hash01(10, i) * 0.6 - (i % 2) * 2.6, 8, Palette::Leaf);
    }
    cairo_restore(cr);
}

void Medallion(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r + 5, 0, 2 * M_PI);
    FillMaterial(cr, TMaterial::Stone, 21);
    CarveInnerRim(cr, 0.9);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    SetColor(cr, Palette::StoneDeep);
    cairo_fill(cr);
    Glow(cr, cx, cy, r, Palette::Amber, 0.12);
    cairo_restore(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        cairo_move_to(cr, cx + std::cos(a) * (r + 1), cy + std::sin(a) * (r + 1));
        cairo_line_to(cr, cx + std::cos(a) * (r + 4), cy + std::sin(a) * (r + 4));
    }
    SetColor(cr, Palette::StoneDeep, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void RightPanel(cairo_t* cr) {
    StonePlate(cr, 609, 5, 186, 390, 10, 11);
    MossTufts(cr, 612, 6, 180, 10, 24, 12);
    StoneSocket(cr, ScoreLeft, ScoreTop, ScoreWidth, ScoreHeight, 6);
    StoneSocket(cr, LevelLeft, LevelTop, LevelWidth, LevelHeight, 6);
    StoneSocket(cr, MenuLeft, MenuTop, MenuWidth, MenuHeight, 6);
    Medallion(cr, 704, 230, 60);
    StoneSocket(cr, 630, 300, 66, 66, 9);
    StoneSocket(cr, 710, 300, 66, 66, 9);
    StoneSocket(cr, HammerCountLeft, ToolCountTop, ToolCountWidth, ToolCountHeight, 5);
    StoneSocket(cr, ClipperCountLeft, ToolCountTop, ToolCountWidth, ToolCountHeight, 5);
}

// The bumper: a channel under the tools with its own short belt slot at the bottom.
void BumperChannel(cairo_t* cr) {
    StonePlate(cr, 609, 398, 186, 94, 8, 13, TMaterial::DarkStone);
    StoneSocket(cr, 612, 402, 180, 90, 6);
    cairo_rectangle(cr, 610, 481, 185, 10);
    SetColor(cr, Palette::Night);
    cairo_fill(cr);
}

// The feed: a long channel along the bottom, its belt slot at rows 587 to 594.
void FeedChannel(cairo_t* cr) {
    StonePlate(cr, 2, 497, 796, 101, 8, 14, TMaterial::DarkStone);
    StoneSocket(cr, 4, 500, 792, 96, 7);
    cairo_rectangle(cr, 4, 586, 792, 10);
    SetColor(cr, Palette::Night);
    cairo_fill(cr);
    MossTufts(cr, 8, 497, 780, 6, 50, 15);
}

} // namespace

void AddFrameArt(TContentArchive& game) {
    TCanvas c(800, 600);
    cairo_t* cr = c.Cr();
    cairo_rectangle(cr, 0, 0, 800, 600);
    FillMaterial(cr, TMaterial::DarkStone, 1);
    cairo_new_path(cr);
    PlayAreaBackdrop(cr);
    RightPanel(cr);
    BumperChannel(cr);
    FeedChannel(cr);
    PlayAreaRim(cr);
    game.AddImage("GamePlay1", "GamePlay1.png", c);
}
