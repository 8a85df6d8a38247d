#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "archive/Rect.h"
#include "main/effects/EffectList.h"
#include "main/effects/EffectTypes.h"

class Random;

// Starts effect types by name into the running list, and runs the level's own effect type
// (its rain and its repetition). Sounds go out by name; the pointer position comes from the
// main form (during demo playback, the replayed one).
class TEffectRuntime {
  public:
    using TPlaySound = std::function<void(const std::string&)>;
    using TCursor = std::function<TPoint()>;

    TEffectRuntime(TEffectTypes& types, TEffectList& list, Random& random)
        : types_(types), list_(list), random_(random) {}

    void SetPlaySound(TPlaySound play) { playSound_ = std::move(play); }
    void SetCursor(TCursor cursor) { cursor_ = std::move(cursor); }

    TEffectTypes& Types() { return types_; }
    TEffectList& List() { return list_; }

    // Starts the first type named typeName: its rain drops (and then nothing else), or its
    // plain effects (when marked create), rings and bursts. A non-zero coordinate of point
    // replaces that axis of the anchors; a non-empty surfaceOverride replaces the surfaces.
    // piece1 and piece2 are piece indexes or -1. A name no type has starts nothing.
    void StartEffectType(const std::string& typeName, const std::string& effectName,
                         const std::string& surfaceOverride, TPoint point, int piece2, int piece1,
                         uint32_t now);
    // The rules' way: the type's own name, no surface override.
    void StartEffect(const std::string& typeName, TPoint point, int piece1, int piece2,
                     uint32_t now) {
        StartEffectType(typeName, typeName, "", point, piece2, piece1, now);
    }

    // Each tick, for the level's effect type: its rains drop while they work, and it starts
    // again when its repeat period has passed. An empty or unknown name does nothing.
    void RunLevelEffect(const std::string& levelEffectName, uint32_t now);
    // A level starts: every type that rains or repeats counts as started now.
    void RestartEffectTypes(uint32_t now);

  private:
    struct TAnchors {
        int Piece1 = -1, Piece2 = -1;
        TPoint Centre1, Centre2;
        TPoint Cursor;
    };
    void StartPlain(const EffectRecord& t, const TAnchors& a, const std::string& effectName,
                    const std::string& surfaceOverride, TPoint point, uint32_t now);
    // The value of an anchor marker in x (axis 0) or y (axis 1), or the value itself. Rings
    // and bursts (onBoard) use the pieces' stored positions; plain effects their screen ones.
    int Resolve(int value, int axis, const TAnchors& a, bool onBoard) const;

    TEffectTypes& types_;
    TEffectList& list_;
    Random& random_;
    TPlaySound playSound_;
    TCursor cursor_;
};
