#pragma once
#include "graphics/Image.h"

// The picture operations of the preparation scripts. Each works on the whole picture, colour
// and alpha alike, and never reads or writes outside it.

void FlipRows(TImage& image);    // top and bottom swap
void FlipColumns(TImage& image); // left and right swap

// Shifts hue, lightness and saturation in the 240-scale colour model. Note the crossing:
// the "saturation" attribute moves the lightness and "lightness" moves the saturation.
void ChangeHue(TImage& image, int hue, int saturationAttr, int lightnessAttr);

// Rotates by degrees about (cx, cy) with bilinear sampling; what comes from outside the
// picture is transparent black, so the result always has an alpha plane.
void RotateImage(TImage& image, double cx, double cy, double degrees);

// Bilinear when growing in both directions, weighted averaging otherwise.
void ScaleImage(TImage& image, int width, int height);

// The rectangle from left, top of width x height; parts outside the picture are black (and
// transparent when the picture has alpha).
void CropImage(TImage& image, int left, int top, int width, int height);
