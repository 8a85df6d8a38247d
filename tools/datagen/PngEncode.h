#pragma once
#include <cstdint>
#include <vector>

// PNG files as the game reads them. No time stamps or other varying chunks, so the same pixels
// always give the same bytes.
std::vector<uint8_t> EncodePngRgba(int width, int height, const std::vector<uint8_t>& rgba);

class TCanvas;
std::vector<uint8_t> EncodePng(const TCanvas& canvas);
