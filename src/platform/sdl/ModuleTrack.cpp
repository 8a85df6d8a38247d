#include "platform/sdl/ModuleTrack.h"

#include <libopenmpt/libopenmpt.hpp>
#include <sstream>

ModuleTrack::ModuleTrack(std::shared_ptr<const ModuleBytes> bytes,
                         std::unique_ptr<openmpt::module> module)
    : bytes_(std::move(bytes)), module_(std::move(module)) {}

ModuleTrack::~ModuleTrack() = default;

std::unique_ptr<ModuleTrack> ModuleTrack::Load(std::shared_ptr<const ModuleBytes> bytes) {
    if (!bytes || bytes->empty()) return nullptr;
    try {
        std::ostringstream quiet; // libopenmpt's load messages are of no use to the player
        auto module = std::make_unique<openmpt::module>(bytes->data(), bytes->size(), quiet);
        module->set_repeat_count(-1); // loops for ever
        // Volume ramping keeps note starts and cuts free of clicks.
        module->set_render_param(openmpt::module::RENDER_VOLUMERAMPING_STRENGTH, -1);
        return std::unique_ptr<ModuleTrack>(new ModuleTrack(std::move(bytes), std::move(module)));
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::unique_ptr<ModuleTrack> ModuleTrack::Load(const uint8_t* data, size_t size) {
    if (!data || size == 0) return nullptr;
    return Load(std::make_shared<const ModuleBytes>(data, data + size));
}

bool ModuleTrack::MixInto(float* mix, size_t frames, int rate, float gain) {
    if (!module_) return false;
    scratch_.resize(frames * 2);
    size_t done = 0;
    try {
        while (done < frames) {
            const size_t got =
                module_->read_interleaved_stereo(rate, frames - done, scratch_.data() + done * 2);
            if (got == 0) break;
            done += got;
        }
    } catch (const std::exception&) {
        module_.reset();
        return false;
    }
    for (size_t i = 0; i < done * 2; ++i)
        mix[i] += scratch_[i] * gain;
    return done == frames;
}

double ModuleTrack::DurationSeconds() const {
    return module_ ? module_->get_duration_seconds() : 0.0;
}
