#pragma once
#include <cstdint>
#include <vector>

// A RIFF WAVE file of 16-bit mono PCM from float samples (-1..1, clamped).
std::vector<uint8_t> EncodeWav16(const std::vector<float>& samples, int rate);
