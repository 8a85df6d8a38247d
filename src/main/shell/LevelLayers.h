#pragma once
#include <cstdint>

// What the level's scenery adds to the screen: the still and far level pictures (parallax),
// the moving board pictures, the highlight of a clicked picture, and their timers. The levels
// module supplies it; without a level nothing is drawn.
class ILevelLayers {
  public:
    virtual ~ILevelLayers() = default;
    // A map curve or a moving far picture: the picture layer is drawn every frame.
    virtual bool AnimatedBackground() const { return false; }
    // The level picture layer onto the named surface ("Background" or "MemorySurface").
    virtual void DrawPictureLayer(const char* target, uint32_t now) { (void)target, (void)now; }
    // The moving pictures of the board layer; paused ones stand still without their flash.
    virtual void DrawMovingLayer(uint32_t now, bool paused) { (void)now, (void)paused; }
    // The frags a clicked picture covers.
    virtual void DrawPictureHighlight(int picture) { (void)picture; }
    // After a pause: moving pictures continue from now, cycling pictures change in a second.
    virtual void RestartTimers(uint32_t now) { (void)now; }
};
