#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/Rect.h"
#include "main/shell/LevelLayers.h"

// A board piece as this frame draws it.
struct TPieceDraw {
    int Type = 0;
    const std::string* Image = nullptr;
    int X = 0, Y = 0; // screen position before the cut to the play area
    TRect Box;        // the rows of the play area it can touch
    uint32_t Tint = 0;
    uint8_t Level = 0;
    bool Still = false; // comes from the baked layer when that holds this frame's still pieces
};

// What a still piece leaves in the baked layer: equal lists over the same background give
// equal pixels.
struct TBakedPiece {
    int Type = 0;
    int X = 0, Y = 0;
    uint8_t Level = 0;
    bool operator==(const TBakedPiece&) const = default;
};

// Most laid pieces look the same frame after frame, yet there can be a hundred and fifty of
// them: they are drawn once over "Background" (and the level pictures, when those are drawn
// each frame) into a surface of their own, and a frame starts from a copy of that and draws
// only the pieces that change (hovered, flashing in the end-of-level wave) or that must stay
// above something drawn each frame.
struct TBoardBake {
    std::vector<TPictureDraw> Pictures; // this frame's level pictures, drawn each frame
    std::vector<TPieceDraw> Pieces;     // this frame's, in drawing order
    std::vector<TBakedPiece> Wanted;    // this frame's still pieces
    std::vector<TPictureDraw> LastPictures;
    std::vector<TBakedPiece> LastWanted;
    uint64_t LastWantedOn = 0;
    std::vector<TPictureDraw> BakedPictures; // what the baked surface holds...
    std::vector<TBakedPiece> Baked;
    uint64_t BakedOn = 0;    // ...over this background generation
    uint64_t ComparedOn = 0; // the last generation compared with the one baked over
    bool Valid = false;
    bool Used = false;                                // this frame started from the baked layer
    std::array<std::optional<TPoint>, 256> TypeSizes; // scratch: picture sizes by piece type
    std::vector<TRect> Under;     // scratch: what the frame draws before the pieces
    std::vector<TRect> EachFrame; // scratch: pieces drawn each frame
};

// Takes out of the baked layer every piece that overlaps something drawn each frame before
// it: a rectangle of under (drawn before the pieces) or an earlier piece that is not still.
// Baked, it would end up beneath them.
void KeepDrawingOrder(std::vector<TPieceDraw>& pieces, const std::vector<TRect>& under,
                      std::vector<TRect>& scratch);

// The same pictures showing the same images at the same places.
bool SamePictures(const std::vector<TPictureDraw>& a, const std::vector<TPictureDraw>& b);
