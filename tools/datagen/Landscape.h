#pragma once
#include <cairo.h>

#include <cstdint>

#include "Style.h"

// Pieces of the dusk forest shared by the frame, the title and the level scenery.
namespace Landscape {

// A vertical sky from deep blue through mauve to a warm glow near the horizon at horizonY.
void Sky(cairo_t* cr, double x, double y, double w, double h, double horizonY);
// Rolling hills filled with one colour, their ridge around y (amplitude amp).
void Hills(cairo_t* cr, double x, double y, double w, double bottom, double amp, uint32_t seed,
           const TColor& c);
// A fir silhouette standing on (x, base), height h.
void Fir(cairo_t* cr, double x, double base, double h, const TColor& c, uint32_t seed);
// A broad-leaved tree: trunk and a cloud of crown, standing on (x, base).
void Broadleaf(cairo_t* cr, double x, double base, double h, const TColor& c, uint32_t seed);
// A row of trees along base between x and x + w.
void TreeLine(cairo_t* cr, double x, double w, double base, double minH, double maxH, uint32_t seed,
              const TColor& c, bool firs);
// Glowing specks of fireflies.
void Fireflies(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed);
// A mossy boulder filling an ellipse-like blob inside the rectangle.
void Boulder(cairo_t* cr, double x, double y, double w, double h, uint32_t seed);
// A cut tree stump with roots, inside the rectangle.
void Stump(cairo_t* cr, double x, double y, double w, double h, uint32_t seed);
// A tangle of thorny brambles inside the rectangle.
void Brambles(cairo_t* cr, double x, double y, double w, double h, uint32_t seed);
// Mist: soft horizontal bands.
void Mist(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, double alpha);

} // namespace Landscape
