#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/SFunctions.h"

// One segment of a picture's path: at s milliseconds into the segment the picture stands at
// x = alX*sin(beX*s + gaX) + laX*s + lbX and y likewise (board coordinates).
struct PictureCurve {
    double alX = 0, beX = 0, gaX = 0, laX = 0, lbX = 0;
    double alY = 0, beY = 0, gaY = 0, laY = 0, lbY = 0;
};

// A piece of level scenery: a still or moving image (or image cycle) in a parallax layer.
struct TLevelPicture {
    std::string Name;
    bool Moving = false;
    int X = 0; // board coordinates: the file's x plus 5
    int Y = 0;
    int Z = 0; // 0 is the board layer; larger lies farther back
    std::vector<std::string> Images;
    TIntArray ImageTimes; // ms each image shows
    uint32_t NextImageTime = 0;
    int CurrentImage = 0;
    bool Visible = true;
    TIntArray CoveredFrags; // board frags its opaque pixels cover, shown or not
    TIntArray SegmentTimes; // ms of each curve segment
    std::vector<PictureCurve> Curves;
    int CurrentSegment = 0;
    double SpeedFactor = 1;
    bool FreeMover = false; // given its own curve ("MovingCurve"), not a map place
    int CurrentX = 0;       // where the last motion step put it
    int CurrentY = 0;
    double TimeInSegment = 0;
    uint32_t LastUpdate = 0;
    bool BonusElementPicture = false;
    int BounceState = 0;     // the renderer's bounce memory for straight-line movers
    uint32_t FlashUntil = 0; // the picture flashes red until then (it blocked a piece)
};

// The picture map being read: a grid of places filled from an image list.
struct TPictureMap {
    int X = 0; // the file's x plus 5
    int Y = 0;
    int Z = 0;
    std::vector<std::string> Images; // counted from 1 by the rows
    int OneWidth = 0;
    int OneHeight = 0;
    TIntArray Unused;
};

struct TBombs {
    int Frag = -1;
    int R = 0;
    uint8_t Ghost = 0;
    uint8_t PictureBomb = 0;
    int X = 0; // as written in the level file
    int Y = 0;
    std::string EffectName;
    std::string BombImage;
};

struct PutAction {
    int Frag = -1;
    int Type = 0;
    uint8_t Ghost = 0;
};

struct TStartEffect {
    std::string Name;
    int X = 0;
    int Y = 0;
    std::string SurfName;
};

// What a bonus point or bonus element does when it is reached, in this order.
struct TLevelActions {
    std::vector<std::string> RemovePictures;
    std::vector<std::string> ShowPictures;
    std::vector<TBombs> Bombs;
    std::vector<PutAction> Puts;
};

struct TBonusElement {
    std::string Name;
    TIntArray Points; // indexes into the bonus points
    TLevelActions Actions;
    bool Done = false;
    TStartEffect StartEffect;
};

struct TBonusPoint {
    int Frag = -1;
    int Border = 0; // the single-square type standing on the point
    TLevelActions Actions;
    bool Done = false;
    TStartEffect StartEffect;
};

struct TFireEffect {
    int X = 0;
    int Y = 0;
    int RunEvery = 0; // ms
    std::string Name;
    uint32_t LastStart = 0;
    std::string FollowPic; // the picture whose position it follows, or ""
};

struct TGhostFishGroup {
    TIntArray GhostFrags;
    bool Done = false;
    TIntArray BonusWeights;
};

// Everything a level file adds beyond the board state: scenery and the objects that act
// during play. Emptied when a level starts.
struct TLevelObjects {
    std::vector<TLevelPicture> Pictures; // farthest first once loaded
    std::vector<TBonusElement> BonusElements;
    std::vector<TBonusPoint> BonusPoints;
    std::vector<TFireEffect> FireEffects;
    std::vector<TGhostFishGroup> GhostGroups;
    TIntArray VisitedFrags; // the frag bomb's memory, emptied when the groups are recomputed
    bool AnimatedBackground = false; // pictures are drawn every frame, not into the background

    void Clear();
    // The first picture of that name, or -1: names may repeat and the first one answers.
    int FindPicture(const std::string& name) const;
};

// Screen row of a board-coordinate y in a layer of depth z.
int PictureScreenY(int y, int z, int mapScroll);
