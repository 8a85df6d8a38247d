#pragma once
#include "platform/Platform.h"

// The device of a game without sound: it refuses every call, so nothing is loaded or heard
// and the rest of the game runs unchanged.
class NullAudioDevice : public IAudioDevice {
  public:
    uint32_t GetVersion() override { return 0; }
    bool Init(int, int, uint32_t) override { return false; }
    bool Start() override { return false; }
    bool Pause() override { return false; }
    void SetGlobalVolumes(int, int, int) override {}
    uint32_t SampleLoad(const uint8_t*, size_t, int, bool) override { return 0; }
    uint32_t SamplePlay(uint32_t, int) override { return 0; }
    bool SampleStop(uint32_t) override { return false; }
    void SampleFree(uint32_t) override {}
    uint32_t MusicLoad(const uint8_t*, size_t) override { return 0; }
    bool MusicPlay(uint32_t) override { return false; }
    bool ChannelStop(uint32_t) override { return false; }
    void MusicFree(uint32_t) override {}
};
