#pragma once
#include "graphics/Image.h"
#include "graphics/Surface.h"

// Writes a decoded picture into a surface of the same size in the surface's format.
// 32 bits: red << 16 | green << 8 | blue. 16 bits (5-6-5, lowest green bit 0): PNG pictures
// raise every channel that would be 0 to 1, so no PNG pixel is 0 in any channel; JPEG
// pictures convert plainly.
void FillSurfaceFromPng(TSurface& surface, const TImage& image);
void FillSurfaceFromJpeg(TSurface& surface, const TImage& image);
