// What lies over the game: the debug and frame-rate line, the hint boxes and the pointer.
#include <algorithm>
#include <cstdio>

#include "graphics/SurfEngine.h"
#include "interface/VexFont.h"
#include "interface/VexForm.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexLabel.h"
#include "main/options/Settings.h"
#include "main/rules/Game.h"
#include "main/shell/FrameClock.h"
#include "main/shell/GameRenderer.h"
#include "main/shell/HintText.h"

namespace {
const char* const Frame = "MemorySurface";
const char* const HintFont = "Arial12";
} // namespace

void TGameRenderer::DrawDebugText(bool playing) {
    TGame& g = c_.Game;
    std::string line;
    if (playing) {
        line = std::to_string(g.FeedStep);
        if (g.HeldPiece >= 0) {
            const TFishka& f = g.Fishkas[g.HeldPiece];
            const TPoint p = g.PointerPos;
            line += " fishtype= " + std::to_string(f.Type) +
                    " frag=" + std::to_string(g.Geometry().FragUnderMapPoint(p.X, g.MapY(p.Y)));
        }
        c_.State.DebugLine = line;
    }
    c_.Clock.CountFrame();
    if (!c_.State.ShowFrameRate) return;
    // Two significant digits would turn 100 frames and more into an exponent; the whole
    // number reads better.
    Text("FPS: " + std::to_string(c_.Clock.FramesPerSecond) + " " + c_.State.DebugLine, 1, 510);
}

int TGameRenderer::HintTextWidth(const std::string& charSet, const std::string& text) const {
    const TVexFont* font = c_.Fonts.FindFont(HintFont);
    return font ? font->TextWidth(charSet, text) : 0;
}

void TGameRenderer::ShowHint(const std::string& label, uint32_t durationMs, uint32_t now) {
    const auto* object = dynamic_cast<TVexLabel*>(c_.Interface.FindInterfaceObject(label));
    if (!object) return;
    THintBox& hint = c_.State.Hint;
    hint.CharSet = object->CharSet;
    hint.Lines = WrapHintText(object->Caption,
                              [&](const std::string& s) { return HintTextWidth(hint.CharSet, s); });
    hint.Width = HintTextWidth(hint.CharSet, object->Caption);
    hint.Corner = {150, 20};
    hint.Start = now;
    hint.End = now + durationMs;
}

void TGameRenderer::DrawHintBox(uint32_t now, uint32_t start) {
    if (c_.Settings.TurnOffHint == 1) return;
    const THintBox& hint = c_.State.Hint;
    const TVexCharSet* set = c_.Fonts.FindCharSet(HintFont, hint.CharSet);
    const uint8_t opacity = static_cast<uint8_t>(std::min<uint32_t>(now - start, 255));
    const int x = hint.Corner.X, y = hint.Corner.Y;
    auto text = [&](const std::string& line, int ty) {
        if (set)
            c_.Surfaces.DrawFontText(line, set->Picture, set->Metric, 0, 0, opacity, ty, x + 2,
                                     Frame);
    };
    if (hint.Lines.size() == 1) {
        c_.Surfaces.DrawAlpha("BlackBar.png", Frame, x, y, opacity,
                              TRect{0, 0, hint.Width + 2, 19});
        text(hint.Lines[0], y);
        return;
    }
    for (size_t k = 0; k < hint.Lines.size(); ++k) {
        const int ly = y + HintLineHeight * static_cast<int>(k);
        c_.Surfaces.DrawAlpha("BlackBar.png", Frame, x, ly, opacity);
        text(hint.Lines[k], ly);
    }
}

// Between levels the skill under the pointer explains itself next to the pointer.
void TGameRenderer::SkillHintStep(uint32_t now) {
    TRenderState& st = c_.State;
    std::string text;
    const TVexLabel* label = nullptr;
    // Only the menu itself explains its skills: the final score dialog over it and the title
    // after "Main menu" (the game is still between levels then) show no skill hints.
    const TVexForm* top = c_.Interface.TopWindow();
    if (c_.Game.GameState == gsBetweenLevels && top && top->Name == "WBetweenLevelMenu") {
        const std::string name = SkillHintLabelAt(st.PointerPos);
        if (!name.empty()) label = dynamic_cast<TVexLabel*>(c_.Interface.FindInterfaceObject(name));
        if (label) text = label->Caption;
    }
    if (text.empty()) {
        st.SkillHintText.clear();
        st.SkillHintActive = false;
        return;
    }
    if (text != st.SkillHintText) {
        st.SkillHintText = text;
        THintBox& hint = st.Hint;
        hint.CharSet = label->CharSet;
        hint.Lines = WrapHintText(
            text, [&](const std::string& s) { return HintTextWidth(hint.CharSet, s); });
        hint.Width = HintTextWidth(hint.CharSet, text);
        hint.Corner =
            SkillHintCorner(st.PointerPos, static_cast<int>(hint.Lines.size()), hint.Width);
        hint.Start = st.SkillHintStart;
        hint.End = st.SkillHintStart;
        return;
    }
    DrawHintBox(now, st.SkillHintStart);
}

// The game's pointer image; a tool whose picture a mod left out shows the arrow instead.
void TGameRenderer::DrawPointer() {
    const TRenderState& st = c_.State;
    TPoint p = st.PointerPos;
    if (c_.Game.DemoPlaying) p = c_.Game.PointerPos;
    std::string image = c_.Game.PointerImage;
    if (c_.Surfaces.FindSurface(image) < 0) image = PointerNormal;
    const TPoint size = Size(image);
    if (size.X <= 0 || p.X > 799 || p.Y > 599) return;
    TRect r{0, 0, std::min(size.X - 1, 799 - p.X), std::min(size.Y - 1, 599 - p.Y)};
    c_.Surfaces.DrawAlpha(image, Frame, p.X, p.Y, 255, r);
}
