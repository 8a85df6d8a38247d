#include "SceneryArt.h"

#include <cmath>

#include "Canvas.h"
#include "ContentArchive.h"
#include "Landscape.h"
#include "Style.h"

namespace {

constexpr int AreaWidth = 598; // play area columns 5 to 602

void AddRain(TContentArchive& squares) {
    struct TStreak {
        const char* Name;
        int W, H;
        double Alpha;
    };
    for (const TStreak& s : {TStreak{"MidRain", 4, 22, 0.75}, TStreak{"SmRain", 3, 12, 0.6}}) {
        TCanvas c(s.W, s.H);
        cairo_t* cr = c.Cr();
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, s.H);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.75, 0.82, 0.95, 0);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.85, 0.90, 1.0, s.Alpha);
        cairo_set_source(cr, p);
        RoundedRect(cr, s.W / 2.0 - 0.9, 0, 1.8, s.H, 0.9);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        squares.AddImage(s.Name, std::string(s.Name) + ".png", c);
    }
    TCanvas c(7, 10);
    cairo_t* cr = c.Cr();
    cairo_move_to(cr, 3.5, 0.5);
    cairo_curve_to(cr, 5, 4, 6.5, 5.5, 6.5, 7);
    cairo_arc(cr, 3.5, 7, 3, 0, M_PI);
    cairo_curve_to(cr, 0.5, 5.5, 2, 4, 3.5, 0.5);
    SetColor(cr, {0.80, 0.88, 1.0}, 0.8);
    cairo_fill(cr);
    cairo_arc(cr, 2.6, 6.8, 0.9, 0, 2 * M_PI);
    SetColor(cr, {1, 1, 1}, 0.9);
    cairo_fill(cr);
    squares.AddImage("RainDrop", "RainDrop.png", c);
}

// The farthest layer of each level: its sky.
void AddSkies(TContentArchive& squares) {
    {
        TCanvas c(AreaWidth, 600);
        cairo_t* cr = c.Cr();
        Landscape::Sky(cr, 0, 0, AreaWidth, 600, 380);
        Glow(cr, 420, 380, 150, Palette::DuskLow, 0.6);
        Glow(cr, 420, 372, 26, {1.0, 0.9, 0.6}, 0.95);
        Landscape::Hills(cr, 0, 400, AreaWidth, 600, 25, 11, {0.36, 0.22, 0.30});
        Landscape::Hills(cr, 0, 450, AreaWidth, 600, 18, 12, {0.24, 0.16, 0.22});
        squares.AddImage("L1Sky.png", "L1Sky.png", c);
    }
    {
        TCanvas c(AreaWidth, 600);
        cairo_t* cr = c.Cr();
        Landscape::Sky(cr, 0, 0, AreaWidth, 600, 330);
        Landscape::Mist(cr, 0, 250, AreaWidth, 200, 21, 0.35);
        Landscape::TreeLine(cr, 0, AreaWidth, 420, 60, 120, 22, {0.28, 0.22, 0.32}, true);
        Landscape::Mist(cr, 0, 380, AreaWidth, 120, 23, 0.3);
        squares.AddImage("L2Sky.png", "L2Sky.png", c);
    }
    TCanvas c(AreaWidth, 600);
    cairo_t* cr = c.Cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 600);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.04, 0.05, 0.13);
    cairo_pattern_add_color_stop_rgb(p, 0.7, 0.16, 0.14, 0.28);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.10, 0.08, 0.14);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i < 90; ++i) {
        const double x = Hash01(31, i) * AreaWidth, y = Hash01(32, i) * 360;
        Glow(cr, x, y, 1.5 + Hash01(33, i) * 2, {1, 1, 0.9}, 0.5 + Hash01(34, i) * 0.5);
    }
    Glow(cr, 150, 120, 80, {0.8, 0.85, 1.0}, 0.25);
    cairo_arc(cr, 150, 120, 28, 0, 2 * M_PI);
    SetColor(cr, {0.96, 0.94, 0.85});
    cairo_fill(cr);
    cairo_arc(cr, 140, 112, 6, 0, 2 * M_PI);
    cairo_arc(cr, 160, 130, 4, 0, 2 * M_PI);
    SetColor(cr, {0.85, 0.82, 0.72});
    cairo_fill(cr);
    Landscape::Hills(cr, 0, 430, AreaWidth, 600, 30, 35, {0.12, 0.10, 0.18});
    squares.AddImage("L3Sky.png", "L3Sky.png", c);
}

