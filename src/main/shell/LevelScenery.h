#pragma once
#include "main/shell/LevelLayers.h"

class TSurfEngine;
class TGame;
class TLevelRuntime;
struct TLevelObjects;
struct TLevelPicture;
struct TPoint;

// Draws the level's scenery: still and far pictures in their parallax layers, the pictures
// that move over the board, and the frags a clicked picture covers.
class TLevelScenery : public ILevelLayers {
  public:
    TLevelScenery(TSurfEngine& surfaces, TGame& game, TLevelObjects& objects,
                  TLevelRuntime& runtime)
        : surfaces_(surfaces), game_(game), objects_(objects), runtime_(runtime) {}

    bool AnimatedBackground() const override;
    void DrawPictureLayer(const char* target, uint32_t now) override;
    void PlanPictureLayer(uint32_t now, std::vector<TPictureDraw>& out) override;
    void DrawMovingLayer(uint32_t now, bool paused) override;
    void DrawPictureHighlight(int picture) override;
    void RestartTimers(uint32_t now) override;

    // The last shown board picture whose first image covers the map point and that covers
    // frags; -1 when none.
    int PictureAt(TPoint mapPoint) const;

  private:
    void Bounce(TLevelPicture& p);
    bool Occupied(int x, int y) const;

    TSurfEngine& surfaces_;
    TGame& game_;
    TLevelObjects& objects_;
    TLevelRuntime& runtime_;
    std::vector<TPictureDraw> plan_; // scratch of DrawPictureLayer
};
