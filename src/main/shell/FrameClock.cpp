#include "main/shell/FrameClock.h"

#include <cmath>

double FrameScaleFor(uint32_t elapsedMs) {
    double scale = elapsedMs * 30.0 / 1000.0;
    if (scale > 0.7) return std::nearbyint(scale); // the default rounding mode sends ties to even
    return scale >= 0.5 ? 0.55 : 0.34;
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
