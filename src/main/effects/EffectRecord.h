#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Rect.h"

// Effect states.
enum TEffectState : uint8_t { esDead = 0, esVisible = 1, esInvisible = 2 };
// How an effect moves away from its base point.
enum TMoveType : uint8_t { mtLine = 0, mtEllipse = 1, mtRound = 2, mtSpark = 3 };
// How its opacity changes over the transparency change time.
enum TTransChange : uint8_t { tcLine = 0, tcSinus = 1 };
// What an effect may follow: nothing, piece 1 (or its centre), the pointer, piece 2 (or its
// centre). Only the pointer is acted on (demo playback moves its followers).
enum TFollow : uint8_t {
    efNone = 0,
    efFishka1 = 1,
    efFishka1Center = 2,
    efMouseCursor = 3,
    efFishka2 = 4,
    efFishka2Center = 5,
};

// Anchor markers stored in place of a coordinate and resolved when the type starts.
namespace Anchor {
constexpr int32_t MouseCursor = -55555;
constexpr int32_t Fishka1 = -11111;
constexpr int32_t Fishka2 = -22222;
constexpr int32_t Fishka1Center = -33333;
constexpr int32_t Fishka2Center = -44444;
inline bool IsMarker(int32_t v) {
    return v == MouseCursor || v == Fishka1 || v == Fishka2 || v == Fishka1Center ||
           v == Fishka2Center;
}
} // namespace Anchor

inline constexpr TRect FullScreenClip{0, 0, 799, 599};
// The surface word that stands for the picture of the first or second piece.
inline const std::string Fishka1Surface = "%Fishka1";
inline const std::string Fishka2Surface = "%Fishka2";

// One effect: a template inside a type, or a running effect in the effect list. In a running
// effect the time fields hold absolute ticks (-1 where noted).
struct EffectRecord {
    std::string TypeName; // the type that started it
    int64_t Wait = 0;
    uint8_t State = esDead;
    std::string SurfName;
    double TransBegin = 0, TransEnd = 0, TransStep = 0, CurrentTrans = 0;
    int64_t StartTick = 0;
    int64_t TimeToLive = 0;         // running: the tick it dies, -1 never
    int64_t TransChangeTime = 0;    // running: the tick the opacity change ends
    int64_t MoveTime = 0;           // running: the tick the movement ends, -1 never
    int32_t ShiftX = 0, ShiftY = 0; // base point (or anchor markers in a template)
    double X = 0, Y = 0;            // moving offset from the base point
    double RotateAngle = 0;
    double VelocityX = 0, VelocityY = 0; // pixels per second (sparks)
    int32_t ToX = 0, ToY = 0;            // end of a straight movement, from the base point
    uint8_t MoveType = mtLine;
    uint8_t TransChange = tcLine;
    uint8_t FramesNumber = 0;
    int64_t FrameTime = 0;
    int64_t FrameTick = 0;
    uint8_t CurrentFrame = 0; // from 1
    int32_t RadiusA = 0, RadiusB = 0;
    double StartAngle = 0;
    int8_t Direction = 0;
    double GravityX = 0, GravityY = 0; // pixels per second squared (sparks)
    uint32_t Color = 0;                // tint, 0x00BBGGRR
    double TrackBegin = 0, TrackEnd = 0, CurrentTrack = 0;
    int64_t TrackPeriod = 0; // template: the period; running: the tick the period ends
    int64_t TrackPeriodStart = 0;
    int32_t FishkaUnderEffect = -1; // template: 1 or 2; running: a piece index; -1 none
    uint8_t Follow = efNone;
    std::string PlaySound;
    TRect Clipper = FullScreenClip;
    uint8_t LongYEffect = 0; // moves with the board map's scroll
    double WaveAmpX = 0, WaveAmpY = 0, WaveFreqX = 0, WaveFreqY = 0, WavePhaseX = 0, WavePhaseY = 0;
    double OriginX = 0, OriginY = 0; // where a spark's flight starts, from the base point
};

// Clones standing evenly round an ellipse and turning on it.
struct RingTemplate {
    std::string SurfName;
    int32_t Count = 0;
    int32_t CenterX = 0, CenterY = 0;
    int32_t RadiusA = 0, RadiusB = 0;
    int32_t Direction = 0;
    double Angle = 0;
    int32_t TimeToLive = 0;
    int32_t TimeToMove = 0; // one revolution
    int32_t FramesNumber = 1;
    int32_t FrameTime = 0;
    uint8_t TransBegin = 0, TransEnd = 0;
    int32_t TransChangeTime = 0;
    uint8_t Follow = efNone;
    int32_t Wait = 0;
    TRect Clipper = FullScreenClip;
    uint8_t LongYEffect = 0;
};

// Sparks flying out of one point in a fan.
struct BurstTemplate {
    std::string SurfName;
    int32_t Count = 0;
    int32_t VecX = 0, VecY = 0; // direction and speed, pixels per second
    double Angle = 0;           // spread of the fan
    int32_t OriginX = 0, OriginY = 0;
    int32_t FramesNumber = 0;
    int32_t FrameTime = 0;
    uint8_t TransBegin = 0, TransEnd = 0;
    int32_t TransChangeTime = 0; // also the life time
    int32_t GravityX = 0, GravityY = 1;
    uint8_t Follow = efNone;
    TRect Clipper = FullScreenClip;
    uint8_t LongYEffect = 0;
    uint8_t RandomAngle = 0;
};

// A line from which drops fall; the i-th rain of a type drops copies of its i-th plain effect.
struct RainTemplate {
    int32_t StartX = 0, StartY = 0;
    int32_t Width = 0;
    int32_t Height = 0; // how far a drop falls
    double Angle = 0;
    int32_t BornEvery = 0;  // ms between drops
    int32_t Speed = 0;      // pixels per second
    int32_t TimeToWork = 0; // ms of rain after each start of the type
    int64_t LastBirth = 0;
};

struct EffectType {
    std::string Name;
    bool Create = false; // its plain effects start with it (else they only shape rain drops)
    std::vector<EffectRecord> Effects;
    std::vector<RingTemplate> Rings;
    std::vector<BurstTemplate> Bursts;
    std::vector<RainTemplate> Rains;
    int32_t RunEvery = -1; // ms; -1 not repeated
    int64_t LastRun = 0;
};
