#include "main/shell/FrameClock.h"

#include <algorithm>

double FrameScaleFor(uint32_t elapsedMs) {
    return std::min(elapsedMs * 30.0 / 1000.0, 3.0);
}

void TFrameClock::Start(uint32_t now) {
    frameStart_ = now;
    fpsSampleTime_ = now;
    frameCounter_ = 0;
}

void TFrameClock::SampleFps(uint32_t now) {
    if (now - fpsSampleTime_ <= 1000) return;
    fpsSampleTime_ = now;
    FramesPerSecond = static_cast<uint8_t>(frameCounter_ & 0xFF);
    frameCounter_ = 0;
}
