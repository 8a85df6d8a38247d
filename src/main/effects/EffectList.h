#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/SurfEngine.h"
#include "main/effects/EffectPieces.h"
#include "main/effects/EffectRecord.h"

// The running effects, in order of creation; the surface engine keeps the list for the whole
// run. The building blocks take an effect's index and do nothing for an index outside the list.
class TEffectList : public IEffectList {
  public:
    // The pieces effects may hold; without them no effect holds a piece.
    void SetPieces(IEffectPieces* pieces) { pieces_ = pieces; }
    IEffectPieces* Pieces() const { return pieces_; }

    int Count() const { return static_cast<int>(effects_.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    EffectRecord& operator[](int index) { return effects_[index]; }
    const EffectRecord& operator[](int index) const { return effects_[index]; }
    const std::vector<EffectRecord>& Effects() const { return effects_; }

    // Empties the list; the pieces it held are free again.
    void Clear() override;

    // Appends a visible effect that starts moving wait ms from now and dies timeToLive ms
    // after that (-1: never). A valid piece is marked as held. Returns the new index.
    int AddEffect(const std::string& surface, int64_t timeToLive, const TRect& clip, int64_t wait,
                  int piece, int64_t transChangeTime, double transEnd, double transBegin,
                  uint32_t now);
    void SetBasePoint(int index, int shiftX, int shiftY);
    // A count of 0 is taken as one frame.
    void SetFrames(int index, int count, int64_t frameTime, uint32_t now);
    void SetMotion(int index, int targetX, int targetY, double rotateAngle, int64_t moveTime,
                   int direction, int radiusA, int radiusB);
    void SetVelocity(int index, double velocityX, double velocityY, double gravityX,
                     double gravityY);
    void SetTrack(int index, int64_t period, uint32_t colour, double trackEnd, double trackBegin);
    void SetMoveType(int index, uint8_t transChange, uint8_t moveType);
    void DeleteEffect(int index);

    // Moves, fades, pulses, animates and retires the effects; surfaces give the sparks' sizes.
    // Returns true when an effect that held a piece was removed (the background must be
    // redrawn, since the piece is drawn there again).
    bool UpdateEffects(uint32_t now, const TSurfEngine& surfaces);
    // Draws every visible effect onto "MemorySurface", the last created underneath the others'
    // (first created on top). mapShift is MapScroll - 245.
    void DrawEffects(TSurfEngine& engine, int mapShift, uint32_t now) const;

    // Effects holding a piece ride with it as the board map scrolls.
    void FollowPieces();
    // Effects that follow the pointer are moved to it.
    void MoveFollowers(TPoint cursor);
    // Removes the effects of that type holding the piece; true when any went.
    bool StopPieceEffect(const std::string& typeName, int piece);
    // The piece left the piece list: effects on it hold nothing more, indexes above it move
    // down by one.
    void PieceRemoved(int piece);

  private:
    void ReleasePiece(int piece);
    void UpdateOne(EffectRecord& e, uint32_t now, const TSurfEngine& surfaces);
    // Removes the dead effects; true when one of them held a piece.
    bool RemoveDead();

    std::vector<EffectRecord> effects_;
    IEffectPieces* pieces_ = nullptr;
};

// The effect list of the engine, installed on first use.
TEffectList& EffectListOf(TSurfEngine& engine);
