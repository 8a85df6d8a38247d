#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/sdl/AudioWav.h"
#include "platform/sdl/ModuleTrack.h"

// The game's mixer: samples with a limit of simultaneous playbacks each, tracker modules, two
// global volumes, pause and start, rendered into the caller's buffer as 16-bit stereo. It knows
// no audio output and no threads: the device locks around it, and tests render it directly.
// Handles of samples, modules and playbacks share one counter and are never 0.
class AudioMixer {
  public:
    explicit AudioMixer(int outputRate);
    int OutputRate() const { return rate_; }

    // Prepared data (decode outside any lock, then add).
    uint32_t AddSample(std::shared_ptr<const MixerSample> sample, int maxPlaybacks,
                       bool overridePosition);
    uint32_t AddModule(std::unique_ptr<ModuleTrack> track);
    // The same from raw file bytes, for single-threaded use.
    uint32_t SampleLoad(const uint8_t* data, size_t size, int maxPlaybacks, bool overridePosition);
    uint32_t MusicLoad(const uint8_t* data, size_t size);

    // A new playback at volume 0..100, or 0 when the sample is unknown or full without the
    // over-position policy. With it, a play beyond the limit replaces the playback furthest along.
    uint32_t SamplePlay(uint32_t sample, int volume);
    bool SampleStop(uint32_t sample); // all its playbacks
    // Removes the sample and its playbacks.
    bool SampleFree(uint32_t sample);

    // The module's file bytes, for building a fresh track outside the lock.
    std::shared_ptr<const ModuleBytes> ModuleData(uint32_t music) const;
    // Starts the module from its beginning with a fresh track; returns the old one for the
    // caller to destroy outside the lock (nullptr when music is unknown).
    std::unique_ptr<ModuleTrack> MusicStart(uint32_t music, std::unique_ptr<ModuleTrack> fresh);
    bool MusicPlay(uint32_t music); // single-threaded form of the two above
    // Removes the module; the track is returned for destruction outside the lock.
    std::unique_ptr<ModuleTrack> MusicRemove(uint32_t music);
    // A playing module or one sample playback.
    bool ChannelStop(uint32_t channel);

    void SetGlobalVolumes(int music, int sample); // 0..100 each
    void Pause() { paused_ = true; }
    void Start() { paused_ = false; }
    bool Paused() const { return paused_; }

    // frames of interleaved stereo; silence while paused (nothing advances).
    void Render(int16_t* out, size_t frames);

    // For tests and tools.
    int PlayingCount(uint32_t sample) const;
    std::vector<size_t> PlaybackPositions(uint32_t sample) const; // frames played, oldest first
    bool MusicPlaying(uint32_t music) const;

  private:
    struct Playback {
        uint32_t Channel = 0;
        size_t Position = 0;
        float Gain = 1.0f;
        int FadeLeft = 0;   // > 0 while a cut playback fades out
        int FadeLength = 0; // the fade's whole length in frames
    };
    struct SampleSlot {
        std::shared_ptr<const MixerSample> Data;
        int MaxPlaybacks = 1;
        bool OverridePosition = false;
        std::vector<Playback> Playing;
    };
    struct FadingPlayback {
        std::shared_ptr<const MixerSample> Data;
        Playback Play;
    };
    struct ModuleSlot {
        std::unique_ptr<ModuleTrack> Track;
        bool Playing = false;
    };

    void Cut(const SampleSlot& slot, const Playback& play);
    void MixSamples(size_t frames);
    void MixModules(size_t frames);
    static bool MixPlayback(const MixerSample& data, Playback& play, float gain, float* mix,
                            size_t frames);

    int rate_;
    uint32_t nextHandle_ = 1;
    bool paused_ = false;
    float musicGain_ = 1.0f;
    float sampleGain_ = 1.0f;
    std::map<uint32_t, SampleSlot> samples_;
    std::map<uint32_t, ModuleSlot> modules_;
    std::vector<FadingPlayback> fading_;
    std::vector<float> mix_;
};