// Middle layers: tree lines with open sky above them, drawn over the sky with parallax.
void AddTreeLayers(TContentArchive& squares) {
    {
        TCanvas c(AreaWidth, 360);
        cairo_t* cr = c.Cr();
        Landscape::TreeLine(cr, 0, AreaWidth, 200, 80, 170, 41, {0.13, 0.12, 0.17}, false);
        Landscape::Fireflies(cr, 0, 120, AreaWidth, 200, 16, 42);
        squares.AddImage("L1Trees.png", "L1Trees.png", c);
    }
    {
        TCanvas c(AreaWidth, 360);
        cairo_t* cr = c.Cr();
        Landscape::TreeLine(cr, 0, AreaWidth, 180, 120, 210, 51, {0.10, 0.11, 0.14}, true);
        Landscape::Mist(cr, 0, 200, AreaWidth, 120, 52, 0.2);
        squares.AddImage("L2Firs.png", "L2Firs.png", c);
    }
    TCanvas c(AreaWidth, 360);
    cairo_t* cr = c.Cr();
    Landscape::TreeLine(cr, 0, AreaWidth, 170, 140, 240, 61, {0.06, 0.06, 0.10}, false);
    Landscape::Fireflies(cr, 0, 60, AreaWidth, 280, 30, 62);
    squares.AddImage("L3Trees.png", "L3Trees.png", c);
}

// A fern frond: a curving stem with leaflets shrinking towards the tip.
void Frond(cairo_t* cr, double x, double y, double angle, double len, unsigned seed) {
    const double bend = 0.012 * (Hash01(seed) - 0.5) + 0.008;
    double px = x, py = y, a = angle;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 14; ++k) {
        const double step = len / 14;
        const double nx = px + std::cos(a) * step, ny = py + std::sin(a) * step;
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, nx, ny);
        SetColor(cr, Palette::MossDark);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        const double size = 9 * (1 - k / 15.0) + 2;
        if (k > 0) {
            DrawLeaf(cr, nx, ny, a - 1.1, size, Palette::Leaf.Mix(Palette::MossLight, 0.2));
            DrawLeaf(cr, nx, ny, a + 1.1, size, Palette::Leaf);
        }
        px = nx;
        py = ny;
        a += bend * 2.5;
    }
}

// Board pictures: their opaque pixels block the squares beneath them.
void AddBoardPictures(TContentArchive& squares) {
    {
        TCanvas c(120, 80);
        Landscape::Boulder(c.Cr(), 2, 2, 116, 76, 71);
        squares.AddImage("Boulder.png", "Boulder.png", c);
    }
    {
        TCanvas c(80, 80);
        Landscape::Boulder(c.Cr(), 2, 4, 76, 74, 72);
        squares.AddImage("Rock.png", "Rock.png", c);
    }
    {
        TCanvas c(80, 120);
        Landscape::Stump(c.Cr(), 0, 0, 80, 120, 73);
        squares.AddImage("Stump.png", "Stump.png", c);
    }
    {
        TCanvas c(160, 80);
        Landscape::Brambles(c.Cr(), 4, 4, 152, 74, 74);
        squares.AddImage("Brambles.png", "Brambles.png", c);
    }
    TCanvas c(120, 48);
    cairo_t* cr = c.Cr();
    for (int i = 0; i < 5; ++i)
        Frond(cr, 16 + i * 22, 47, -M_PI / 2 + (i - 2) * 0.3, 40, 90 + i);
    squares.AddImage("Ferns.png", "Ferns.png", c);
}

} // namespace

void AddSceneryArt(TContentArchive& squares) {
    AddRain(squares);
    AddSkies(squares);
    AddTreeLayers(squares);
    AddBoardPictures(squares);
}
