#include "main/shell/GameRenderer.h"

#include <algorithm>
#include <cmath>

#include "graphics/SurfEngine.h"
#include "interface/VexFont.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexInterfaceObject.h"
#include "main/effects/EffectList.h"
#include "main/rules/Game.h"
#include "main/shell/FrameClock.h"
#include "main/shell/LevelLayers.h"
#include "main/shell/PlayAreaDraw.h"

namespace {
const char* const Back = "Background";
const char* const Frame = "MemorySurface";
} // namespace

TPoint TGameRenderer::Size(const std::string& image) const {
    return SurfaceSize(c_.Surfaces, image);
}

int TGameRenderer::ScreenY(int mapY) const {
    return mapY + 245 - c_.Game.MapScroll + PlayTop;
}

std::string TGameRenderer::PieceImage(int piece) const {
    const TFishka& f = c_.Game.Fishkas[piece];
    if (f.Quest && f.State == fsInSteck) return c_.Game.Level.QuestImage;
    return c_.Game.Geometry().TypeOf(f.Type).ImageName;
}

void TGameRenderer::DrawInPlayArea(const std::string& image, const char* target, int x, int y,
                                   uint8_t opacity, uint32_t tint, uint8_t level,
                                   std::optional<int> lastColumn) {
    ::DrawInPlayArea(c_.Surfaces, image, target, x, y, opacity, tint, level, lastColumn);
}

void TGameRenderer::DrawOnScreen(const std::string& image, int x, int y, uint8_t level,
                                 uint32_t tint) {
    const TPoint size = Size(image);
    if (size.X <= 0 || size.Y <= 0) return;
    TRect r{0, 0, size.X - 1, size.Y - 1};
    if (x < 0) r.Left = -x, x = 0;
    if (y < 0) r.Top = -y, y = 0;
    if (x + (r.Right - r.Left) > 799) r.Right = r.Left + (799 - x);
    if (y + (r.Bottom - r.Top) > 599) r.Bottom = r.Top + (599 - y);
    if (r.Bottom < r.Top || r.Right < r.Left) return;
    c_.Surfaces.DrawAlpha(image, Frame, x, y, 255, r, tint, level);
}

void TGameRenderer::Text(const std::string& text, int x, int y) {
    const TVexCharSet* set = c_.Fonts.FindCharSet("Arial12", "RUSSIAN");
    if (!set) return;
    c_.Surfaces.DrawFontText(text, set->Picture, set->Metric, 0, 0, 255, y, x, Frame);
}

void TGameRenderer::DrawPictureLayer(const char* target, uint32_t now) {
    if (layers_) layers_->DrawPictureLayer(target, now);
}

// The frame, the tool pictures and the preview of the wanted combination, centred on
// (704, 230).
void TGameRenderer::DrawToolsAndPreview(const char* target) {
    TSurfEngine& s = c_.Surfaces;
    s.DrawAlpha("GamePlay1", target, 0, 0, 255);
    s.DrawAlpha("hammer1.png", target, 620, 300, 255);
    s.DrawAlpha("cap1.png", target, 700, 300, 255);
    const TLevel& level = c_.Game.Level;
    const TGeometry& geo = c_.Game.Geometry();
    if (level.CombPos < 0 || level.CombPos >= static_cast<int>(level.CombSequence.size())) return;
    const int comb = level.CombSequence[level.CombPos];
    if (comb < 0 || comb >= static_cast<int>(geo.Combinations.size())) return;
    if (geo.Combinations[comb].empty()) return;
    const TOneStamp& stamp = geo.Combinations[comb].front();
    int maxX = 0, maxY = 0;
    for (const TStampCell& cell : stamp) {
        maxX = std::max(maxX, cell.X);
        maxY = std::max(maxY, cell.Y);
    }
    const int cx = (maxX + 40) / 2, cy = (maxY + 40) / 2;
    for (const TStampCell& cell : stamp)
        s.DrawAlpha(geo.TypeOf(cell.Type).ImageName, target, cell.X - cx + 704, cell.Y - cy + 230,
                    255);
}

void TGameRenderer::RebuildBackground(uint32_t now) {
    const int state = c_.Game.GameState;
    const bool animated = layers_ && layers_->AnimatedBackground();
    c_.State.AnimatedBackground = animated;
    ++backgroundGeneration_;
    if (state == gsPlaying) {
        DrawToolsAndPreview(Back);
        if (!animated) DrawPictureLayer(Back, now);
    } else if (state == gsBetweenLevels || state == gsHalted) {
        DrawToolsAndPreview(Back);
        DrawPictureLayer(Back, now);
        DrawGhostsInto(Back, now);
        DrawLights(now, Back);
        if (!animated) DrawPictureLayer(Back, now);
    }
}

void TGameRenderer::RenderFrame(uint32_t now, bool paused) {
    if (c_.Game.GameState == gsPlaying) {
        RenderPlaying(now, paused);
    } else {
        RenderOther(now, paused);
    }
}

void TGameRenderer::RenderPlaying(uint32_t now, bool paused) {
    TGame& g = c_.Game;
    StartFrame(now, true);
    DrawFeed(now);
    DrawFramePictures();
    DrawBoardPieces();
    if (layers_) layers_->DrawMovingLayer(now, paused);
    if (layers_ && c_.State.PictureHighlight >= 0 && now < c_.State.PictureHighlightUntil)
        layers_->DrawPictureHighlight(c_.State.PictureHighlight);
    c_.Interface.DrawAll();
    DrawGhostsInto(Frame, now);
    DrawSkillIcons(now);
    DrawCountdown(now);
    DrawFreeFragMarks();
    DrawLights(now, Frame);
    if (g.HeldPiece >= 0) DrawJointMarkers();
    if (g.DemoPlaying) {
        g.MoveBumperOnly(c_.Clock.FrameScale);
    } else {
        g.MoveFeed(c_.Clock.FrameScale);
    }
    if (g.BumperPiece >= 0) DrawBumperPiece(now);
    c_.Effects.DrawEffects(c_.Surfaces, g.MapScroll - 245, now);
    DrawDebugText(true);
    if (g.DemoRecording) Text("Record DEMO", 1, 1);
    DrawHeldPiece(now);
    DrawClipperPreview();
    if (now < c_.State.Hint.End) DrawHintBox(now, c_.State.Hint.Start);
    DrawPointer();
}

void TGameRenderer::RenderOther(uint32_t now, bool paused) {
    StartFrame(now, false);
    if (TVexInterfaceObject* bird = c_.Interface.FindInterfaceObject("LBirdWTitle")) {
        bird->OriginLeft = static_cast<int>(std::nearbyint(8 * std::sin(now / 550.0 + 1.07) + 462));
        bird->OriginTop = static_cast<int>(std::nearbyint(10 * std::sin(now / 700.0) + 10));
    }
    DrawFramePictures();
    DrawBoardPieces();
    if (layers_) layers_->DrawMovingLayer(now, paused);
    DrawLights(now, Frame);
    c_.Interface.DrawAll();
    DrawDebugText(false);
    TRenderState& st = c_.State;
    if (!st.SkillHintActive && now - st.LastPointerMove > 500) {
        st.SkillHintActive = true;
        st.SkillHintStart = now;
        SkillHintStep(now);
    } else if (st.SkillHintActive) {
        SkillHintStep(now);
    }
    DrawPointer();
}
