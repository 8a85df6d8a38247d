#include "main/effects/EffectClones.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "archive/Random.h"
#include "main/effects/EffectList.h"

namespace {
constexpr double Pi = std::numbers::pi;
// A typing slip in a count ("[roundnum] 100000000") must not take the game's memory; no ring
// or burst of the game comes near this.
constexpr int MaxClones = 4096;
int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}
} // namespace

void AddRoundClones(TEffectList& list, const RingTemplate& t, const std::string& effectName,
                    uint32_t now) {
    const int count = std::min(t.Count, MaxClones);
    for (int k = 1; k <= count; ++k) {
        const int i = list.AddEffect(t.SurfName, t.TimeToLive, t.Clipper, t.Wait, -1,
                                     t.TransChangeTime, t.TransEnd, t.TransBegin, now);
        list.SetBasePoint(i, t.CenterX, t.CenterY);
        list.SetFrames(i, t.FramesNumber, t.FrameTime, now);
        list.SetMotion(i, 0, 0, t.Angle, t.TimeToMove, t.Direction, t.RadiusA, t.RadiusB);
        EffectRecord& e = list[i];
        e.StartAngle = (k - 1) * 2 * Pi / count;
        e.TypeName = effectName;
        list.SetMoveType(i, tcSinus, mtRound);
        e.Follow = t.Follow;
        e.LongYEffect = t.LongYEffect;
    }
}

void AddSparkClones(TEffectList& list, const BurstTemplate& t, const std::string& effectName,
                    uint32_t now, Random& random) {
    const double v = std::sqrt(double(t.VecX) * t.VecX + double(t.VecY) * t.VecY);
    // A burst without speed has no direction; its sparks only fall.
    const double b = v > 0 ? std::acos(t.VecY / v) : 0;
    const double sx = t.VecX < 0 ? -1 : 1, sy = t.VecY < 0 ? -1 : 1;
    const double m = t.Angle;
    const int count = std::min(t.Count, MaxClones);
    for (int k = 1; k <= count; ++k) {
        const int i = list.AddEffect(t.SurfName, t.TransChangeTime, t.Clipper, 0, -1,
                                     t.TransChangeTime, t.TransEnd, t.TransBegin, now);
        list.SetBasePoint(i, t.OriginX, t.OriginY);
        list.SetFrames(i, t.FramesNumber, t.FrameTime, now);
        double angle = 0;
        if (t.RandomAngle)
            angle = -Pi / 2 - m / 2 + b + m * random.NextReal();
        else if (count > 1)
            angle = -Pi / 2 - m / 2 + b + m * (k - 1) / (count - 1);
        list.SetVelocity(i, std::cos(angle) * sx * v, std::sin(angle) * sy * v, t.GravityX,
                         t.GravityY);
        EffectRecord& e = list[i];
        e.TypeName = effectName;
        list.SetMoveType(i, tcLine, mtSpark);
        e.Follow = t.Follow;
        e.LongYEffect = t.LongYEffect;
        e.OriginX = e.X;
        e.OriginY = e.Y;
    }
}

int SpawnRainDrop(TEffectList& list, const EffectType& type, int rain,
                  const std::string& effectName, uint32_t now, Random& random) {
    if (rain < 0 || rain >= static_cast<int>(type.Rains.size()) ||
        rain >= static_cast<int>(type.Effects.size()))
        return -1;
    const RainTemplate& r = type.Rains[rain];
    const EffectRecord& d = type.Effects[rain];
    if (r.Speed <= 0) return -1; // a drop that never falls
    const int w = random.Next(r.Width);
    const double a = r.Angle;
    const int fall = RoundEven(r.Height * 1000.0 / r.Speed);
    const int i = list.AddEffect(d.SurfName, fall, d.Clipper, d.Wait, -1, d.TransChangeTime,
                                 d.TransEnd, d.TransBegin, now);
    list.SetBasePoint(i, r.StartX + RoundEven(std::cos(a) * w),
                      r.StartY + RoundEven(std::sin(a) * w));
    list.SetMotion(i, RoundEven(std::sin(a) * r.Height), RoundEven(std::cos(a) * r.Height),
                   d.RotateAngle, fall, d.Direction, d.RadiusA, d.RadiusB);
    list.SetFrames(i, d.FramesNumber, d.FrameTime, now);
    list.SetTrack(i, d.TrackPeriod, d.Color, d.TrackEnd, d.TrackBegin);
    list.SetMoveType(i, d.TransChange, mtLine);
    EffectRecord& e = list[i];
    e.Follow = d.Follow;
    e.StartAngle = d.StartAngle;
    e.TypeName = effectName;
    e.PlaySound = d.PlaySound;
    e.WaveAmpX = d.WaveAmpX;
    e.WaveAmpY = d.WaveAmpY;
    e.WaveFreqX = d.WaveFreqX;
    e.WaveFreqY = d.WaveFreqY;
    e.WavePhaseX = random.NextReal() * 2 * Pi;
    e.WavePhaseY = random.NextReal() * 2 * Pi;
    return i;
}
