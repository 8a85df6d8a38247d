#include "main/effects/EffectKeys.h"

#include <functional>
#include <map>

#include "main/effects/EffectLineReader.h"

namespace {

template <typename T>
using TKeyTable = std::map<std::string, std::function<void(T&, const TEffectLineReader&)>>;

template <typename T>
bool Apply(const TKeyTable<T>& table, T* record, const std::string& key,
           const TEffectLineReader& in, const char* opener) {
    auto it = table.find(key);
    if (it == table.end()) return false;
    if (!record) in.Fail(key + " comes before any " + opener);
    it->second(*record, in);
    return true;
}

const TKeyTable<EffectRecord>& EffectKeys() {
    using R = EffectRecord;
    using L = TEffectLineReader;
    static const TKeyTable<EffectRecord> table = {
        {"[waitbeforstart]", [](R& r, const L& in) { r.Wait = in.Strict(2); }},
        {"[state]",
         [](R& r, const L& in) {
             const std::string v = in.LowerWord(2);
             if (v == "esvisible")
                 r.State = esVisible;
             else if (v == "esinvisible")
                 r.State = esInvisible;
             else if (v == "esdead")
                 r.State = esDead;
         }},
        {"[surfname]", [](R& r, const L& in) { r.SurfName = in.Word(2); }},
        {"[transbegin]", [](R& r, const L& in) { r.TransBegin = in.StrictFloat(2); }},
        {"[transend]", [](R& r, const L& in) { r.TransEnd = in.StrictFloat(2); }},
        {"[transstep]", [](R& r, const L& in) { r.TransStep = in.StrictFloat(2); }},
        {"[currenttrans]", [](R& r, const L& in) { r.CurrentTrans = in.StrictFloat(2); }},
        {"[timetolive]", [](R& r, const L& in) { r.TimeToLive = in.Strict(2); }},
        {"[timetranschange]", [](R& r, const L& in) { r.TransChangeTime = in.Strict(2); }},
        {"[timetomove]", [](R& r, const L& in) { r.MoveTime = in.Strict(2); }},
        {"[shiftx]", [](R& r, const L& in) { r.ShiftX = in.AnchorOr(2, r.ShiftX); }},
        {"[shifty]", [](R& r, const L& in) { r.ShiftY = in.AnchorOr(2, r.ShiftY); }},
        {"[x]", [](R& r, const L& in) { r.X = in.StrictFloat(2); }},
        {"[y]", [](R& r, const L& in) { r.Y = in.StrictFloat(2); }},
        {"[rotateangle]", [](R& r, const L& in) { r.RotateAngle = in.Angle(2); }},
        {"[dx]", [](R& r, const L& in) { r.VelocityX = in.StrictFloat(2); }},
        {"[dy]", [](R& r, const L& in) { r.VelocityY = in.StrictFloat(2); }},
        {"[tox]", [](R& r, const L& in) { r.ToX = in.AnchorOr(2, r.ToX); }},
        {"[toy]", [](R& r, const L& in) { r.ToY = in.AnchorOr(2, r.ToY); }},
        {"[movetype]",
         [](R& r, const L& in) {
             const std::string v = in.LowerWord(2);
             if (v == "mtline")
                 r.MoveType = mtLine;
             else if (v == "mtellipse")
                 r.MoveType = mtEllipse;
             else if (v == "mtround")
                 r.MoveType = mtRound;
             else if (v == "mtspark")
                 r.MoveType = mtSpark;
         }},
        {"[transchange]",
         [](R& r, const L& in) {
             const std::string v = in.LowerWord(2);
             if (v == "tcline")
                 r.TransChange = tcLine;
             else if (v == "tcsinus")
                 r.TransChange = tcSinus;
         }},
        {"[framesnumber]", [](R& r, const L& in) { r.FramesNumber = in.StrictByte(2); }},
        {"[timeframechange]", [](R& r, const L& in) { r.FrameTime = in.Strict(2); }},
        {"[currentframetime]", [](R& r, const L& in) { r.FrameTick = in.Strict(2); }},
        {"[currentframe]", [](R& r, const L& in) { r.CurrentFrame = in.StrictByte(2); }},
        {"[a]", [](R& r, const L& in) { r.RadiusA = in.Strict(2); }},
        {"[b]", [](R& r, const L& in) { r.RadiusB = in.Strict(2); }},
        {"[startangle]", [](R& r, const L& in) { r.StartAngle = in.Angle(2); }},
        {"[direction]", [](R& r, const L& in) { r.Direction = in.StrictSignedByte(2); }},
        {"[gravityx]", [](R& r, const L& in) { r.GravityX = in.StrictFloat(2); }},
        {"[gravityy]", [](R& r, const L& in) { r.GravityY = in.StrictFloat(2); }},
        {"[color]", [](R& r, const L& in) { r.Color = in.Colour(2); }},
        {"[trackbegin]", [](R& r, const L& in) { r.TrackBegin = in.StrictFloat(2); }},
        {"[trackend]", [](R& r, const L& in) { r.TrackEnd = in.StrictFloat(2); }},
        {"[currenttrack]", [](R& r, const L& in) { r.CurrentTrack = in.StrictFloat(2); }},
        {"[timetrackchange]", [](R& r, const L& in) { r.TrackPeriod = in.Strict(2); }},
        {"[playsound]", [](R& r, const L& in) { r.PlaySound = in.Word(2); }},
        {"[fishkaundereffect]",
         [](R& r, const L& in) {
             const std::string v = in.LowerWord(2);
             r.FishkaUnderEffect = v == "%fishka1" ? 1 : v == "%fishka2" ? 2 : -1;
         }},
        {"[follow]", [](R& r, const L& in) { r.Follow = in.FollowWord(2); }},
        {"[clipper]", [](R& r, const L& in) { r.Clipper = in.Rect(2); }},
    };
    return table;
}

const TKeyTable<RingTemplate>& RingKeys() {
    using R = RingTemplate;
    using L = TEffectLineReader;
    static const TKeyTable<RingTemplate> table = {
        {"[roundsurfname]", [](R& r, const L& in) { r.SurfName = in.Word(2); }},
        {"[roundnum]", [](R& r, const L& in) { r.Count = in.Strict(2); }},
        {"[roundsx]", [](R& r, const L& in) { r.CenterX = in.AnchorOr(2, r.CenterX); }},
        {"[roundsy]", [](R& r, const L& in) { r.CenterY = in.AnchorOr(2, r.CenterY); }},
        {"[roundar]", [](R& r, const L& in) { r.RadiusA = in.Strict(2); }},
        {"[roundbr]", [](R& r, const L& in) { r.RadiusB = in.Strict(2); }},
        {"[rounddir]", [](R& r, const L& in) { r.Direction = in.Strict(2); }},
        {"[roundangle]", [](R& r, const L& in) { r.Angle = in.Angle(2); }},
        {"[roundttl]", [](R& r, const L& in) { r.TimeToLive = in.Strict(2); }},
        {"[roundttm]", [](R& r, const L& in) { r.TimeToMove = in.Strict(2); }},
        {"[roundframen]", [](R& r, const L& in) { r.FramesNumber = in.Strict(2); }},
        {"[roundtfc]", [](R& r, const L& in) { r.FrameTime = in.Strict(2); }},
        {"[roundtb]", [](R& r, const L& in) { r.TransBegin = in.StrictByte(2); }},
        {"[roundte]", [](R& r, const L& in) { r.TransEnd = in.StrictByte(2); }},
        {"[roundttc]", [](R& r, const L& in) { r.TransChangeTime = in.Strict(2); }},
        {"[roundwait]", [](R& r, const L& in) { r.Wait = in.Strict(2); }},
        {"[roundfollow]", [](R& r, const L& in) { r.Follow = in.FollowWord(2); }},
        {"[roundclipper]", [](R& r, const L& in) { r.Clipper = in.Rect(2); }},
        {"[roundlongyeffect]", [](R& r, const L&) { r.LongYEffect = 1; }},
    };
    return table;
}

const TKeyTable<BurstTemplate>& BurstKeys() {
    using B = BurstTemplate;
    using L = TEffectLineReader;
    static const TKeyTable<BurstTemplate> table = {
        {"[sparksurfname]", [](B& b, const L& in) { b.SurfName = in.Word(2); }},
        {"[sparknum]", [](B& b, const L& in) { b.Count = in.Strict(2); }},
        {"[sparkvecx]", [](B& b, const L& in) { b.VecX = in.Strict(2); }},
        {"[sparkvecy]", [](B& b, const L& in) { b.VecY = in.Strict(2); }},
        {"[sparkangle]", [](B& b, const L& in) { b.Angle = in.Angle(2); }},
        {"[sparksx]", [](B& b, const L& in) { b.OriginX = in.AnchorOr(2, b.OriginX); }},
        {"[sparksy]", [](B& b, const L& in) { b.OriginY = in.AnchorOr(2, b.OriginY); }},
        {"[sparkframen]", [](B& b, const L& in) { b.FramesNumber = in.Strict(2); }},
        {"[sparkframetfc]", [](B& b, const L& in) { b.FrameTime = in.Strict(2); }},
        {"[sparktb]", [](B& b, const L& in) { b.TransBegin = in.StrictByte(2); }},
        {"[sparkte]", [](B& b, const L& in) { b.TransEnd = in.StrictByte(2); }},
        {"[sparkttc]", [](B& b, const L& in) { b.TransChangeTime = in.Strict(2); }},
        {"[gravx]", [](B& b, const L& in) { b.GravityX = in.Strict(2); }},
        {"[gravy]", [](B& b, const L& in) { b.GravityY = in.Strict(2); }},
        {"[sparkfollow]", [](B& b, const L& in) { b.Follow = in.FollowWord(2); }},
        {"[sparkclipper]", [](B& b, const L& in) { b.Clipper = in.Rect(2); }},
        {"[sparkrandomangle]", [](B& b, const L&) { b.RandomAngle = 1; }},
        {"[sparklongyeffect]", [](B& b, const L&) { b.LongYEffect = 1; }},
    };
    return table;
}

// Rain numbers are lenient, so a half-written rain line still rains; only the angle is strict.
const TKeyTable<RainTemplate>& RainKeys() {
    using R = RainTemplate;
    using L = TEffectLineReader;
    static const TKeyTable<RainTemplate> table = {
        {"[rainstartpoint]",
         [](R& r, const L& in) {
             r.StartX = in.Lenient(2);
             r.StartY = in.Lenient(3);
         }},
        {"[rainwidth]", [](R& r, const L& in) { r.Width = in.Lenient(2); }},
        {"[rainheight]", [](R& r, const L& in) { r.Height = in.Lenient(2); }},
        {"[rainangle]", [](R& r, const L& in) { r.Angle = in.Angle(2); }},
        {"[rainbornevery]", [](R& r, const L& in) { r.BornEvery = in.Lenient(2); }},
        {"[rainspeed]", [](R& r, const L& in) { r.Speed = in.Lenient(2); }},
        {"[raintimetowork]", [](R& r, const L& in) { r.TimeToWork = in.Lenient(2); }},
    };
    return table;
}

} // namespace

bool ReadEffectKey(EffectRecord* record, const std::string& key, const TEffectLineReader& in) {
    return Apply(EffectKeys(), record, key, in, "[effect]");
}

bool ReadRingKey(RingTemplate* ring, const std::string& key, const TEffectLineReader& in) {
    return Apply(RingKeys(), ring, key, in, "[roundcloneeffect]");
}

bool ReadBurstKey(BurstTemplate* burst, const std::string& key, const TEffectLineReader& in) {
    return Apply(BurstKeys(), burst, key, in, "[sparkcloneeffect]");
}

bool ReadRainKey(RainTemplate* rain, const std::string& key, const TEffectLineReader& in) {
    return Apply(RainKeys(), rain, key, in, "[raineffect]");
}
