#pragma once
#include <cstdint>
#include <memory>

#include "platform/Platform.h"
#include "platform/sdl/AudioMixer.h"

// The audio device over SDL2 audio output. SDL's audio thread renders the mixer; the game
// thread holds the lock only to hand over prepared data or flip a flag, while decoding of
// sounds and modules happens outside it. Before a successful Init, and when no output can be
// opened, every call is refused and the game stays silent.
class SdlAudioDevice : public IAudioDevice {
  public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    uint32_t GetVersion() override { return 0x00080001; } // 1.8
    // device -1 is the default output, 1.. the outputs SDL lists; the output starts paused.
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

    bool IsOpen() const { return device_ != 0; }
    int OutputRate() const { return mixer_ ? mixer_->OutputRate() : 0; }

  private:
    class Lock;
    static void Callback(void* self, uint8_t* stream, int length);

    uint32_t device_ = 0; // SDL_AudioDeviceID
    bool subsystemUp_ = false;
    std::unique_ptr<AudioMixer> mixer_;
};
