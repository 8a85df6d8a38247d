#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A sound decoded for the mixer: float frames at the mixer's output rate, mono or stereo.
struct MixerSample {
    int Channels = 1;          // 1 or 2
    std::vector<float> Frames; // interleaved when stereo; -1..1
    size_t FrameCount() const { return Frames.size() / static_cast<size_t>(Channels); }
};

// A decoded sound may take this much memory. Float frames at the output rate cost many times
// the file (an 8-bit 1 kHz file 88 times at 22 kHz), so a small file could ask for gigabytes.
constexpr double MaxDecodedSampleBytes = 64.0 * 1024 * 1024;

// Decodes a RIFF WAVE file from memory: PCM 8, 16, 24 or 32 bit, or 32-bit float; mono or
// stereo; any rate, resampled to outputRate. Returns nullptr for anything else, for a damaged
// file (every length is checked against the data) and, before decoding, for one whose decoded
// form would pass MaxDecodedSampleBytes.
std::shared_ptr<const MixerSample> DecodeWav(const uint8_t* data, size_t size, int outputRate);
