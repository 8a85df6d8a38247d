#include "platform/headless/HeadlessAudio.h"

#include <algorithm>

uint32_t HeadlessAudio::GetVersion() {
    return Version;
}

bool HeadlessAudio::Init(int device, int frequency, uint32_t flags) {
    Calls.push_back("Init " + std::to_string(device) + " " + std::to_string(frequency) + " " +
                    std::to_string(flags));
    return InitResult;
}

bool HeadlessAudio::Start() {
    Calls.push_back("Start");
    Paused = false;
    return true;
}

bool HeadlessAudio::Pause() {
    Calls.push_back("Pause");
    Paused = true;
    return true;
}

void HeadlessAudio::SetGlobalVolumes(int music, int sample, int stream) {
    Calls.push_back("SetGlobalVolumes " + std::to_string(music) + " " + std::to_string(sample) +
                    " " + std::to_string(stream));
    MusicVolume = music;
    SampleVolume = sample;
}

uint32_t HeadlessAudio::SampleLoad(const uint8_t*, size_t, int maxPlaybacks,
                                   bool overridePosition) {
    uint32_t h = nextHandle_++;
    Calls.push_back("SampleLoad " + std::to_string(h));
    samples_[h] = Sample{std::max(1, maxPlaybacks), overridePosition, {}};
    return h;
}

uint32_t HeadlessAudio::SamplePlay(uint32_t sample, int volume) {
    Calls.push_back("SamplePlay " + std::to_string(sample) + " " + std::to_string(volume));
    auto it = samples_.find(sample);
    if (it == samples_.end()) return 0;
    Sample& s = it->second;
    if (static_cast<int>(s.Playing.size()) >= s.MaxPlaybacks) {
        if (!s.OverridePosition) return 0;
        // All playbacks run at the same pace, so the oldest is the one furthest along.
        s.Playing.erase(s.Playing.begin());
    }
    uint32_t channel = nextHandle_++;
    s.Playing.push_back(channel);
    return channel;
}

bool HeadlessAudio::SampleStop(uint32_t sample) {
    Calls.push_back("SampleStop " + std::to_string(sample));
    auto it = samples_.find(sample);
    if (it == samples_.end()) return false;
    it->second.Playing.clear();
    return true;
}

void HeadlessAudio::SampleFree(uint32_t sample) {
    Calls.push_back("SampleFree " + std::to_string(sample));
    samples_.erase(sample);
}

uint32_t HeadlessAudio::MusicLoad(const uint8_t*, size_t) {
    uint32_t h = nextHandle_++;
    Calls.push_back("MusicLoad " + std::to_string(h));
    musics_.insert(h);
    return h;
}

bool HeadlessAudio::MusicPlay(uint32_t music) {
    Calls.push_back("MusicPlay " + std::to_string(music));
    if (!musics_.count(music)) return false;
    playingMusic_.insert(music);
    return true;
}

bool HeadlessAudio::ChannelStop(uint32_t channel) {
    Calls.push_back("ChannelStop " + std::to_string(channel));
    if (playingMusic_.erase(channel) || musics_.count(channel)) return true;
    for (auto& [handle, s] : samples_) {
        auto play = std::find(s.Playing.begin(), s.Playing.end(), channel);
        if (play != s.Playing.end()) {
            s.Playing.erase(play);
            return true;
        }
    }
    return false;
}

void HeadlessAudio::MusicFree(uint32_t music) {
    Calls.push_back("MusicFree " + std::to_string(music));
    musics_.erase(music);
    playingMusic_.erase(music);
}

std::vector<uint32_t> HeadlessAudio::Playbacks(uint32_t sample) const {
    auto it = samples_.find(sample);
    return it == samples_.end() ? std::vector<uint32_t>{} : it->second.Playing;
}

bool HeadlessAudio::AnythingPlaying() const {
    if (!playingMusic_.empty()) return true;
    for (const auto& [handle, s] : samples_)
        if (!s.Playing.empty()) return true;
    return false;
}

bool HeadlessAudio::IsLoaded(uint32_t handle) const {
    return samples_.count(handle) != 0 || musics_.count(handle) != 0;
}
