#pragma once
#include <cstdint>

// How long the last frame took, in 1/30-second steps, clamped so that a frame never counts as
// less than 0.34 of a step and frames longer than about 23 ms count as whole steps. All motion
// in the game is scaled by it.
double FrameScaleFor(uint32_t elapsedMs);

class TFrameClock {
  public:
    void Start(uint32_t now);
    void BeginFrame(uint32_t now) { frameStart_ = now; }
    // Once a second the frames counted so far become the frame rate.
    void SampleFps(uint32_t now);
    void CountFrame() { ++frameCounter_; }
    void EndFrame(uint32_t now) { FrameScale = FrameScaleFor(now - frameStart_); }

    uint32_t FrameStart() const { return frameStart_; }
    double FrameScale = 1.0;
    uint8_t FramesPerSecond = 0;

  private:
    uint32_t frameStart_ = 0;
    uint32_t fpsSampleTime_ = 0;
    int frameCounter_ = 0;
};
