#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/Rect.h"
#include "graphics/FrameRestore.h"
#include "main/shell/BoardBake.h"
#include "main/shell/RenderState.h"

class TSurfEngine;
class TSurface;
class TVexInterfaceEngine;
class TVexFontEngine;
class TGame;
class TFrameClock;
class TEffectList;
class ILevelLayers;
struct TGameSettings;

// Everything the renderer reads and draws with.
struct TRenderContext {
    TSurfEngine& Surfaces;
    TVexInterfaceEngine& Interface;
    TVexFontEngine& Fonts;
    TGame& Game;
    TRenderState& State;
    const TGameSettings& Settings;
    TFrameClock& Clock;
    TEffectList& Effects;
};

// Composes the game screen: the still layers into "Background" when something in them
// changes, and every frame a copy of it with the moving layers, the interface, the hints and
// the pointer on top, in "MemorySurface".
class TGameRenderer {
  public:
    static constexpr int PlayTop = 5;
    static constexpr int PlayBottom = 489;
    static constexpr int FeedCut = 794;

    explicit TGameRenderer(TRenderContext context) : c_(context) {}
    void SetLevelLayers(ILevelLayers* layers) { layers_ = layers; }

    // The still layers as they look at now: ghosts and arrows frozen into the background show
    // their current opacity and phase.
    void RebuildBackground(uint32_t now);
    // One frame into "MemorySurface"; paused stands the moving pictures still.
    void RenderFrame(uint32_t now, bool paused);

    // A timed hint with the caption of an interface label.
    void ShowHint(const std::string& label, uint32_t durationMs, uint32_t now);
    // The width of a text in the hint font.
    int HintTextWidth(const std::string& charSet, const std::string& text) const;
    // How each frame's start was copied.
    TFrameRestore& FrameStart() { return restore_; }

  private:
    void RenderPlaying(uint32_t now, bool paused);
    void RenderOther(uint32_t now, bool paused);
    void DrawToolsAndPreview(const char* target);
    void DrawPictureLayer(const char* target, uint32_t now);

    // Plans the pictures and pieces of this frame and copies the frame's start into
    // "MemorySurface": the baked layer when it holds them, else "Background".
    void StartFrame(uint32_t now, bool withFeed);
    void PlanBoardPieces(uint32_t now, bool withFeed);
    void FeedRects(std::vector<TRect>& out) const;
    bool PicturesMeetFeed() const;
    bool BakeStillLayers();
    TSurface* SurfaceLikeBackground(const char* name);
    bool SameBackgroundAsBaked() const;
    bool RedrawMovedPictures();
    void DrawPictures(const char* target);
    // The level pictures drawn each frame, unless the frame started from the baked layer.
    void DrawFramePictures();
    // The pieces the frame did not start with.
    void DrawBoardPieces();

    void DrawFeed(uint32_t now);
    void DrawGhostsInto(const char* target, uint32_t now);
    void DrawBumperPiece(uint32_t now);
    void DrawSkillIcons(uint32_t now);
    void DrawCountdown(uint32_t now);
    void DrawFreeFragMarks();
    void DrawLights(uint32_t now, const char* target);
    void DrawJointMarkers();
    void DrawBlockingMarker(int square);
    void DrawHeldPiece(uint32_t now);
    void DrawClipperPreview();
    void DrawDebugText(bool playing);
    void DrawHintBox(uint32_t now, uint32_t start);
    void SkillHintStep(uint32_t now);
    void DrawPointer();

    // A sprite cut to the play area (rows 5 to 489) and, when given, after a column.
    void DrawInPlayArea(const std::string& image, const char* target, int x, int y,
                        uint8_t opacity = 255, uint32_t tint = 0, uint8_t level = 0,
                        std::optional<int> lastColumn = std::nullopt);
    // A sprite cut to the screen edges at column 799 and row 599 (and at 0 on the left and top).
    void DrawOnScreen(const std::string& image, int x, int y, uint8_t level = 0, uint32_t tint = 0);
    void Text(const std::string& text, int x, int y);
    TPoint Size(const std::string& image) const;
    std::string PieceImage(int piece) const;
    int ScreenY(int mapY) const;

    TRenderContext c_;
    ILevelLayers* layers_ = nullptr;
    int blockingSquare_ = -1;           // the held piece's square with the side that does not match
    uint64_t backgroundGeneration_ = 1; // counts the rebuilds of "Background"
    TBoardBake bake_;
    TFrameRestore restore_;
};
