#pragma once
#include <string>
#include <vector>

#include "platform/Platform.h"

// Silent audio for tests and headless runs: accepts everything and records each call as a
// line ("SampleLoad 1", "SamplePlay 1 80", ...) so tests can assert on what was asked.
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

    std::vector<std::string> Calls;
    uint32_t Version = 0x00080001; // 1.8
    bool Paused = false;

private:
    uint32_t nextHandle_ = 1;
};
