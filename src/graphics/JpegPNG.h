#pragma once
#include "archive/MemoryStream.h"

// Conversions between a whole PNG with alpha and the shipped pair of a JPEG (colour) and an
// 8-bit grey PNG (alpha). Each reads its input from the start and replaces the output only on
// success; none throws.

// The colour of a PNG as a JPEG; quality 255 means 90.
bool PngToJpeg(TMemoryStream& png, TMemoryStream& jpeg, int quality);
// A 24-bit truecolour PNG of a JPEG's pixels (packed for speed: these are made at start-up).
bool JpegToPng(TMemoryStream& jpeg, TMemoryStream& png);
// The alpha of a PNG as a grey PNG; a PNG without alpha gives all 255 (fully opaque).
bool AlphaToGreyPng(TMemoryStream& png, TMemoryStream& grey);
// The colour PNG with the grey PNG as its alpha; grey pixels missing from a smaller mask count
// as opaque.
bool MergeAlphaPng(TMemoryStream& colourPng, TMemoryStream& greyPng, TMemoryStream& result);
// JpegToPng followed by MergeAlphaPng, without the PNG in between; the same result.
bool JoinJpegAndMask(TMemoryStream& jpeg, TMemoryStream& greyPng, TMemoryStream& result);
// PngToJpeg and AlphaToGreyPng of one PNG; neither output changes unless both succeed.
bool SplitPng(TMemoryStream& png, TMemoryStream& jpeg, TMemoryStream& grey, int quality);
