// The per-frame animation of the running effects.
#include <cmath>
#include <numbers>

#include "main/effects/EffectList.h"

namespace {

constexpr double Pi = std::numbers::pi;

// To the nearest integer, halves to the even neighbour.
double RoundEven(double v) {
    return std::nearbyint(v);
}

// A value that goes from begin to end and back to begin as f runs from 0 to 1.
double CosineSwing(double f, double begin, double end) {
    return (std::cos(2 * Pi * f - Pi) * (end - begin) + end + begin) / 2;
}

void PulseTint(EffectRecord& e, int64_t now) {
    if (e.TrackPeriod < 0 || now >= e.TrackPeriod) {
        e.TrackPeriod = 2 * now - e.TrackPeriodStart;
        e.TrackPeriodStart = now;
        return;
    }
    const double f = double(now - e.TrackPeriodStart) / double(e.TrackPeriod - e.TrackPeriodStart);
    e.CurrentTrack = CosineSwing(f, e.TrackBegin, e.TrackEnd);
}

void Fade(EffectRecord& e, int64_t now) {
    if (e.TransChangeTime < 0 || now >= e.TransChangeTime) return;
    const double f = double(now - e.StartTick) / double(e.TransChangeTime - e.StartTick);
    if (e.TransChange == tcSinus)
        e.CurrentTrans = CosineSwing(f, e.TransBegin, e.TransEnd);
    else
        e.CurrentTrans = e.TransBegin + (e.TransEnd - e.TransBegin) * f;
}

// A spark is gone once it leaves the screen (unless it rides on the board map).
bool SparkLeftScreen(const EffectRecord& e, int surfaceHeight) {
    if (e.LongYEffect) return false;
    const double y = e.ShiftY + e.Y;
    return y > 600 || y < surfaceHeight || e.ShiftX + e.X > 800;
}

// Returns false when the effect cannot move (its spark surface is missing).
bool Move(EffectRecord& e, int64_t now, const TSurfEngine& surfaces) {
    const bool moving = now < e.MoveTime || e.MoveTime == -1 || e.MoveType == mtRound;
    // A line move that has run its time lands exactly on its target, however long the last
    // frame before the end was.
    if (!moving && e.MoveType != mtLine) return true;
    const double span = double(e.MoveTime - e.StartTick);
    const double f = !moving ? 1.0 : span > 0 ? double(now - e.StartTick) / span : 0;
    switch (e.MoveType) {
    case mtLine:
        e.X = RoundEven(f * e.ToX) + std::sin(f * e.WaveFreqX + e.WavePhaseX) * e.WaveAmpX;
        e.Y = RoundEven(f * e.ToY) + std::sin(f * e.WaveFreqY + e.WavePhaseY) * e.WaveAmpY;
        break;
    case mtRound: {
        const double l = (2 * Pi * f - Pi + e.StartAngle) * e.Direction;
        e.X = std::cos(l) * e.RadiusA;
        e.Y = std::sin(l) * e.RadiusB;
        break;
    }
    case mtSpark: {
        const int surface = surfaces.FindSurface(e.SurfName);
        if (surface < 0) return false;
        const double t = double(now - e.StartTick);
        e.X = RoundEven(t * (t * e.GravityX / 1000 + e.VelocityX) / 1000 + e.OriginX);
        e.Y = RoundEven(t * (t * e.GravityY / 1000 + e.VelocityY) / 1000 + e.OriginY);
        if (SparkLeftScreen(e, surfaces.Record(surface).Height)) e.State = esDead;
        break;
    }
    default: // an ellipse stands still
        break;
    }
    return true;
}

void AdvanceFrame(EffectRecord& e, int64_t now) {
    if (e.FramesNumber <= 1) return;
    const int64_t due = e.FrameTick + e.FrameTime;
    if (due >= 0 && now < due) return;
    // Keep to the picture's own beat: the next picture is due a frame time after this one was,
    // not after the frame that showed it, unless the animation has fallen a whole picture behind.
    e.FrameTick = due >= 0 && now - due < e.FrameTime ? due : now;
    e.CurrentFrame = e.CurrentFrame >= e.FramesNumber ? 1 : e.CurrentFrame + 1;
}

} // namespace

void TEffectList::UpdateOne(EffectRecord& e, uint32_t now32, const TSurfEngine& surfaces) {
    const int64_t now = now32;
    if (!(e.StartTick < now) || e.State != esVisible) return;
    if (!(e.TimeToLive == -1 || now < e.TimeToLive)) e.State = esDead;
    PulseTint(e, now);
    Fade(e, now);
    // A spark without its picture cannot tell when it leaves the screen; it stays where it is
    // (its life time still ends it) and the other effects go on.
    if (!Move(e, now, surfaces)) return;
    AdvanceFrame(e, now);
}

bool TEffectList::RemoveDead() {
    std::vector<int> released;
    bool anyDead = false;
    for (const EffectRecord& e : effects_) {
        if (e.State != esDead) continue;
        anyDead = true;
        if (e.FishkaUnderEffect >= 0) released.push_back(e.FishkaUnderEffect);
    }
    if (!anyDead) return false;
    std::erase_if(effects_, [](const EffectRecord& e) { return e.State == esDead; });
    for (int piece : released)
        ReleasePiece(piece);
    return !released.empty();
}

bool TEffectList::UpdateEffects(uint32_t now, const TSurfEngine& surfaces) {
    for (EffectRecord& e : effects_)
        UpdateOne(e, now, surfaces);
    return RemoveDead();
}
