#include <gtest/gtest.h>

#include <numbers>

#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/MemoryStream.h"
#include "main/effects/EffectTypes.h"

namespace {

constexpr double Pi = std::numbers::pi;

TEffectTypes Load(const std::string& text, uint32_t now = 0) {
    TEffectTypes types;
    types.LoadFromText(text, now);
    return types;
}

std::string LoadError(const std::string& text) {
    try {
        Load(text);
    } catch (const GameError& e) {
        return e.what();
    }
    return "";
}

TEST(EffectTypesFile, ReadsPlainEffectKeys) {
    const auto types = Load("; sparkle round a taken piece\n"
                            "[effecttype] TakeFishka create\n"
                            "[effect]\n"
                            "[waitbeforstart] 40\n"
                            "[state] ESVisible\n"
                            "[surfname] fx_glow.png\n"
                            "[transbegin] 255\n[transend] 0\n[timetranschange] 600\n"
                            "[timetolive] 700\n[timetomove] 500\n"
                            "[shiftx] %FISHKA1CENTER\n[shifty] 120\n"
                            "[tox] %mousecursor\n[toy] -30\n"
                            "[rotateangle] 1 2\n[startangle] -3 4\n"
                            "[movetype] MTRound\n[transchange] tcSinus\n"
                            "[framesnumber] 4\n[timeframechange] 80\n"
                            "[a] 25\n[b] 12\n[direction] -1\n"
                            "[color] 255 0 0\n[trackbegin] 10\n[trackend] 200\n"
                            "[timetrackchange] 900\n"
                            "[playsound] Take.wav\n[fishkaundereffect] %Fishka2\n"
                            "[follow] %MouseCursor\n[clipper] 10 20 600 500\n",
                            1234);
    ASSERT_EQ(types.Types().size(), 1u);
    const EffectType& t = types.Types()[0];
    EXPECT_EQ(t.Name, "TakeFishka");
    EXPECT_TRUE(t.Create);
    EXPECT_EQ(t.LastRun, 1234);
    EXPECT_EQ(t.RunEvery, -1);
    ASSERT_EQ(t.Effects.size(), 1u);
    const EffectRecord& e = t.Effects[0];
    EXPECT_EQ(e.Wait, 40);
    EXPECT_EQ(e.State, esVisible);
    EXPECT_EQ(e.SurfName, "fx_glow.png");
    EXPECT_EQ(e.TransBegin, 255);
    EXPECT_EQ(e.TransChangeTime, 600);
    EXPECT_EQ(e.TimeToLive, 700);
    EXPECT_EQ(e.ShiftX, Anchor::Fishka1Center);
    EXPECT_EQ(e.ShiftY, 120);
    EXPECT_EQ(e.ToX, Anchor::MouseCursor);
    EXPECT_EQ(e.ToY, -30);
    EXPECT_DOUBLE_EQ(e.RotateAngle, Pi / 2);
    EXPECT_DOUBLE_EQ(e.StartAngle, -3 * Pi / 4);
    EXPECT_EQ(e.MoveType, mtRound);
    EXPECT_EQ(e.TransChange, tcSinus);
    EXPECT_EQ(e.FramesNumber, 4);
    EXPECT_EQ(e.Direction, -1);
    EXPECT_EQ(e.Color, 255u);
    EXPECT_EQ(e.TrackEnd, 200);
    EXPECT_EQ(e.TrackPeriod, 900);
    EXPECT_EQ(e.PlaySound, "Take.wav");
    EXPECT_EQ(e.FishkaUnderEffect, 2);
    EXPECT_EQ(e.Follow, efMouseCursor);
    EXPECT_EQ(e.Clipper, (TRect{10, 20, 600, 500}));
}

TEST(EffectTypesFile, DefaultsOfNewRecords) {
    const auto types = Load("[effecttype] A\n[effect]\n[roundcloneeffect]\n[sparkcloneeffect]\n"
                            "[raineffect]\n",
                            77);
    const EffectType& t = types.Types()[0];
    EXPECT_FALSE(t.Create);
    EXPECT_EQ(t.Effects[0].FishkaUnderEffect, -1);
    EXPECT_EQ(t.Effects[0].Clipper, (TRect{0, 0, 799, 599}));
    EXPECT_EQ(t.Rings[0].FramesNumber, 1);
    EXPECT_EQ(t.Rings[0].Clipper, (TRect{0, 0, 799, 599}));
    EXPECT_EQ(t.Bursts[0].GravityY, 1);
    EXPECT_EQ(t.Bursts[0].RandomAngle, 0);
    EXPECT_EQ(t.Rains[0].LastBirth, 77);
}

TEST(EffectTypesFile, ReadsRingBurstRainAndWave) {
    const auto types =
        Load("[effecttype] Rain\n[effecttyperunevery] 5000\n"
             "[effect]\n[surfname] drop.png\n"
             "  <MoveSin alX=\"3.5\" beX=\"6\" gaX=\"0.5\" alY=\"1\" gaY=\"2\"/>\n"
             "[raineffect]\n[rainstartpoint] 10 -20\n[rainwidth] 700\n[rainheight] 640\n"
             "[rainangle] 1 12\n[rainbornevery] 30\n[rainspeed] 400\n[raintimetowork] 4000\n"
             "[roundcloneeffect]\n[roundsurfname] mote.png\n[roundnum] 6\n"
             "[roundsx] %fishka2\n[roundsy] 300\n[roundar] 40\n[roundbr] 20\n[rounddir] -1\n"
             "[roundangle] 1 6\n[roundttl] 900\n[roundttm] 450\n[roundframen] 3\n"
             "[roundtfc] 70\n[roundtb] 300\n[roundte] 20\n[roundttc] 800\n[roundwait] 15\n"
             "[roundfollow] %fishka1center\n[roundclipper] 0 0 600 599\n[roundlongyeffect]\n"
             "[sparkcloneeffect]\n[sparksurfname] spark.png\n[sparknum] 9\n[sparkvecx] -30\n"
             "[sparkvecy] 40\n[sparkangle] 2 3\n[sparksx] %fishka1\n[sparksy] 50\n"
             "[sparkframen] 2\n[sparkframetfc] 60\n[sparktb] 255\n[sparkte] 0\n"
             "[sparkttc] 700\n[gravx] 3\n[gravy] 120\n[sparkfollow] %fishka2\n"
             "[sparkclipper] 1 2 3 4\n[sparkrandomangle]\n[sparklongyeffect]\n");
    const EffectType& t = types.Types()[0];
    EXPECT_EQ(t.RunEvery, 5000);
    const EffectRecord& drop = t.Effects[0];
    EXPECT_DOUBLE_EQ(drop.WaveAmpX, 3.5);
    EXPECT_DOUBLE_EQ(drop.WaveFreqX, 6);
    EXPECT_DOUBLE_EQ(drop.WavePhaseX, 0.5);
    EXPECT_DOUBLE_EQ(drop.WaveAmpY, 1);
    EXPECT_DOUBLE_EQ(drop.WaveFreqY, 0); // missing attribute
    EXPECT_DOUBLE_EQ(drop.WavePhaseY, 2);

    const RainTemplate& rain = t.Rains[0];
    EXPECT_EQ(rain.StartX, 10);
    EXPECT_EQ(rain.StartY, -20);
    EXPECT_EQ(rain.Width, 700);
    EXPECT_DOUBLE_EQ(rain.Angle, Pi / 12);
    EXPECT_EQ(rain.BornEvery, 30);
    EXPECT_EQ(rain.TimeToWork, 4000);

    const RingTemplate& ring = t.Rings[0];
    EXPECT_EQ(ring.Count, 6);
    EXPECT_EQ(ring.CenterX, Anchor::Fishka2);
    EXPECT_EQ(ring.Direction, -1);
    EXPECT_DOUBLE_EQ(ring.Angle, Pi / 6);
    EXPECT_EQ(ring.TransBegin, 255); // a byte: clamped
    EXPECT_EQ(ring.Wait, 15);
    EXPECT_EQ(ring.Follow, efFishka1Center);
    EXPECT_EQ(ring.LongYEffect, 1);

    const BurstTemplate& burst = t.Bursts[0];
    EXPECT_EQ(burst.VecX, -30);
    EXPECT_DOUBLE_EQ(burst.Angle, 2 * Pi / 3);
    EXPECT_EQ(burst.OriginX, Anchor::Fishka1);
    EXPECT_EQ(burst.GravityY, 120);
    EXPECT_EQ(burst.Follow, efFishka2);
    EXPECT_EQ(burst.Clipper, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(burst.RandomAngle, 1);
    EXPECT_EQ(burst.LongYEffect, 1);
}

TEST(EffectTypesFile, AnglesWithZeroOrMissingDenominator) {
    const auto types = Load("[effecttype] A\n[effect]\n[rotateangle] 3 0\n[startangle] 0 7\n");
    EXPECT_EQ(types.Types()[0].Effects[0].RotateAngle, 0);
    EXPECT_EQ(types.Types()[0].Effects[0].StartAngle, 0);
    EXPECT_NE(LoadError("[effecttype] A\n[effect]\n[rotateangle] 3\n"), "");
}

TEST(EffectTypesFile, AnchorWordsThatAreNoAnchorKeepTheField) {
    const auto types = Load("[effecttype] A\n[effect]\n[shiftx] 40\n[shiftx] %elsewhere\n"
                            "[shifty] 7\n[shifty]\n[follow] %fishka1\n[follow] nobody\n"
                            "[fishkaundereffect] %fishka1\n[fishkaundereffect] %fishka3\n");
    const EffectRecord& e = types.Types()[0].Effects[0];
    EXPECT_EQ(e.ShiftX, 40);
    EXPECT_EQ(e.ShiftY, 7);
    EXPECT_EQ(e.Follow, efNone);
    EXPECT_EQ(e.FishkaUnderEffect, -1);
}

TEST(EffectTypesFile, KeysBeforeTheirRecordNameTheLine) {
    const std::string plain = LoadError("[effecttype] A\n\n[surfname] x.png\n");
    EXPECT_NE(plain.find("line 3"), std::string::npos) << plain;
    EXPECT_NE(plain.find("[effect]"), std::string::npos) << plain;
    EXPECT_NE(LoadError("[effect]\n"), "");
    EXPECT_NE(LoadError("[effecttype] A\n[effect]\n[roundnum] 4\n"), "");
    EXPECT_NE(LoadError("[effecttype] A\n[raineffect]\n[sparknum] 4\n"), "");
    EXPECT_NE(LoadError("[effecttype] A\n<MoveSin alX=\"1\"/>\n"), "");
    // A new type starts empty: the effect of the type before does not take the key.
    EXPECT_NE(LoadError("[effecttype] A\n[effect]\n[effecttype] B\n[surfname] x\n"), "");
}

TEST(EffectTypesFile, StrictNumbersFailAndRainNumbersDoNot) {
    const std::string bad = LoadError("[effecttype] A\n[effect]\n[timetolive] 12x\n");
    EXPECT_NE(bad.find("line 3"), std::string::npos) << bad;
    EXPECT_NE(bad.find("12x"), std::string::npos) << bad;
    EXPECT_NE(LoadError("[effecttype] A\n[effect]\n[clipper] 0 0 799\n"), "");
    EXPECT_NE(LoadError("[effecttype] A\n[sparkcloneeffect]\n[sparknum] many\n"), "");

    const auto types = Load("[effecttype] A\n[effecttyperunevery] soon\n[effect]\n"
                            "[transbegin] 127.5\n[raineffect]\n[rainwidth] 300px\n"
                            "[rainspeed] fast\n[rainstartpoint] 5\n");
    const EffectType& t = types.Types()[0];
    EXPECT_EQ(t.RunEvery, 0);
    EXPECT_DOUBLE_EQ(t.Effects[0].TransBegin, 127.5);
    EXPECT_EQ(t.Rains[0].Width, 300);
    EXPECT_EQ(t.Rains[0].Speed, 0);
    EXPECT_EQ(t.Rains[0].StartX, 5);
    EXPECT_EQ(t.Rains[0].StartY, 0);
}

TEST(EffectTypesFile, TypesOfOneNameAndUnknownLines) {
    auto types = Load("free text is ignored\n[unknown] 5\n"
                      "[effecttype] Twin\n[effecttype] Twin create\n[effecttype] twin\n");
    ASSERT_EQ(types.Types().size(), 3u);
    EffectType* first = types.FindEffectType("Twin");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, &types.Types()[0]);
    EXPECT_FALSE(first->Create);
    EXPECT_EQ(types.FindEffectType("twin"), &types.Types()[2]);
    EXPECT_EQ(types.FindEffectType("TWIN"), nullptr);
}

TEST(EffectTypesFile, ReadFromTheArchive) {
    TFileFolder archive = TFileFolder::CreateNew("/nonexistent/effects.zxc");
    archive.Add("EffectsType.dat", 0, TMemoryStream(std::string("[effecttype] Only\r\n")));
    TEffectTypes types;
    types.LoadEffectTypes(archive, TEffectTypes::FileName, 5);
    ASSERT_EQ(types.Types().size(), 1u);
    EXPECT_EQ(types.Types()[0].Name, "Only");
    EXPECT_THROW(types.LoadEffectTypes(archive, "Missing.dat", 5), GameError);
    EXPECT_EQ(types.Types().size(), 1u); // a failed read keeps what was there
}

} // namespace
