#include "IconArt.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "Canvas.h"
#include "PngEncode.h"
#include "Style.h"
#include "archive/SafeFile.h"

namespace {

// Every picture is drawn in a 256-unit square; small sizes leave out what would be mud.
constexpr double Design = 256;

void Plate(cairo_t* cr, bool detailed) {
    RoundedRect(cr, 10, 10, 236, 236, 46);
    cairo_pattern_t* stone = cairo_pattern_create_linear(0, 10, 0, 246);
    const TColor top = Palette::StoneLight.Mix(Palette::DuskMid, 0.25);
    const TColor bottom = Palette::StoneDark.Mix(Palette::DuskHigh, 0.35);
    cairo_pattern_add_color_stop_rgb(stone, 0, top.R, top.G, top.B);
    cairo_pattern_add_color_stop_rgb(stone, 1, bottom.R, bottom.G, bottom.B);
    cairo_set_source(cr, stone);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(stone);
    // The warm light of the setting sun from below, soft on the stone.
    cairo_pattern_t* dusk = cairo_pattern_create_radial(128, 250, 10, 128, 250, 200);
    cairo_pattern_add_color_stop_rgba(dusk, 0, Palette::DuskLow.R, Palette::DuskLow.G,
                                      Palette::DuskLow.B, 0.45);
    cairo_pattern_add_color_stop_rgba(dusk, 1, Palette::DuskLow.R, Palette::DuskLow.G,
                                      Palette::DuskLow.B, 0);
    cairo_set_source(cr, dusk);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(dusk);
    if (detailed) CarveInnerRim(cr, 1.6);
    cairo_set_line_width(cr, detailed ? 5 : 12);
    SetColor(cr, Palette::StoneDeep);
    cairo_stroke(cr);
}

// Flecks of lichen on the stone, the same on every run.
void Lichen(cairo_t* cr) {
    for (uint32_t i = 0; i < 26; ++i) {
        const double x = 30 + Hash01(i, 1) * 196, y = 30 + Hash01(i, 2) * 196;
        // Keep the flecks off the twigs.
        if (std::fabs(x - 128) < 30 || std::fabs(y - 128) < 30) continue;
        cairo_arc(cr, x, y, 2 + Hash01(i, 3) * 5, 0, 2 * M_PI);
        SetColor(cr, Palette::Moss.Mix(Palette::MossLight, Hash01(i, 4)), 0.55);
        cairo_fill(cr);
    }
}

// The channel carved for the twigs and the four twigs in it, each bowing a little as living
// wood does, in the bark colours of the game's pieces.
void TwigPath(cairo_t* cr) {
    cairo_move_to(cr, 128, 20);
    cairo_curve_to(cr, 118, 60, 138, 96, 128, 128);
    cairo_curve_to(cr, 120, 160, 138, 200, 128, 236);
    cairo_move_to(cr, 20, 128);
    cairo_curve_to(cr, 60, 138, 96, 118, 128, 128);
    cairo_curve_to(cr, 160, 138, 200, 118, 236, 128);
}

void Twigs(cairo_t* cr, bool detailed) {
    cairo_save(cr);
    RoundedRect(cr, 10, 10, 236, 236, 46);
    cairo_clip(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    struct TLayer {
        double Width;
        TColor Colour;
        double Alpha;
    };
    const TLayer layers[] = {{detailed ? 52.0 : 60.0, Palette::Night, 0.35},
                             {38, Palette::BarkDark, 1},
                             {27, Palette::Bark, 1},
                             {12, Palette::BarkLight, 0.6},
                             {4, Palette::Parchment, detailed ? 0.35 : 0}};
    for (const TLayer& l : layers) {
        if (l.Alpha <= 0) continue;
        TwigPath(cr);
        cairo_set_line_width(cr, l.Width);
        SetColor(cr, l.Colour, l.Alpha);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Heart(cairo_t* cr, bool detailed) {
    Glow(cr, 128, 128, detailed ? 70 : 56, Palette::Amber, 0.65);
    if (detailed) {
        DrawLeaf(cr, 140, 116, -0.75, 58, Palette::Leaf);
        DrawLeaf(cr, 116, 140, 2.35, 44, Palette::Leaf.Mix(Palette::Moss, 0.4));
    }
    cairo_arc(cr, 128, 128, detailed ? 9 : 16, 0, 2 * M_PI);
    SetColor(cr, Palette::Amber.Mix(Palette::Parchment, 0.5));
    cairo_fill(cr);
}

void DrawIcon(cairo_t* cr, double size) {
    const bool detailed = size >= 48;
    cairo_save(cr);
    cairo_scale(cr, size / Design, size / Design);
    Plate(cr, detailed);
    if (detailed) Lichen(cr);
    Twigs(cr, detailed);
    Heart(cr, detailed);
    cairo_restore(cr);
}

} // namespace

const std::vector<int>& IconSizes() {
    static const std::vector<int> sizes = {16, 32, 48, 64, 128, 256};
    return sizes;
}

void WriteIcons(const std::string& folder) {
    namespace fs = std::filesystem;
    for (int size : IconSizes()) {
        TCanvas canvas(size, size);
        DrawIcon(canvas.Cr(), size);
        const std::string dir = folder + "/" + std::to_string(size) + "x" + std::to_string(size);
        fs::create_directories(dir);
        WriteFileAtomically(dir + "/quorrel.png", EncodePng(canvas));
    }
    fs::create_directories(folder + "/scalable");
    const std::string svg = folder + "/scalable/quorrel.svg";
    cairo_surface_t* surface = cairo_svg_surface_create(svg.c_str(), Design, Design);
    // Icon themes measure in pixels, not points.
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(surface);
    DrawIcon(cr, Design);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + svg);
}
