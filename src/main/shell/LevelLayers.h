#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Rect.h"

// A level picture as the picture layer draws it this frame: an image cut to the play area and
// after a column.
struct TPictureDraw {
    int Picture = 0;
    int ImageIndex = 0;
    int X = 0, Y = 0; // on screen
    const std::string* Image = nullptr;
    int LastColumn = 0;
    TRect Box; // what it covers once cut; for the renderer to fill in
    // The same picture showing the same image at the same place.
    bool Same(const TPictureDraw& o) const {
        return Picture == o.Picture && ImageIndex == o.ImageIndex && X == o.X && Y == o.Y;
    }
};

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
    // What DrawPictureLayer would draw at now, moving the far pictures as drawing does; the
    // caller draws the list once, where and when it likes.
    virtual void PlanPictureLayer(uint32_t now, std::vector<TPictureDraw>& out) {
        (void)now, out.clear();
    }
    // The moving pictures of the board layer; paused ones stand still without their flash.
    virtual void DrawMovingLayer(uint32_t now, bool paused) { (void)now, (void)paused; }
    // The frags a clicked picture covers.
    virtual void DrawPictureHighlight(int picture) { (void)picture; }
    // After a pause: moving pictures continue from now, cycling pictures change in a second.
    virtual void RestartTimers(uint32_t now) { (void)now; }
};
