#pragma once
#include <cstdint>
#include <string>

#include "archive/Rect.h"
#include "main/effects/EffectRuntime.h"
#include "main/effects/GameEffectPieces.h"

class TFileFolder;
class TGame;
class TSurfEngine;

// The effects of a running game in one place, for the main form: the effect types, the list
// the surface engine keeps, and the game's pieces. Each call matches a step of the game tick,
// the rendering or a request of the rules.
class TGameEffects {
  public:
    TGameEffects(TSurfEngine& engine, TGame& game, Random& random);
    TGameEffects(const TGameEffects&) = delete;
    TGameEffects& operator=(const TGameEffects&) = delete;

    // Sounds go out by entry name ("Take.wav").
    void SetPlaySound(TEffectRuntime::TPlaySound play) { runtime_.SetPlaySound(std::move(play)); }
    // Where the pointer is; by default the game's pointer. During demo playback the main form
    // gives the replayed position instead.
    void SetCursor(TEffectRuntime::TCursor cursor) { runtime_.SetCursor(std::move(cursor)); }

    // Reads "EffectsType.dat" of the archive (GameError when missing or malformed).
    void Load(TFileFolder& archive, uint32_t now);
    TEffectTypes& Types() { return types_; }
    TEffectList& List() { return list_; }
    TEffectRuntime& Runtime() { return runtime_; }

    // The rules' requests.
    void StartEffect(const std::string& type, TPoint point, int piece1, int piece2, uint32_t now);
    // The levels' requests: a type at a map point with another picture ("" keeps its own).
    void StartSurfaceEffect(const std::string& type, const std::string& surface, TPoint point,
                            uint32_t now);
    bool StopPieceEffect(const std::string& type, int piece) {
        return list_.StopPieceEffect(type, piece);
    }
    void PieceRemoved(int piece) { list_.PieceRemoved(piece); }

    // The tick: animation (true when the background must be rebuilt), the level's rain and
    // repetition, and effects riding with their pieces.
    bool Update(uint32_t now);
    void RunLevelEffect(uint32_t now);
    void FollowMapScroll() { list_.FollowPieces(); }
    // The rendering: every effect onto "MemorySurface".
    void Draw(uint32_t now);

    // A level begins: no effect of the last one goes on, rain and repetition count from now.
    void LevelStarted(uint32_t now);
    // Demo playback moved the pointer.
    void MoveFollowers(TPoint cursor) { list_.MoveFollowers(cursor); }

  private:
    TSurfEngine& engine_;
    TGame& game_;
    TEffectTypes types_;
    TEffectList& list_;
    TGameEffectPieces pieces_;
    TEffectRuntime runtime_;
};
