#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// Small WAV files built in memory for the mixer tests.
namespace wavbytes {

inline void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline void Tag(std::vector<uint8_t>& out, const char* t) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(t[i]));
}

// A PCM file around the given raw sample bytes.
inline std::vector<uint8_t> Pcm(const std::vector<uint8_t>& data, int channels, int rate,
                                int bits) {
    std::vector<uint8_t> out;
    Tag(out, "RIFF");
    Put(out, static_cast<uint32_t>(36 + data.size()), 4);
    Tag(out, "WAVE");
    Tag(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2);
    Put(out, static_cast<uint32_t>(channels), 2);
    Put(out, static_cast<uint32_t>(rate), 4);
    Put(out, static_cast<uint32_t>(rate * channels * bits / 8), 4);
    Put(out, static_cast<uint32_t>(channels * bits / 8), 2);
    Put(out, static_cast<uint32_t>(bits), 2);
    Tag(out, "data");
    Put(out, static_cast<uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// Mono 16-bit, every sample the same value.
inline std::vector<uint8_t> Constant16(int16_t value, int frames, int rate = 22050) {
    std::vector<uint8_t> data;
    for (int i = 0; i < frames; ++i)
        Put(data, static_cast<uint16_t>(value), 2);
    return Pcm(data, 1, rate, 16);
}

} // namespace wavbytes
