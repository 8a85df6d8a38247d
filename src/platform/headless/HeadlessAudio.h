#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

// Silent audio for tests and headless runs: records each call as a line ("SampleLoad 1",
// "SamplePlay 1 80", ...) so tests can assert on what was asked, and keeps the state a real
// device would have: which musics play, which playbacks of each sample run (oldest first, so
// the limit and the over-position policy hold as on the real device), volumes and pause.
// Handles of samples, musics and playbacks share one counter and are never 0.
class HeadlessAudio : public IAudioDevice {
  public:
    uint32_t GetVersion() override;
    bool Init(int device, int frequency, uint32_t flags) override;
    bool Start() override;
    bool Pause() override;
    void SetGlobalVolumes(int music, int sample, int stream) override;
    uint32_t SampleLoad(const uint8_t* data, size_t size, int maxPlaybacks,
                        bool overridePosition) override;
    uint32_t SamplePlay(uint32_t sample, int volume) override;
    bool SampleStop(uint32_t sample) override;
    void SampleFree(uint32_t sample) override;
    uint32_t MusicLoad(const uint8_t* data, size_t size) override;
    bool MusicPlay(uint32_t music) override;
    bool ChannelStop(uint32_t channel) override;
    void MusicFree(uint32_t music) override;

    // The playbacks of a sample that are running, oldest (furthest along) first.
    std::vector<uint32_t> Playbacks(uint32_t sample) const;
    bool MusicPlaying(uint32_t music) const { return playingMusic_.count(music) != 0; }
    bool AnythingPlaying() const;
    bool IsLoaded(uint32_t handle) const;

    std::vector<std::string> Calls;
    uint32_t Version = 0x00080001; // 1.8
    bool InitResult = true;        // false: as if no output could be opened
    bool Paused = false;
    int MusicVolume = 100;
    int SampleVolume = 100;

  private:
    struct Sample {
        int MaxPlaybacks = 1;
        bool OverridePosition = false;
        std::vector<uint32_t> Playing; // oldest first
    };

    uint32_t nextHandle_ = 1;
    std::map<uint32_t, Sample> samples_;
    std::set<uint32_t> musics_;
    std::set<uint32_t> playingMusic_;
};
