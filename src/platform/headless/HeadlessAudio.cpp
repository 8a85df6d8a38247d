#include "platform/headless/HeadlessAudio.h"

uint32_t HeadlessAudio::GetVersion() { return Version; }

bool HeadlessAudio::Init(int device, int frequency, uint32_t flags) {
    Calls.push_back("Init " + std::to_string(device) + " " + std::to_string(frequency) + " " +
                    std::to_string(flags));
    return true;
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
}

uint32_t HeadlessAudio::SampleLoad(const uint8_t*, size_t, int, bool) {
    uint32_t h = nextHandle_++;
    Calls.push_back("SampleLoad " + std::to_string(h));
    return h;
}

uint32_t HeadlessAudio::SamplePlay(uint32_t sample, int volume) {
    Calls.push_back("SamplePlay " + std::to_string(sample) + " " + std::to_string(volume));
    return sample;
}

bool HeadlessAudio::SampleStop(uint32_t sample) {
    Calls.push_back("SampleStop " + std::to_string(sample));
    return true;
}

void HeadlessAudio::SampleFree(uint32_t sample) { Calls.push_back("SampleFree " + std::to_string(sample)); }

uint32_t HeadlessAudio::MusicLoad(const uint8_t*, size_t) {
    uint32_t h = nextHandle_++;
    Calls.push_back("MusicLoad " + std::to_string(h));
    return h;
}

bool HeadlessAudio::MusicPlay(uint32_t music) {
    Calls.push_back("MusicPlay " + std::to_string(music));
    return true;
}

bool HeadlessAudio::ChannelStop(uint32_t channel) {
    Calls.push_back("ChannelStop " + std::to_string(channel));
    return true;
}

void HeadlessAudio::MusicFree(uint32_t music) { Calls.push_back("MusicFree " + std::to_string(music)); }
