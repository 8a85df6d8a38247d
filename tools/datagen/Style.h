#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

// The one look of the game: a forest at dusk, twigs of living wood on carved stone plates,
// warm wood and moss colours, soft light. Shading is never tied to one light direction, so a
// picture turned or mirrored by an image script still looks lit the same way.
struct TColor {
    double R, G, B, A = 1.0;
    TColor Mix(const TColor& o, double t) const;
    TColor WithAlpha(double a) const { return {R, G, B, a}; }
};

namespace Palette {
inline constexpr TColor StoneDeep{0.16, 0.17, 0.16};
inline constexpr TColor StoneDark{0.27, 0.28, 0.26};
inline constexpr TColor Stone{0.45, 0.45, 0.41};
inline constexpr TColor StoneLight{0.64, 0.62, 0.55};
inline constexpr TColor MossDark{0.17, 0.27, 0.12};
inline constexpr TColor Moss{0.33, 0.45, 0.18};
inline constexpr TColor MossLight{0.55, 0.66, 0.28};
inline constexpr TColor BarkDark{0.19, 0.11, 0.06};
inline constexpr TColor Bark{0.46, 0.29, 0.14};
inline constexpr TColor BarkLight{0.74, 0.53, 0.29};
inline constexpr TColor Leaf{0.36, 0.58, 0.20};
inline constexpr TColor LeafLight{0.62, 0.80, 0.35};
inline constexpr TColor Amber{1.00, 0.72, 0.32};
inline constexpr TColor Ember{0.93, 0.42, 0.16};
inline constexpr TColor DuskHigh{0.13, 0.13, 0.27};
inline constexpr TColor DuskMid{0.42, 0.24, 0.36};
inline constexpr TColor DuskLow{0.95, 0.55, 0.30};
inline constexpr TColor Night{0.05, 0.06, 0.10};
inline constexpr TColor Parchment{0.93, 0.86, 0.70};
} // namespace Palette

void SetColor(cairo_t* cr, const TColor& c, double alpha = 1.0);

// Smooth value noise in 0..1, the same for the same arguments on every run.
double Noise(double x, double y, uint32_t seed);
// Several octaves of Noise, still 0..1.
double Fbm(double x, double y, uint32_t seed, int octaves = 4);
// A small deterministic hash in 0..1.
double Hash01(uint32_t a, uint32_t b = 0, uint32_t c = 0);

// Fills the current path (kept) with a textured material: stone, planed wood (grain along x),
// standing bark (furrows along y) or moss.
enum class TMaterial { Stone, DarkStone, Wood, Bark, Moss };
void FillMaterial(cairo_t* cr, TMaterial material, uint32_t seed, double scale = 1.0);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A soft inner rim that reads as a carved, rounded edge: darker at the border, lighter just
// inside. Works on the current path, which it keeps.
void CarveInnerRim(cairo_t* cr, double strength = 1.0);
// A raised plate: drop shade around it, stone fill, carved rim.
void StonePlate(cairo_t* cr, double x, double y, double w, double h, double r, uint32_t seed,
                TMaterial material = TMaterial::Stone);
// A recessed socket cut into stone.
void StoneSocket(cairo_t* cr, double x, double y, double w, double h, double r);
// A soft round glow.
void Glow(cairo_t* cr, double x, double y, double radius, const TColor& c, double alpha);
// A leaf at (x, y) pointing at angle (radians), length len.
// The outline of a leaf from (0, 0) to (len, 0); returns its half width.
double LeafPath(cairo_t* cr, double len);
void DrawLeaf(cairo_t* cr, double x, double y, double angle, double len, const TColor& c);
// A dialog's panel: a wooden rim round a dark stone plate, shaded for light lettering. moss()
// runs clipped to the plate (seeds follow: rim seed, plate seed + 1).
void DialogPlate(cairo_t* cr, double w, double h, uint32_t seed, const std::function<void()>& moss);
// A twig's bark through the points 0..segments that point() gives: dark rim, bark, light core.
void BarkAlong(cairo_t* cr, int segments, const std::function<void(int, double&, double&)>& point);
// Clumps of moss along the current path's lower edges are too costly to find; this scatters
// soft moss tufts inside a rectangle instead.
void MossTufts(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed);

// Text drawn with Liberation fonts from their files (not through the system font list, so the
// result does not depend on the machine's font configuration).
void DrawText(cairo_t* cr, const std::string& text, double x, double y, double size, bool bold,
              bool serif);
double TextWidth(cairo_t* cr, const std::string& text, double size, bool bold, bool serif);
// Text carved into stone: dark cut with a light lower lip, centred on (cx, baseline y).
void CarvedText(cairo_t* cr, const std::string& text, double cx, double y, double size, bool serif,
                const TColor& fill);
