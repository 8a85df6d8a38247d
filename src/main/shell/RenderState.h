#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Rect.h"

// The timed hint box: its wrapped lines, where it stands and when it fades in and ends.
struct THintBox {
    std::vector<std::string> Lines;
    std::string CharSet;
    int Width = 0; // of the single line; unused with several lines
    TPoint Corner{150, 20};
    uint32_t Start = 0;
    uint32_t End = 0;
};

// What the renderer keeps between frames besides the game state itself.
struct TRenderState {
    // Level pictures are drawn every frame (a map curve or a moving far picture), not into the
    // background.
    bool AnimatedBackground = false;

    TPoint PointerPos;
    uint32_t LastPointerMove = 0;

    // A clicked level picture shows the frags it covers until this tick.
    int PictureHighlight = -1;
    uint32_t PictureHighlightUntil = 0;

    THintBox Hint;
    std::string SkillHintText;
    bool SkillHintActive = false;
    uint32_t SkillHintStart = 0;

    bool ShowFrameRate = false;
    bool ShowBlockedSquares = false;
    std::string DebugLine;
};
