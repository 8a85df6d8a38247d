#include "platform/sdl/AudioMixer.h"

#include <algorithm>
#include <cmath>

namespace {

float Percent(int volume) {
    return std::clamp(volume, 0, 100) / 100.0f;
}

// Below the knee the mix passes untouched; above it the level bends smoothly towards full
// scale instead of clipping hard when many sounds meet.
int16_t Saturate(float x) {
    constexpr float Knee = 0.85f;
    const float a = std::fabs(x);
    if (a > Knee) {
        const float bent = Knee + (1.0f - Knee) * std::tanh((a - Knee) / (1.0f - Knee));
        x = x < 0 ? -bent : bent;
    }
    return static_cast<int16_t>(std::lrint(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
}

} // namespace

AudioMixer::AudioMixer(int outputRate) : rate_(outputRate > 0 ? outputRate : 22050) {}

uint32_t AudioMixer::AddSample(std::shared_ptr<const MixerSample> sample, int maxPlaybacks,
                               bool overridePosition) {
    if (!sample) return 0;
    SampleSlot slot;
    slot.Data = std::move(sample);
    slot.MaxPlaybacks = std::max(1, maxPlaybacks);
    slot.OverridePosition = overridePosition;
    const uint32_t handle = nextHandle_++;
    samples_.emplace(handle, std::move(slot));
    return handle;
}

uint32_t AudioMixer::AddModule(std::unique_ptr<ModuleTrack> track) {
    if (!track) return 0;
    const uint32_t handle = nextHandle_++;
    modules_[handle].Track = std::move(track);
    return handle;
}

uint32_t AudioMixer::SampleLoad(const uint8_t* data, size_t size, int maxPlaybacks,
                                bool overridePosition) {
    return AddSample(DecodeWav(data, size, rate_), maxPlaybacks, overridePosition);
}

uint32_t AudioMixer::MusicLoad(const uint8_t* data, size_t size) {
    return AddModule(ModuleTrack::Load(data, size));
}

uint32_t AudioMixer::SamplePlay(uint32_t sample, int volume) {
    auto it = samples_.find(sample);
    if (it == samples_.end()) return 0;
    SampleSlot& slot = it->second;
    if (static_cast<int>(slot.Playing.size()) >= slot.MaxPlaybacks) {
        if (!slot.OverridePosition) return 0;
        auto furthest = std::max_element(
            slot.Playing.begin(), slot.Playing.end(),
            [](const Playback& a, const Playback& b) { return a.Position < b.Position; });
        Cut(slot, *furthest);
        slot.Playing.erase(furthest);
    }
    Playback play;
    play.Channel = nextHandle_++;
    play.Gain = Percent(volume);
    slot.Playing.push_back(play);
    return play.Channel;
}

void AudioMixer::Cut(const SampleSlot& slot, const Playback& play) {
    // A few milliseconds of fade instead of a click.
    FadingPlayback fade{slot.Data, play};
    fade.Play.FadeLength = std::max(1, rate_ / 320);
    fade.Play.FadeLeft = fade.Play.FadeLength;
    fading_.push_back(std::move(fade));
}

bool AudioMixer::SampleStop(uint32_t sample) {
    auto it = samples_.find(sample);
    if (it == samples_.end()) return false;
    for (const Playback& play : it->second.Playing)
        Cut(it->second, play);
    it->second.Playing.clear();
    return true;
}

bool AudioMixer::SampleFree(uint32_t sample) {
    if (!SampleStop(sample)) return false;
    samples_.erase(sample);
    return true;
}

std::shared_ptr<const ModuleBytes> AudioMixer::ModuleData(uint32_t music) const {
    auto it = modules_.find(music);
    if (it == modules_.end() || !it->second.Track) return nullptr;
    return it->second.Track->Bytes();
}

std::unique_ptr<ModuleTrack> AudioMixer::MusicStart(uint32_t music,
                                                    std::unique_ptr<ModuleTrack> fresh) {
    auto it = modules_.find(music);
    if (it == modules_.end() || !fresh) return nullptr;
    std::swap(it->second.Track, fresh);
    it->second.Playing = true;
    return fresh;
}

bool AudioMixer::MusicPlay(uint32_t music) {
    auto data = ModuleData(music);
    if (!data) return false;
    return MusicStart(music, ModuleTrack::Load(data)) != nullptr;
}

std::unique_ptr<ModuleTrack> AudioMixer::MusicRemove(uint32_t music) {
    auto it = modules_.find(music);
    if (it == modules_.end()) return nullptr;
    std::unique_ptr<ModuleTrack> track = std::move(it->second.Track);
    modules_.erase(it);
    return track;
}

bool AudioMixer::ChannelStop(uint32_t channel) {
    auto module = modules_.find(channel);
    if (module != modules_.end()) {
        module->second.Playing = false;
        return true;
    }
    for (auto& [handle, slot] : samples_) {
        auto play = std::find_if(slot.Playing.begin(), slot.Playing.end(),
                                 [channel](const Playback& p) { return p.Channel == channel; });
        if (play != slot.Playing.end()) {
            Cut(slot, *play);
            slot.Playing.erase(play);
            return true;
        }
    }
    return false;
}

void AudioMixer::SetGlobalVolumes(int music, int sample) {
    musicGain_ = Percent(music);
    sampleGain_ = Percent(sample);
}

bool AudioMixer::MixPlayback(const MixerSample& data, Playback& play, float gain, float* mix,
                             size_t frames) {
    const size_t total = data.FrameCount();
    const bool fading = play.FadeLength > 0;
    for (size_t i = 0; i < frames && play.Position < total; ++i, ++play.Position) {
        float g = gain;
        if (fading) {
            if (play.FadeLeft <= 0) return false;
            g *= static_cast<float>(play.FadeLeft--) / (play.FadeLength + 1);
        }
        if (data.Channels == 2) {
            mix[i * 2] += data.Frames[play.Position * 2] * g;
            mix[i * 2 + 1] += data.Frames[play.Position * 2 + 1] * g;
        } else {
            const float v = data.Frames[play.Position] * g;
            mix[i * 2] += v;
            mix[i * 2 + 1] += v;
        }
    }
    return play.Position < total && (!fading || play.FadeLeft > 0);
}

void AudioMixer::MixSamples(size_t frames) {
    for (auto& [handle, slot] : samples_) {
        auto& playing = slot.Playing;
        for (size_t i = 0; i < playing.size();) {
            if (MixPlayback(*slot.Data, playing[i], playing[i].Gain * sampleGain_, mix_.data(),
                            frames))
                ++i;
            else
                playing.erase(playing.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    for (size_t i = 0; i < fading_.size();) {
        FadingPlayback& f = fading_[i];
        if (MixPlayback(*f.Data, f.Play, f.Play.Gain * sampleGain_, mix_.data(), frames))
            ++i;
        else
            fading_.erase(fading_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void AudioMixer::MixModules(size_t frames) {
    for (auto& [handle, slot] : modules_) {
        if (!slot.Playing || !slot.Track) continue;
        if (!slot.Track->MixInto(mix_.data(), frames, rate_, musicGain_)) slot.Playing = false;
    }
}

void AudioMixer::Render(int16_t* out, size_t frames) {
    if (paused_) {
        std::fill(out, out + frames * 2, int16_t{0});
        return;
    }
    mix_.assign(frames * 2, 0.0f);
    MixSamples(frames);
    MixModules(frames);
    for (size_t i = 0; i < frames * 2; ++i)
        out[i] = Saturate(mix_[i]);
}

int AudioMixer::PlayingCount(uint32_t sample) const {
    auto it = samples_.find(sample);
    return it == samples_.end() ? 0 : static_cast<int>(it->second.Playing.size());
}

std::vector<size_t> AudioMixer::PlaybackPositions(uint32_t sample) const {
    std::vector<size_t> positions;
    auto it = samples_.find(sample);
    if (it != samples_.end())
        for (const Playback& play : it->second.Playing)
            positions.push_back(play.Position);
    return positions;
}

bool AudioMixer::MusicPlaying(uint32_t music) const {
    auto it = modules_.find(music);
    return it != modules_.end() && it->second.Playing;
}
