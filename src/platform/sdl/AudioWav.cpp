#include "platform/sdl/AudioWav.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct WavFormat {
    uint16_t Tag = 0;
    int Channels = 0;
    uint32_t Rate = 0;
    int Bits = 0;
    int BlockAlign = 0;
};

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool ParseFormat(const uint8_t* p, uint32_t size, WavFormat& f) {
    if (size < 16) return false;
    f.Tag = U16(p);
    f.Channels = U16(p + 2);
    f.Rate = U32(p + 4);
    f.BlockAlign = U16(p + 12);
    f.Bits = U16(p + 14);
    constexpr uint16_t Extensible = 0xFFFE;
    if (f.Tag == Extensible && size >= 26) f.Tag = U16(p + 24); // the sub-format's first word
    return true;
}

bool Supported(const WavFormat& f) {
    constexpr uint16_t Pcm = 1, Float = 3;
    if (f.Channels < 1 || f.Channels > 2 || f.Rate < 1000 || f.Rate > 384000) return false;
    if (f.Tag == Float) return f.Bits == 32 && f.BlockAlign == 4 * f.Channels;
    if (f.Tag != Pcm) return false;
    if (f.Bits != 8 && f.Bits != 16 && f.Bits != 24 && f.Bits != 32) return false;
    return f.BlockAlign == f.Bits / 8 * f.Channels;
}

float DecodeValue(const uint8_t* p, const WavFormat& f) {
    switch (f.Bits) {
    case 8:
        return (static_cast<int>(p[0]) - 128) / 128.0f;
    case 16:
        return static_cast<int16_t>(U16(p)) / 32768.0f;
    case 24: {
        int32_t v = static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 8 |
                                         static_cast<uint32_t>(p[1]) << 16 |
                                         static_cast<uint32_t>(p[2]) << 24);
        return static_cast<float>(v / 2147483648.0);
    }
    default:
        if (f.Tag == 3) {
            uint32_t bits = U32(p);
            float v;
            std::memcpy(&v, &bits, sizeof v);
            return std::isfinite(v) ? v : 0.0f;
        }
        return static_cast<float>(static_cast<int32_t>(U32(p)) / 2147483648.0);
    }
}

// Linear interpolation to the output rate; enough for short effect sounds.
std::vector<float> Resample(const std::vector<float>& in, int channels, uint32_t fromRate,
                            int toRate) {
    const size_t inFrames = in.size() / channels;
    if (inFrames == 0 || fromRate == static_cast<uint32_t>(toRate)) return in;
    const double step = static_cast<double>(fromRate) / toRate;
    const size_t outFrames = static_cast<size_t>(std::floor((inFrames - 1) / step)) + 1;
    std::vector<float> out(outFrames * channels);
    for (size_t i = 0; i < outFrames; ++i) {
        const double pos = i * step;
        const size_t a = static_cast<size_t>(pos);
        const size_t b = a + 1 < inFrames ? a + 1 : a;
        const float t = static_cast<float>(pos - a);
        for (int c = 0; c < channels; ++c)
            out[i * channels + c] = in[a * channels + c] * (1 - t) + in[b * channels + c] * t;
    }
    return out;
}

// The larger of the decoded and the resampled form, which exist side by side for a moment.
double DecodedBytes(size_t frames, const WavFormat& f, int outputRate) {
    const double decoded = static_cast<double>(frames) * f.Channels * sizeof(float);
    return decoded * std::max(1.0, static_cast<double>(outputRate) / f.Rate);
}

} // namespace

std::shared_ptr<const MixerSample> DecodeWav(const uint8_t* data, size_t size, int outputRate) {
    if (!data || size < 12 || outputRate <= 0) return nullptr;
    if (std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return nullptr;
    WavFormat format;
    bool haveFormat = false;
    const uint8_t* samples = nullptr;
    size_t sampleBytes = 0;
    size_t pos = 12;
    while (pos + 8 <= size) {
        const uint8_t* chunk = data + pos;
        const size_t chunkSize = U32(chunk + 4);
        const size_t available = size - pos - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize > available ||
                !ParseFormat(chunk + 8, static_cast<uint32_t>(chunkSize), format))
                return nullptr;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            samples = chunk + 8;
            sampleBytes = chunkSize < available ? chunkSize : available;
            // A data chunk cut short by a truncated file is read as far as it goes.
            if (chunkSize >= available) break;
        }
        if (chunkSize > available) return nullptr;
        pos += 8 + chunkSize + (chunkSize & 1);
    }
    if (!haveFormat || !samples || !Supported(format)) return nullptr;

    const size_t frames = sampleBytes / format.BlockAlign;
    if (DecodedBytes(frames, format, outputRate) > MaxDecodedSampleBytes) return nullptr;
    const int bytesPerValue = format.Bits / 8;
    std::vector<float> values(frames * format.Channels);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = DecodeValue(samples + i * bytesPerValue, format);

    auto sample = std::make_shared<MixerSample>();
    sample->Channels = format.Channels;
    sample->Frames = Resample(values, format.Channels, format.Rate, outputRate);
    return sample;
}
