#include "ListArt.h"

#include <string>

#include "Canvas.h"
#include "ContentArchive.h"
#include "MenuArt.h"
#include "Style.h"

using namespace ListLayout;

namespace {

void AddPanel(TContentArchive& game, const char* name, int w, int h, unsigned seed) {
    TCanvas c(w, h);
    cairo_t* cr = c.Cr();
    DialogPlate(cr, w, h, seed, [cr, w, seed] { MossTufts(cr, 12, 12, w - 24, 10, 40, seed + 2); });
    WindingTwig(cr, 30, 8, w - 30, 8, 3, 1);
    WindingTwig(cr, 30, h - 8, w - 30, h - 8, 3, 2);
    game.AddImage(name, name, c);
}

// A sunken well of dark stone with faint grooves between the rows.
void AddWell(TContentArchive& game, const char* name, int w, int h, int firstRow, int rowHeight) {
    TCanvas c(w, h);
    cairo_t* cr = c.Cr();
    StoneSocket(cr, 2, 2, w - 4, h - 4, 8);
    for (int y = firstRow + rowHeight; y < h - 6; y += rowHeight) {
        cairo_rectangle(cr, 12, y, w - 24, 1);
        SetColor(cr, Palette::StoneLight, 0.08);
        cairo_fill(cr);
    }
    game.AddImage(name, name, c);
}

// The chosen row: a soft amber band with brighter ends, light enough to read through.
void AddRowBar(TContentArchive& game) {
    TCanvas c(ListWellWidth, ListRowHeight);
    cairo_t* cr = c.Cr();
    RoundedRect(cr, 4, 1, ListWellWidth - 8, ListRowHeight - 2, 5);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, ListWellWidth, 0);
    const TColor a = Palette::Amber;
    cairo_pattern_add_color_stop_rgba(p, 0, a.R, a.G, a.B, 0.42);
    cairo_pattern_add_color_stop_rgba(p, 0.5, a.R, a.G, a.B, 0.22);
    cairo_pattern_add_color_stop_rgba(p, 1, a.R, a.G, a.B, 0.42);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Palette::Amber, 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    game.AddImage("ListBar.png", "ListBar.png", c);
}

void AddNameField(TContentArchive& game) {
    TCanvas c(NameFieldWidth, NameFieldHeight);
    StoneSocket(c.Cr(), 1, 1, NameFieldWidth - 2, NameFieldHeight - 2, 5);
    game.AddImage("NameField.png", "NameField.png", c);
}

// A chevron carved into a small button, pointing up or down.
void AddArrow(TContentArchive& game, bool up, bool pressed) {
    TCanvas c(ArrowButtonSize, ArrowButtonSize);
    ButtonFace(c, pressed, 203);
    cairo_t* cr = c.Cr();
    const double m = ArrowButtonSize / 2.0, d = pressed ? 1 : 0;
    const double tip = up ? m - 6 : m + 6, base = up ? m + 5 : m - 5;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int layer = 0; layer < 2; ++layer) {
        const double o = layer == 0 ? 1 : 0;
        cairo_move_to(cr, m - 8 + d, base + d + o);
        cairo_line_to(cr, m + d, tip + d + o);
        cairo_line_to(cr, m + 8 + d, base + d + o);
        cairo_set_line_width(cr, layer == 0 ? 4.5 : 3);
        SetColor(cr, layer == 0 ? Palette::Night : Palette::Parchment, layer == 0 ? 0.6 : 1);
        cairo_stroke(cr);
    }
    const std::string name =
        std::string(up ? "ArrowUp" : "ArrowDown") + (pressed ? "Pressed.png" : "Normal.png");
    game.AddImage(name, name, c);
}

} // namespace

void AddListArt(TContentArchive& game) {
    AddPanel(game, "ListPanel.png", ListPanelWidth, ListPanelHeight, 311);
    AddPanel(game, "ScoresPanel.png", ScoresPanelWidth, ScoresPanelHeight, 321);
    AddWell(game, "ListWell.png", ListWellWidth, ListWellHeight, 0, ListRowHeight);
    AddWell(game, "ScoresWell.png", ScoresWellWidth, ScoresWellHeight, 30, 24);
    AddRowBar(game);
    AddNameField(game);
    for (int up = 0; up < 2; ++up)
        for (int pressed = 0; pressed < 2; ++pressed)
            AddArrow(game, up == 1, pressed == 1);
}
