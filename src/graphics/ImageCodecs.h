#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Image.h"

// PNG and JPEG coding. Decoders return false (with a reason in error) on any damage and leave
// the output untouched; encoders return false when the library refuses.

// Alpha is kept only when the file's colour type carries it (grey+alpha or truecolour+alpha).
bool DecodePng(const uint8_t* data, size_t size, TImage& out, std::string& error);
// One grey byte per pixel (a colour PNG is reduced to its grey value).
bool DecodePngGrey(const uint8_t* data, size_t size, int& width, int& height,
                   std::vector<uint8_t>& grey, std::string& error);
// Small: best compression, for what ships. Fast: lighter compression, for what the game
// prepares for itself at start-up.
enum class PngPacking { Small, Fast };

// Truecolour, or truecolour with alpha when the image has it.
bool EncodePng(const TImage& image, std::vector<uint8_t>& out,
               PngPacking packing = PngPacking::Small);
bool EncodePngGrey(int width, int height, const std::vector<uint8_t>& grey,
                   std::vector<uint8_t>& out, PngPacking packing = PngPacking::Small);

bool DecodeJpeg(const uint8_t* data, size_t size, TImage& out, std::string& error);
// quality 0..100; the alpha plane, if any, is ignored.
bool EncodeJpeg(const TImage& image, int quality, std::vector<uint8_t>& out);
