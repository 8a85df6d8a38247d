#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "EffectTestKit.h"
#include "archive/Random.h"
#include "main/effects/EffectRuntime.h"

namespace {

constexpr double Pi = std::numbers::pi;

struct Runtime {
    TEffectTypes types;
    TEffectList list;
    FakePieces pieces;
    Random random{7};
    TEffectRuntime rt{types, list, random};
    std::vector<std::string> sounds;
    TPoint cursor{333, 444};

    explicit Runtime(const std::string& text, uint32_t now = 0) {
        types.LoadFromText(text, now);
        list.SetPieces(&pieces);
        rt.SetPlaySound([this](const std::string& s) { sounds.push_back(s); });
        rt.SetCursor([this] { return cursor; });
    }
};

const char* const RainType = "[effecttype] Drizzle create\n"
                             "[effect]\n[surfname] drop.png\n[timetolive] 5\n"
                             "[playsound] Drop.wav\n"
                             "<MoveSin alX=\"4\" beX=\"6\"/>\n"
                             "[effect]\n[surfname] drop2.png\n"
                             "[raineffect]\n[rainstartpoint] 100 50\n[rainwidth] 200\n"
                             "[rainheight] 300\n[rainangle] 0 1\n[rainbornevery] 100\n"
                             "[rainspeed] 600\n[raintimetowork] 1000\n"
                             "[raineffect]\n[rainstartpoint] 0 0\n[rainwidth] 10\n"
                             "[rainheight] 60\n[rainangle] 0 1\n[rainspeed] 60\n"
                             "[roundcloneeffect]\n[roundnum] 5\n";

TEST(StartEffectType, RainTypeDropsOnePerRainAndNothingElse) {
    Runtime r(RainType);
    r.rt.StartEffectType("Drizzle", "Drizzle", "", {}, -1, -1, 1000);
    ASSERT_EQ(r.list.Count(), 2);
    EXPECT_TRUE(r.sounds.empty()); // a drop keeps its sound name but does not play it

    const EffectRecord& d = r.list[0];
    EXPECT_EQ(d.SurfName, "drop.png");
    EXPECT_EQ(d.PlaySound, "Drop.wav");
    EXPECT_EQ(d.MoveType, mtLine);
    EXPECT_GE(d.ShiftX, 100);
    EXPECT_LT(d.ShiftX, 300);
    EXPECT_EQ(d.ShiftY, 50);
    EXPECT_EQ(d.ToX, 0);
    EXPECT_EQ(d.ToY, 300);
    EXPECT_EQ(d.TimeToLive, 1000 + 500); // falls 300 px at 600 px/s
    EXPECT_EQ(d.MoveTime, 1500);
    EXPECT_EQ(d.WaveAmpX, 4);
    EXPECT_EQ(d.WaveFreqX, 6);
    EXPECT_GE(d.WavePhaseX, 0);
    EXPECT_LT(d.WavePhaseX, 2 * Pi);
    EXPECT_EQ(r.list[1].SurfName, "drop2.png");
    EXPECT_EQ(r.list[1].TimeToLive, 2000);
}

TEST(StartEffectType, RainWithoutItsDropTemplateOrSpeedDropsNothing) {
    Runtime r("[effecttype] Dry\n[raineffect]\n[rainspeed] 100\n"
              "[effecttype] Still\n[effect]\n[raineffect]\n[rainheight] 50\n");
    r.rt.StartEffectType("Dry", "Dry", "", {}, -1, -1, 0);
    r.rt.StartEffectType("Still", "Still", "", {}, -1, -1, 0);
    EXPECT_EQ(r.list.Count(), 0);
}

TEST(StartEffectType, WithoutCreateOnlyRingsAndBurstsStart) {
    Runtime r("[effecttype] Quiet\n[effect]\n[surfname] plain.png\n[playsound] Take.wav\n"
              "[roundcloneeffect]\n[roundsurfname] mote.png\n[roundnum] 2\n"
              "[sparkcloneeffect]\n[sparksurfname] spark.png\n[sparknum] 3\n"
              "[effecttype] Loud create\n[effect]\n[surfname] plain.png\n[playsound] Take.wav\n");
    r.rt.StartEffect("Quiet", {}, -1, -1, 0);
    ASSERT_EQ(r.list.Count(), 5);
    for (const EffectRecord& e : r.list.Effects())
        EXPECT_NE(e.SurfName, "plain.png");
    EXPECT_TRUE(r.sounds.empty());
    r.rt.StartEffect("Loud", {}, -1, -1, 0);
    EXPECT_EQ(r.list.Count(), 6);
    EXPECT_EQ(r.sounds, std::vector<std::string>{"Take.wav"});
    r.rt.StartEffect("Nobody", {}, -1, -1, 0);
    EXPECT_EQ(r.list.Count(), 6);
}

TEST(StartEffectType, RingClonesStandEvenlyRoundTheEllipse) {
    Runtime r("[effecttype] Ring\n[roundcloneeffect]\n[roundsurfname] mote.png\n[roundnum] 4\n"
              "[roundsx] 400\n[roundsy] 300\n[roundar] 50\n[roundbr] 20\n[rounddir] 1\n"
              "[roundttl] 1000\n[roundttm] 2000\n[roundtb] 0\n[roundte] 255\n[roundttc] 800\n");
    r.rt.StartEffect("Ring", {}, -1, -1, 100);
    ASSERT_EQ(r.list.Count(), 4);
    for (int k = 0; k < 4; ++k) {
        const EffectRecord& e = r.list[k];
        EXPECT_DOUBLE_EQ(e.StartAngle, k * Pi / 2);
        EXPECT_EQ(e.MoveType, mtRound);
        EXPECT_EQ(e.TransChange, tcSinus);
        EXPECT_EQ(e.ShiftX, 400);
        EXPECT_EQ(e.ShiftY, 300);
        EXPECT_EQ(e.TimeToLive, 1100);
        EXPECT_EQ(e.MoveTime, 2100);
        // Placed at once, half a turn on: the first clone stands left of the centre.
        EXPECT_NEAR(e.X, std::cos(k * Pi / 2 - Pi) * 50, 1e-9);
        EXPECT_NEAR(e.Y, std::sin(k * Pi / 2 - Pi) * 20, 1e-9);
    }
    EXPECT_NEAR(r.list[0].X, -50, 1e-9);
}

TEST(StartEffectType, OneSparkBurstFliesAlongItsVector) {
    Runtime r("[effecttype] Pop\n[sparkcloneeffect]\n[sparksurfname] spark.png\n[sparknum] 1\n"
              "[sparkvecx] -30\n[sparkvecy] 40\n[sparkangle] 1 1\n[sparksx] 200\n"
              "[sparksy] 100\n[sparkttc] 600\n[gravy] 50\n");
    r.rt.StartEffect("Pop", {}, -1, -1, 0);
    ASSERT_EQ(r.list.Count(), 1);
    const EffectRecord& e = r.list[0];
    EXPECT_DOUBLE_EQ(e.VelocityX, -50); // angle 0: (sx * v, 0)
    EXPECT_DOUBLE_EQ(e.VelocityY, 0);
    EXPECT_EQ(e.GravityY, 50);
    EXPECT_EQ(e.MoveTime, -1);
    EXPECT_EQ(e.TimeToLive, 600);
    EXPECT_EQ(e.ShiftX, 200);
}

TEST(StartEffectType, BurstFanSpreadsAroundItsDirection) {
    Runtime r("[effecttype] Fan\n[sparkcloneeffect]\n[sparknum] 3\n[sparkvecx] 0\n"
              "[sparkvecy] -100\n[sparkangle] 1 2\n"
              "[effecttype] Still\n[sparkcloneeffect]\n[sparknum] 2\n");
    r.rt.StartEffect("Fan", {}, -1, -1, 0);
    ASSERT_EQ(r.list.Count(), 3);
    // B = arccos(-1) = pi; angles pi/4, pi/2, 3pi/4; y mirrored by the sign of vecy.
    EXPECT_NEAR(r.list[0].VelocityX, 100 * std::cos(Pi / 4), 1e-9);
    EXPECT_NEAR(r.list[1].VelocityX, 0, 1e-9);
    EXPECT_NEAR(r.list[1].VelocityY, -100, 1e-9);
    EXPECT_NEAR(r.list[2].VelocityX, -100 * std::cos(Pi / 4), 1e-9);
    // A burst without speed has no direction and must not poison the sparks.
    r.rt.StartEffect("Still", {}, -1, -1, 0);
    EXPECT_EQ(r.list[3].VelocityX, 0);
    EXPECT_EQ(r.list[4].VelocityY, 0);
}

TEST(StartEffectType, RunawayCountsAreBounded) {
    Runtime r("[effecttype] Slip\n[roundcloneeffect]\n[roundnum] 2000000000\n"
              "[sparkcloneeffect]\n[sparknum] 2000000000\n");
    r.rt.StartEffect("Slip", {}, -1, -1, 0);
    EXPECT_EQ(r.list.Count(), 2 * 4096);
}

TEST(StartEffectType, PlainEffectAnchorsOnPiecesAndPointer) {
    Runtime r("[effecttype] Jump create\n[effect]\n[surfname] %Fishka1\n"
              "[fishkaundereffect] %fishka1\n[shiftx] %fishka1center\n[shifty] %fishka1\n"
              "[tox] %fishka2\n[toy] %fishka2center\n[timetomove] 300\n[timetolive] 300\n"
              "[playsound] Lay.wav\n"
              "[effect]\n[surfname] cursor.png\n[shiftx] %mousecursor\n[shifty] %mousecursor\n"
              "[tox] 5\n[toy] %mousecursor\n");
    r.pieces.MapScroll = 1000;
    r.pieces.List = {{{100, 2000}, true, {40, 30}, "a.png"},
                     {{300, 560}, false, {20, 10}, "b.png"}};
    r.rt.StartEffect("Jump", {}, 0, 1, 50);
    ASSERT_EQ(r.list.Count(), 2);
    const EffectRecord& e = r.list[0];
    EXPECT_EQ(e.SurfName, "a.png");
    EXPECT_EQ(e.FishkaUnderEffect, 0);
    EXPECT_TRUE(r.pieces.List[0].Attached);
    EXPECT_FALSE(r.pieces.List[1].Attached);
    EXPECT_EQ(e.ShiftX, 120);                   // x + half its width
    EXPECT_EQ(e.ShiftY, 2000 + 245 - 1000 + 5); // its screen y
    EXPECT_EQ(e.ToX, 300 - 120);                // to piece 2, seen from the base point
    EXPECT_EQ(e.ToY, 560 + 5 - (2000 + 245 - 1000 + 5));
    EXPECT_EQ(e.TypeName, "Jump");
    EXPECT_EQ(r.sounds, std::vector<std::string>{"Lay.wav"});
    const EffectRecord& c = r.list[1];
    EXPECT_EQ(c.ShiftX, 333);
    EXPECT_EQ(c.ShiftY, 444);
    EXPECT_EQ(c.ToX, 5);
    EXPECT_EQ(c.ToY, 0);
}

TEST(StartEffectType, PointAndSurfaceOverride) {
    Runtime r("[effecttype] Shine create\n[effect]\n[surfname] a.png\n[shiftx] 10\n[shifty] 20\n"
              "[roundcloneeffect]\n[roundsurfname] b.png\n[roundnum] 1\n[roundsx] 1\n"
              "[roundsy] 2\n");
    r.rt.StartEffectType("Shine", "Named", "other.png", {0, 77}, -1, -1, 0);
    ASSERT_EQ(r.list.Count(), 2);
    EXPECT_EQ(r.list[0].ShiftX, 10);
    EXPECT_EQ(r.list[0].ShiftY, 77);
    EXPECT_EQ(r.list[0].SurfName, "other.png");
    EXPECT_EQ(r.list[0].TypeName, "Named");
    EXPECT_EQ(r.list[1].ShiftX, 1);
    EXPECT_EQ(r.list[1].ShiftY, 77);
    EXPECT_EQ(r.list[1].SurfName, "other.png");
    // The template keeps its own surface for the next start.
    EXPECT_EQ(r.types.FindEffectType("Shine")->Rings[0].SurfName, "b.png");
}

TEST(StartEffectType, RingsAndBurstsTakeThePiecesStoredPosition) {
    Runtime r("[effecttype] Halo\n[roundcloneeffect]\n[roundnum] 1\n[roundsx] %fishka1center\n"
              "[roundsy] %fishka1center\n[roundlongyeffect]\n"
              "[sparkcloneeffect]\n[sparknum] 1\n[sparksx] %fishka2\n[sparksy] %fishka2\n");
    r.pieces.MapScroll = 1000;
    r.pieces.List = {{{100, 2000}, true, {40, 30}}, {{10, 20}, true, {40, 30}}};
    r.rt.StartEffect("Halo", {}, 0, 1, 0);
    EXPECT_EQ(r.list[0].ShiftX, 120);
    EXPECT_EQ(r.list[0].ShiftY, 2015); // map y: the ring rides on the board
    EXPECT_EQ(r.list[0].LongYEffect, 1);
    EXPECT_EQ(r.list[1].ShiftX, 10);
    EXPECT_EQ(r.list[1].ShiftY, 20);
}

TEST(LevelEffect, RainDropsAtItsRhythmWhileItWorks) {
    Runtime r(RainType, 0);
    r.types.Types()[0].Rains.pop_back(); // one rain: drops every 100 ms for 1000 ms
    r.rt.RunLevelEffect("Drizzle", 100); // not after the interval yet
    EXPECT_EQ(r.list.Count(), 0);
    r.rt.RunLevelEffect("Drizzle", 101);
    EXPECT_EQ(r.list.Count(), 1);
    r.rt.RunLevelEffect("Drizzle", 101);
    r.rt.RunLevelEffect("Drizzle", 150);
    EXPECT_EQ(r.list.Count(), 1);
    r.rt.RunLevelEffect("Drizzle", 450); // a long frame still gives one drop
    EXPECT_EQ(r.list.Count(), 2);
    r.rt.RunLevelEffect("Drizzle", 1000); // the working time is over
    EXPECT_EQ(r.list.Count(), 2);
    r.rt.RunLevelEffect("", 1000);
    r.rt.RunLevelEffect("Unknown", 1000);
    EXPECT_EQ(r.list.Count(), 2);
}

TEST(LevelEffect, RepeatsAndRestartsItsRains) {
    Runtime r("[effecttype] Gust create\n[effecttyperunevery] 500\n[effect]\n[surfname] g.png\n"
              "[effecttype] Shower\n[effecttyperunevery] 2000\n[effect]\n[raineffect]\n"
              "[rainbornevery] 10\n[rainspeed] 100\n[rainheight] 10\n[raintimetowork] 100\n",
              0);
    r.rt.RunLevelEffect("Gust", 500);
    EXPECT_EQ(r.list.Count(), 0);
    r.rt.RunLevelEffect("Gust", 501);
    EXPECT_EQ(r.list.Count(), 1);
    EXPECT_EQ(r.types.FindEffectType("Gust")->LastRun, 501);
    r.rt.RunLevelEffect("Gust", 900);
    EXPECT_EQ(r.list.Count(), 1);

    EffectType& shower = *r.types.FindEffectType("Shower");
    r.rt.RestartEffectTypes(5000); // a level starts: the rain works again from now
    EXPECT_EQ(shower.LastRun, 5000);
    EXPECT_EQ(shower.Rains[0].LastBirth, 5000);
    EXPECT_EQ(r.types.FindEffectType("Gust")->LastRun, 5000);
    r.list.Clear();
    r.rt.RunLevelEffect("Shower", 5011);
    EXPECT_EQ(r.list.Count(), 1);
    r.rt.RunLevelEffect("Shower", 5200);
    EXPECT_EQ(r.list.Count(), 1);
    r.rt.RunLevelEffect("Shower", 7001); // repeated: one drop from the start, and rain again
    EXPECT_EQ(r.list.Count(), 2);
    EXPECT_EQ(shower.Rains[0].LastBirth, 7001);
}

TEST(PieceEffects, RideWithThePieceAndFollowThePointer) {
    Runtime r("[effecttype] Hold create\n[effect]\n[fishkaundereffect] %fishka1\n"
              "[shifty] %fishka1\n[follow] %mousecursor\n");
    r.pieces.List = {{{0, 600}, true}, {{0, 900}, true}};
    r.pieces.MapScroll = 500;
    r.rt.StartEffect("Hold", {}, 1, -1, 0);
    EXPECT_EQ(r.list[0].ShiftY, 900 + 245 - 500 + 5);
    r.pieces.MapScroll = 600;
    r.list.FollowPieces();
    EXPECT_EQ(r.list[0].ShiftY, 900 + 245 - 600 + 5);
    r.list.MoveFollowers({12, 34});
    EXPECT_EQ(r.list[0].ShiftX, 12);
    EXPECT_EQ(r.list[0].ShiftY, 34);
}

TEST(PieceEffects, RemovedPiecesAndStoppedEffects) {
    Runtime r("[effecttype] ConnectLink create\n[effect]\n[fishkaundereffect] %fishka1\n"
              "[effect]\n[fishkaundereffect] %fishka1\n"
              "[effecttype] Other create\n[effect]\n[fishkaundereffect] %fishka1\n");
    r.pieces.List.resize(3);
    r.rt.StartEffect("ConnectLink", {}, 2, -1, 0);
    r.rt.StartEffect("Other", {}, 2, -1, 0);
    r.rt.StartEffect("ConnectLink", {}, 1, -1, 0);
    ASSERT_EQ(r.list.Count(), 5);
    EXPECT_TRUE(r.list.StopPieceEffect("ConnectLink", 2));
    EXPECT_EQ(r.list.Count(), 3);
    EXPECT_TRUE(r.pieces.List[2].Attached); // "Other" still holds it
    EXPECT_FALSE(r.list.StopPieceEffect("ConnectLink", 0));
    EXPECT_TRUE(r.list.StopPieceEffect("Other", 2));
    EXPECT_FALSE(r.pieces.List[2].Attached);

    r.list.PieceRemoved(0); // piece 1 becomes piece 0
    EXPECT_EQ(r.list[0].FishkaUnderEffect, 0);
    r.list.PieceRemoved(0);
    EXPECT_EQ(r.list[0].FishkaUnderEffect, -1);
}

} // namespace
