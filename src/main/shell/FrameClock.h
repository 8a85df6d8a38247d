#pragma once
#include <cstdint>

// How long the last frame took, in 1/30-second steps: all motion in the game is scaled by it,
// so the game runs at one speed whatever the display's refresh rate. A stall longer than
// 100 ms counts as 3 steps, so nothing jumps further after a hiccup.
double FrameScaleFor(uint32_t elapsedMs);

class TFrameClock {
  public:
    void Start(uint32_t now);
    // The frame time is measured from one frame's start to the next, so the time spent
    // presenting and waiting for the display counts too and no millisecond is lost.
    void BeginFrame(uint32_t now) {
        FrameScale = FrameScaleFor(now - frameStart_);
        frameStart_ = now;
    }
    // After a pause the next frame counts from now: time spent inactive moves nothing.
    void Resume(uint32_t now) { frameStart_ = now; }
    // Once a second the frames counted so far become the frame rate.
    void SampleFps(uint32_t now);
    void CountFrame() { ++frameCounter_; }

    uint32_t FrameStart() const { return frameStart_; }
    double FrameScale = 1.0;
    uint8_t FramesPerSecond = 0;

  private:
    uint32_t frameStart_ = 0;
    uint32_t fpsSampleTime_ = 0;
    int frameCounter_ = 0;
};
