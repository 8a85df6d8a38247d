#include "ChapterArt.h"

#include <cmath>
#include <stdexcept>

#include "Canvas.h"
#include "ChapterLook.h"
#include "ContentArchive.h"

namespace {

const TChapterLook Looks[4] = {
    // the forest edge at dusk
    {1,
     Palette::DuskHigh,
     Palette::DuskMid,
     Palette::DuskLow,
     {1.0, 0.82, 0.50},
     {0.36, 0.22, 0.30},
     {0.20, 0.13, 0.18},
     {0.13, 0.11, 0.16},
     {0.95, 0.60, 0.38},
     {0.85, 0.70, 0.78},
     Palette::Bark,
     Palette::BarkDark,
     Palette::Stone,
     false},
    // a rainy marsh
    {2,
     {0.30, 0.34, 0.33},
     {0.50, 0.55, 0.51},
     {0.72, 0.76, 0.68},
     {0.92, 0.93, 0.82},
     {0.36, 0.42, 0.38},
     {0.20, 0.25, 0.21},
     {0.15, 0.19, 0.17},
     {0.66, 0.72, 0.64},
     {0.80, 0.84, 0.80},
     {0.42, 0.38, 0.30},
     {0.20, 0.18, 0.14},
     {0.42, 0.45, 0.40},
     false},
    // a mountain pass at night
    {3,
     {0.02, 0.03, 0.09},
     {0.06, 0.09, 0.22},
     {0.16, 0.22, 0.40},
     {0.78, 0.85, 1.0},
     {0.14, 0.18, 0.32},
     {0.06, 0.08, 0.16},
     {0.04, 0.05, 0.11},
     {0.55, 0.65, 0.90},
     {0.62, 0.68, 0.82},
     {0.34, 0.27, 0.22},
     {0.13, 0.10, 0.09},
     {0.44, 0.47, 0.56},
     true},
    // an old grove at dawn under snow
    {4,
     {0.50, 0.55, 0.74},
     {0.90, 0.70, 0.74},
     {1.0, 0.86, 0.62},
     {1.0, 0.93, 0.72},
     {0.72, 0.66, 0.78},
     {0.86, 0.86, 0.93},
     {0.28, 0.22, 0.28},
     {1.0, 0.80, 0.62},
     {0.98, 0.95, 0.98},
     {0.40, 0.30, 0.24},
     {0.17, 0.12, 0.11},
     {0.58, 0.56, 0.58},
     true},
};

// The weather of the cold chapters: a soft snowflake and a warm floating mote of light.
void AddWeather(TContentArchive& squares) {
    {
        TCanvas c(9, 9);
        Glow(c.Cr(), 4.5, 4.5, 4.5, {1, 1, 1}, 0.95);
        Glow(c.Cr(), 4.5, 4.5, 1.8, {1, 1, 1}, 1.0);
        squares.AddImage("Snowflake.png", "Snowflake.png", c);
    }
    TCanvas c(7, 7);
    Glow(c.Cr(), 3.5, 3.5, 3.5, Palette::Amber, 0.9);
    Glow(c.Cr(), 3.5, 3.5, 1.5, {1.0, 0.95, 0.75}, 1.0);
    squares.AddImage("Mote.png", "Mote.png", c);
}

} // namespace

const TChapterLook& ChapterLook(int chapter) {
    if (chapter < 1 || chapter > 4) throw std::runtime_error("no such chapter");
    return Looks[chapter - 1];
}

std::string ChapterFile(int chapter, const std::string& part) {
    return "C" + std::to_string(chapter) + part + ".png";
}

void AddChapterImage(TContentArchive& squares, int chapter, const std::string& part,
                     TCanvas& canvas) {
    const std::string file = ChapterFile(chapter, part);
    squares.AddImage(file, file, canvas);
}

void ClearFaintPixels(TCanvas& canvas, int minAlpha) {
    cairo_surface_flush(canvas.Surface());
    uint8_t* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < canvas.Height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < canvas.Width(); ++x)
            if (static_cast<int>(row[x] >> 24) < minAlpha) row[x] = 0;
    }
    cairo_surface_mark_dirty(canvas.Surface());
}

void DrawWrapped(cairo_t* cr, double period, const std::function<void()>& draw) {
    for (int k = -1; k <= 1; ++k) {
        cairo_save(cr);
        cairo_translate(cr, 0, k * period);
        draw();
        cairo_restore(cr);
    }
}

void SnowCap(cairo_t* cr, double depth, uint32_t seed) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_save(cr);
    cairo_push_group(cr);
    SetColor(cr, {0.97, 0.98, 1.0});
    cairo_fill(cr);
    // what lies more than depth below the top edge is not snow; a little drift to the side
    // makes the lower edge of the snow uneven against the shape's own edges
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    for (int k = 0; k < 2; ++k) {
        cairo_save(cr);
        cairo_translate(cr, (Hash01(seed, k) - 0.5) * depth * 0.6, depth * (0.8 + 0.3 * k));
        cairo_append_path(cr, path);
        SetColor(cr, {0, 0, 0});
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
}

void AddChapterArt(TContentArchive& squares) {
    for (int chapter = 1; chapter <= 4; ++chapter) {
        const TChapterLook& look = ChapterLook(chapter);
        AddChapterSky(squares, look);
        AddChapterTiles(squares, look);
        AddChapterBlocks(squares, look);
        AddChapterCritters(squares, look);
        AddChapterSeal(squares, look);
    }
    AddWeather(squares);
}
