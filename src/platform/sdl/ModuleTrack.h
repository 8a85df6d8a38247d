#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace openmpt {
class module;
}

using ModuleBytes = std::vector<uint8_t>;

// One tracker module (XM, IT, S3M, MOD, MO3, ...) ready to play from its start, looping for
// ever with volume ramping. It keeps its own copy of the file, so a fresh track for a restart
// can be made without the caller's data.
class ModuleTrack {
  public:
    // nullptr when the data is no module libopenmpt can read.
    static std::unique_ptr<ModuleTrack> Load(std::shared_ptr<const ModuleBytes> bytes);
    static std::unique_ptr<ModuleTrack> Load(const uint8_t* data, size_t size);
    ~ModuleTrack();

    const std::shared_ptr<const ModuleBytes>& Bytes() const { return bytes_; }
    // Adds frames of interleaved stereo at rate, times gain, onto mix. Returns false when the
    // module could not render (it is then silent from here on).
    bool MixInto(float* mix, size_t frames, int rate, float gain);
    // Song length of one pass, in seconds.
    double DurationSeconds() const;

  private:
    ModuleTrack(std::shared_ptr<const ModuleBytes> bytes, std::unique_ptr<openmpt::module> module);

    std::shared_ptr<const ModuleBytes> bytes_;
    std::unique_ptr<openmpt::module> module_;
    std::vector<float> scratch_;
};
