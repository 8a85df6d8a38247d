#include "platform/sdl/SdlAudioDevice.h"

#include <SDL.h>

// Holds SDL's audio lock for one short hand-over to the mixer.
class SdlAudioDevice::Lock {
  public:
    explicit Lock(uint32_t device) : device_(device) { SDL_LockAudioDevice(device_); }
    ~Lock() { SDL_UnlockAudioDevice(device_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

  private:
    uint32_t device_;
};

SdlAudioDevice::~SdlAudioDevice() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    mixer_.reset();
    if (subsystemUp_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioDevice::Callback(void* self, uint8_t* stream, int length) {
    auto* device = static_cast<SdlAudioDevice*>(self);
    device->mixer_->Render(reinterpret_cast<int16_t*>(stream),
                           static_cast<size_t>(length) / (2 * sizeof(int16_t)));
}

bool SdlAudioDevice::Init(int device, int frequency, uint32_t) {
    if (device_ != 0) return true;
    if (frequency <= 0) return false;
    if (!subsystemUp_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        subsystemUp_ = true;
    }
    const char* name = nullptr;
    if (device > 0) {
        if (device > SDL_GetNumAudioDevices(0)) return false;
        name = SDL_GetAudioDeviceName(device - 1, 0);
    } else if (device != -1) {
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = frequency;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 512; // about 23 ms at 22050 Hz
    want.callback = &SdlAudioDevice::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    mixer_ = std::make_unique<AudioMixer>(frequency); // SDL converts if the hardware differs
    device_ = SDL_OpenAudioDevice(name, 0, &want, &have, 0);
    if (device_ == 0) {
        mixer_.reset();
        return false;
    }
    return true;
}

bool SdlAudioDevice::Start() {
    if (device_ == 0) return false;
    {
        Lock lock(device_);
        mixer_->Start();
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

bool SdlAudioDevice::Pause() {
    if (device_ == 0) return false;
    {
        Lock lock(device_);
        mixer_->Pause();
    }
    SDL_PauseAudioDevice(device_, 1);
    return true;
}

void SdlAudioDevice::SetGlobalVolumes(int music, int sample, int) {
    if (device_ == 0) return;
    Lock lock(device_);
    mixer_->SetGlobalVolumes(music, sample);
}

uint32_t SdlAudioDevice::SampleLoad(const uint8_t* data, size_t size, int maxPlaybacks,
                                    bool overridePosition) {
    if (device_ == 0) return 0;
    auto sample = DecodeWav(data, size, mixer_->OutputRate());
    if (!sample) return 0;
    Lock lock(device_);
    return mixer_->AddSample(std::move(sample), maxPlaybacks, overridePosition);
}

uint32_t SdlAudioDevice::SamplePlay(uint32_t sample, int volume) {
    if (device_ == 0) return 0;
    Lock lock(device_);
    return mixer_->SamplePlay(sample, volume);
}

bool SdlAudioDevice::SampleStop(uint32_t sample) {
    if (device_ == 0) return false;
    Lock lock(device_);
    return mixer_->SampleStop(sample);
}

void SdlAudioDevice::SampleFree(uint32_t sample) {
    if (device_ == 0) return;
    Lock lock(device_);
    mixer_->SampleFree(sample); // the decoded data is shared, freed with its last playback
}

uint32_t SdlAudioDevice::MusicLoad(const uint8_t* data, size_t size) {
    if (device_ == 0) return 0;
    auto track = ModuleTrack::Load(data, size);
    if (!track) return 0;
    Lock lock(device_);
    return mixer_->AddModule(std::move(track));
}

bool SdlAudioDevice::MusicPlay(uint32_t music) {
    if (device_ == 0) return false;
    std::shared_ptr<const ModuleBytes> bytes;
    {
        Lock lock(device_);
        bytes = mixer_->ModuleData(music);
    }
    auto fresh = ModuleTrack::Load(bytes);
    if (!fresh) return false;
    std::unique_ptr<ModuleTrack> old;
    {
        Lock lock(device_);
        old = mixer_->MusicStart(music, std::move(fresh));
    }
    return old != nullptr; // the old track is destroyed here, outside the lock
}

bool SdlAudioDevice::ChannelStop(uint32_t channel) {
    if (device_ == 0) return false;
    Lock lock(device_);
    return mixer_->ChannelStop(channel);
}

void SdlAudioDevice::MusicFree(uint32_t music) {
    if (device_ == 0) return;
    std::unique_ptr<ModuleTrack> old;
    {
        Lock lock(device_);
        old = mixer_->MusicRemove(music);
    }
}
