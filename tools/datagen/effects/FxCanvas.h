#pragma once
#include <cairo.h>

#include <cstdint>
#include <vector>

// A cairo ARGB32 picture being drawn, with its context; owns both.
class TFxCanvas {
  public:
    TFxCanvas(int width, int height);
    ~TFxCanvas();
    TFxCanvas(const TFxCanvas&) = delete;
    TFxCanvas& operator=(const TFxCanvas&) = delete;

    cairo_t* Cr() const { return cr_; }
    // Straight RGBA bytes, row after row; clear pixels carry their neighbours' colour.
    std::vector<uint8_t> Rgba() const;

  private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Gives clear pixels (alpha 0) the colour of the visible ones near them.
void FillClearPixels(int width, int height, std::vector<uint8_t>& rgba);

// Light colours of the effects, red green blue 0..1.
struct TFxColour {
    double R, G, B;
};

namespace FxPalette {
inline constexpr TFxColour WarmWhite{1.00, 0.96, 0.84};
inline constexpr TFxColour Gold{1.00, 0.80, 0.36};
inline constexpr TFxColour Amber{1.00, 0.66, 0.26};
inline constexpr TFxColour Ember{0.95, 0.40, 0.14};
inline constexpr TFxColour DeepEmber{0.70, 0.16, 0.06};
inline constexpr TFxColour LeafGreen{0.62, 0.84, 0.34};
inline constexpr TFxColour Firefly{0.84, 0.98, 0.46};
inline constexpr TFxColour Moss{0.36, 0.52, 0.20};
inline constexpr TFxColour Bark{0.46, 0.29, 0.14};
inline constexpr TFxColour BarkLight{0.74, 0.53, 0.29};
inline constexpr TFxColour Stone{0.62, 0.60, 0.54};
inline constexpr TFxColour Dust{0.72, 0.64, 0.50};
inline constexpr TFxColour Rain{0.78, 0.85, 0.92};
inline constexpr TFxColour Snow{0.96, 0.98, 1.00};
inline constexpr TFxColour Frost{0.80, 0.88, 1.00};
} // namespace FxPalette

// A round glow: colour at alpha in the centre, fading to nothing at radius.
void FxGlow(cairo_t* cr, double x, double y, double radius, TFxColour c, double alpha);
// A four-pointed glint: thin rays of length len crossing at (x, y), turned by angle.
void FxGlint(cairo_t* cr, double x, double y, double len, double width, double angle, TFxColour c,
             double alpha);
