#include "main/effects/EffectRuntime.h"

#include "main/effects/EffectClones.h"

namespace {
int Axis(TPoint p, int axis) {
    return axis == 0 ? p.X : p.Y;
}
} // namespace

int TEffectRuntime::Resolve(int value, int axis, const TAnchors& a, bool onBoard) const {
    const IEffectPieces* pieces = list_.Pieces();
    const auto piecePos = [&](int piece, TPoint centre, bool withCentre, int& out) {
        if (!pieces || !pieces->Valid(piece)) return false;
        TPoint p = onBoard ? pieces->Position(piece) : pieces->ScreenPosition(piece);
        out = Axis(p, axis) + (withCentre ? Axis(centre, axis) : 0);
        return true;
    };
    int out = value;
    switch (value) {
    case Anchor::MouseCursor:
        return Axis(a.Cursor, axis);
    case Anchor::Fishka1:
        piecePos(a.Piece1, a.Centre1, false, out);
        return out;
    case Anchor::Fishka1Center:
        piecePos(a.Piece1, a.Centre1, true, out);
        return out;
    case Anchor::Fishka2:
        piecePos(a.Piece2, a.Centre2, false, out);
        return out;
    case Anchor::Fishka2Center:
        piecePos(a.Piece2, a.Centre2, true, out);
        return out;
    default:
        return value;
    }
}

void TEffectRuntime::StartPlain(const EffectRecord& t, const TAnchors& a,
                                const std::string& effectName, const std::string& surfaceOverride,
                                TPoint point, uint32_t now) {
    const IEffectPieces* pieces = list_.Pieces();
    std::string surface = t.SurfName;
    if (pieces && surface == Fishka1Surface && pieces->Valid(a.Piece1))
        surface = pieces->SurfaceName(a.Piece1);
    else if (pieces && surface == Fishka2Surface && pieces->Valid(a.Piece2))
        surface = pieces->SurfaceName(a.Piece2);
    const int held = t.FishkaUnderEffect == 1 ? a.Piece1 : t.FishkaUnderEffect == 2 ? a.Piece2 : -1;
    const int i = list_.AddEffect(surface, t.TimeToLive, t.Clipper, t.Wait, held, t.TransChangeTime,
                                  t.TransEnd, t.TransBegin, now);
    const int shiftX = Resolve(t.ShiftX, 0, a, false), shiftY = Resolve(t.ShiftY, 1, a, false);
    // An anchored target is where the anchor is, seen from the base point.
    const int toX = Anchor::IsMarker(t.ToX) ? Resolve(t.ToX, 0, a, false) - shiftX : t.ToX;
    const int toY = Anchor::IsMarker(t.ToY) ? Resolve(t.ToY, 1, a, false) - shiftY : t.ToY;
    list_.SetBasePoint(i, shiftX, shiftY);
    list_.SetMotion(i, toX, toY, t.RotateAngle, t.MoveTime, t.Direction, t.RadiusA, t.RadiusB);
    list_.SetFrames(i, t.FramesNumber, t.FrameTime, now);
    list_.SetTrack(i, t.TrackPeriod, t.Color, t.TrackEnd, t.TrackBegin);
    list_.SetMoveType(i, t.TransChange, t.MoveType);
    EffectRecord& e = list_[i];
    e.Follow = t.Follow;
    e.StartAngle = t.StartAngle;
    e.TypeName = effectName;
    e.PlaySound = t.PlaySound;
    e.LongYEffect = t.LongYEffect;
    if (point.X != 0) e.ShiftX = point.X;
    if (point.Y != 0) e.ShiftY = point.Y;
    if (!surfaceOverride.empty()) e.SurfName = surfaceOverride;
    if (!t.PlaySound.empty() && playSound_) playSound_(t.PlaySound);
}

void TEffectRuntime::StartEffectType(const std::string& typeName, const std::string& effectName,
                                     const std::string& surfaceOverride, TPoint point, int piece2,
                                     int piece1, uint32_t now) {
    EffectType* type = types_.FindEffectType(typeName);
    if (!type) return;
    if (!type->Rains.empty()) {
        for (int r = 0; r < static_cast<int>(type->Rains.size()); ++r)
            SpawnRainDrop(list_, *type, r, effectName, now, random_);
        return;
    }
    const IEffectPieces* pieces = list_.Pieces();
    TAnchors a;
    a.Piece1 = pieces && pieces->Valid(piece1) ? piece1 : -1;
    a.Piece2 = pieces && pieces->Valid(piece2) ? piece2 : -1;
    if (a.Piece1 >= 0) a.Centre1 = pieces->CentreOffset(a.Piece1);
    if (a.Piece2 >= 0) a.Centre2 = pieces->CentreOffset(a.Piece2);
    if (cursor_) a.Cursor = cursor_();
    if (type->Create)
        for (const EffectRecord& t : type->Effects)
            StartPlain(t, a, effectName, surfaceOverride, point, now);
    for (RingTemplate ring : type->Rings) {
        ring.CenterX = point.X != 0 ? point.X : Resolve(ring.CenterX, 0, a, true);
        ring.CenterY = point.Y != 0 ? point.Y : Resolve(ring.CenterY, 1, a, true);
        if (!surfaceOverride.empty()) ring.SurfName = surfaceOverride;
        AddRoundClones(list_, ring, effectName, now);
    }
    for (BurstTemplate burst : type->Bursts) {
        burst.OriginX = point.X != 0 ? point.X : Resolve(burst.OriginX, 0, a, true);
        burst.OriginY = point.Y != 0 ? point.Y : Resolve(burst.OriginY, 1, a, true);
        if (!surfaceOverride.empty()) burst.SurfName = surfaceOverride;
        AddSparkClones(list_, burst, effectName, now, random_);
    }
}

void TEffectRuntime::RunLevelEffect(const std::string& levelEffectName, uint32_t now32) {
    if (levelEffectName.empty()) return;
    EffectType* type = types_.FindEffectType(levelEffectName);
    if (!type) return;
    const int64_t now = now32;
    for (int r = 0; r < static_cast<int>(type->Rains.size()); ++r) {
        RainTemplate& rain = type->Rains[r];
        if (!(now < type->LastRun + rain.TimeToWork)) continue;
        if (now - rain.LastBirth >= rain.BornEvery && rain.LastBirth + rain.BornEvery < now) {
            SpawnRainDrop(list_, *type, r, type->Name, now32, random_);
            rain.LastBirth = now;
        }
    }
    if (type->RunEvery != -1 && type->LastRun + type->RunEvery < now) {
        type->LastRun = now;
        for (RainTemplate& rain : type->Rains)
            rain.LastBirth = now;
        StartEffectType(type->Name, type->Name, "", {}, -1, -1, now32);
    }
}

void TEffectRuntime::RestartEffectTypes(uint32_t now) {
    for (EffectType& type : types_.Types()) {
        if (type.Rains.empty() && type.RunEvery == -1) continue;
        type.LastRun = now;
        for (RainTemplate& rain : type.Rains)
            rain.LastBirth = now;
    }
}
