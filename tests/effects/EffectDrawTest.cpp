#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "EffectTestKit.h"
#include "archive/Random.h"
#include "main/effects/EffectRuntime.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr uint32_t Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000;       // 0x00BBGGRR
constexpr uint32_t RedPx = 0xFF0000, GreenPx = 0x00FF00, BluePx = 0x0000FF; // frame 0xRRGGBB

struct Scene {
    std::unique_ptr<TSurfEngine> engine = FrameEngine();
    TEffectList list;
    int Add(const std::string& surface, int x, int y, TRect clip = FullScreenClip) {
        const int i = list.AddEffect(surface, -1, clip, 0, -1, 0, 255, 255, 0);
        list.SetBasePoint(i, x, y);
        return i;
    }
    uint32_t Px(int x, int y) { return FramePixel(*engine, x, y); }
};

// Three frames side by side: red, green, blue columns of 10 pixels.
void AddStrip(TSurfEngine& engine) {
    AddSprite(engine, "strip.png", 30, 4, 0);
    TSurface* s = engine.FindPixels("strip.png");
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 30; ++x)
            reinterpret_cast<uint32_t*>(s->Row(y))[x] = x < 10 ? RedPx : x < 20 ? GreenPx : BluePx;
}

TEST(DrawEffects, RotatedOffsetFromTheBasePoint) {
    Scene s;
    AddSprite(*s.engine, "dot.png", 4, 4, Red);
    const int i = s.Add("dot.png", 100, 100);
    s.list[i].X = 10;
    s.list[i].RotateAngle = Pi / 2;
    s.list.DrawEffects(*s.engine, 0, 10);
    EXPECT_EQ(s.Px(100, 110), RedPx);
    EXPECT_EQ(s.Px(103, 113), RedPx);
    EXPECT_EQ(s.Px(110, 100), 0u);
}

TEST(DrawEffects, CurrentFrameOnly) {
    Scene s;
    AddStrip(*s.engine);
    const int i = s.Add("strip.png", 200, 50);
    s.list.SetFrames(i, 3, 100, 0);
    s.list[i].CurrentFrame = 2;
    s.list.DrawEffects(*s.engine, 0, 10);
    EXPECT_EQ(s.Px(200, 50), GreenPx);
    EXPECT_EQ(s.Px(209, 53), GreenPx);
    EXPECT_EQ(s.Px(210, 50), 0u);
    EXPECT_EQ(s.Px(199, 50), 0u);
}

TEST(DrawEffects, ClipRectangleCutsEachSide) {
    Scene s;
    AddSprite(*s.engine, "block.png", 10, 10, Blue);
    s.Add("block.png", 100, 100, {0, 0, 105, 599});     // right: 5 columns stay
    s.Add("block.png", 300, 100, {304, 103, 799, 599}); // left and top
    s.Add("block.png", 500, 100, {0, 0, 799, 106});     // bottom
    s.Add("block.png", 700, 300); // the default clip keeps the last column free
    s.Add("block.png", 795, 10);
    s.list.DrawEffects(*s.engine, 0, 10);
    EXPECT_EQ(s.Px(104, 100), BluePx);
    EXPECT_EQ(s.Px(105, 100), 0u);
    EXPECT_EQ(s.Px(303, 105), 0u);
    EXPECT_EQ(s.Px(304, 102), 0u);
    EXPECT_EQ(s.Px(304, 103), BluePx);
    EXPECT_EQ(s.Px(309, 109), BluePx);
    EXPECT_EQ(s.Px(505, 105), BluePx);
    EXPECT_EQ(s.Px(505, 106), 0u);
    EXPECT_EQ(s.Px(798, 10), BluePx);
    EXPECT_EQ(s.Px(799, 10), 0u);
}

TEST(DrawEffects, BoardRelativeEffectsMoveWithTheMap) {
    Scene s;
    AddSprite(*s.engine, "dot.png", 4, 4, Green);
    const int i = s.Add("dot.png", 50, 1100);
    s.list[i].LongYEffect = 1;
    s.list.DrawEffects(*s.engine, 1000, 10);
    EXPECT_EQ(s.Px(50, 100), GreenPx);
}

TEST(DrawEffects, OpacityTintOrderAndWhatIsLeftOut) {
    Scene s;
    AddSprite(*s.engine, "a.png", 4, 4, Red);
    AddSprite(*s.engine, "b.png", 4, 4, Green);
    s.Add("a.png", 10, 10);
    s.Add("b.png", 10, 10); // created later: drawn first, underneath
    const int hidden = s.Add("b.png", 100, 10);
    s.list[hidden].State = esInvisible;
    s.list[s.Add("b.png", 200, 10)].CurrentTrans = 0;
    s.Add("missing.png", 300, 10);
    const int tinted = s.Add("b.png", 400, 10);
    s.list[tinted].Color = Blue;
    s.list[tinted].CurrentTrack = 1; // almost only the tint colour
    s.list.DrawEffects(*s.engine, 0, 10);
    EXPECT_EQ(s.Px(10, 10), RedPx);
    EXPECT_EQ(s.Px(100, 10), 0u);
    EXPECT_EQ(s.Px(200, 10), 0u);
    const uint32_t t = s.Px(400, 10);
    EXPECT_GT(t & 0xFF, 200u);      // blue
    EXPECT_LT((t >> 8) & 0xFF, 8u); // hardly any green
}

int LitPixels(TSurfEngine& engine, TRect r) {
    int lit = 0;
    for (int y = r.Top; y <= r.Bottom; ++y)
        for (int x = r.Left; x <= r.Right; ++x)
            lit += FramePixel(engine, x, y) != 0;
    return lit;
}

struct Show {
    std::unique_ptr<TSurfEngine> engine = FrameEngine();
    TEffectTypes types;
    TEffectList list;
    Random random{3};
    TEffectRuntime rt{types, list, random};
    explicit Show(const std::string& text) {
        types.LoadFromText(text, 0);
        AddSprite(*engine, "mote.png", 12, 12, 0x40E0FF, true);
        AddSprite(*engine, "drop.png", 3, 12, 0xFFD0A0, true);
    }
    void RunTo(uint32_t from, uint32_t to, const std::string& level = "") {
        for (uint32_t t = from; t <= to; t += 16) {
            rt.RunLevelEffect(level, t);
            list.UpdateEffects(t, *engine);
        }
    }
};

TEST(EffectScreens, RingClonesOnTheirEllipse) {
    Show s("[effecttype] Ring\n[roundcloneeffect]\n[roundsurfname] mote.png\n[roundnum] 8\n"
           "[roundsx] 394\n[roundsy] 294\n[roundar] 120\n[roundbr] 60\n[rounddir] 1\n"
           "[roundttl] 5000\n[roundttm] 4000\n[roundtb] 255\n[roundte] 255\n");
    s.rt.StartEffect("Ring", {}, -1, -1, 0);
    s.list.UpdateEffects(1, *s.engine); // the ring as it starts: eight clones round (400, 300)
    s.list.DrawEffects(*s.engine, 0, 1);
    SaveFrame(*s.engine, "effects_ring.png");
    for (int k = 0; k < 8; ++k) {
        const double l = 2 * Pi * 1 / 4000 - Pi + k * Pi / 4;
        const int x = 400 + int(std::lround(std::cos(l) * 120));
        const int y = 300 + int(std::lround(std::sin(l) * 60));
        EXPECT_NE(FramePixel(*s.engine, x, y), 0u) << "clone " << k;
    }
    EXPECT_EQ(LitPixels(*s.engine, {380, 280, 420, 320}), 0); // the centre stays free
}

TEST(EffectScreens, BurstFansUpAndFalls) {
    Show s("[effecttype] Burst\n[sparkcloneeffect]\n[sparksurfname] mote.png\n[sparknum] 9\n"
           "[sparkvecx] 0\n[sparkvecy] -300\n[sparkangle] 2 3\n[sparksx] 400\n[sparksy] 400\n"
           "[sparkttc] 3000\n[sparktb] 255\n[sparkte] 60\n[gravy] 300\n");
    s.rt.StartEffect("Burst", {}, -1, -1, 0);
    s.RunTo(16, 400);
    s.list.DrawEffects(*s.engine, 0, 400);
    SaveFrame(*s.engine, "effects_burst.png");
    EXPECT_EQ(s.list.Count(), 9);
    EXPECT_GT(LitPixels(*s.engine, {0, 0, 799, 399}), 9 * 40); // all flew up
    EXPECT_GT(LitPixels(*s.engine, {0, 0, 399, 399}), 4 * 40); // both ways
    EXPECT_GT(LitPixels(*s.engine, {406, 0, 799, 399}), 4 * 40);
}

TEST(EffectScreens, RainFallsInItsBand) {
    Show s("[effecttype] Rain\n[effect]\n[surfname] drop.png\n[transbegin] 200\n"
           "[transend] 200\n<MoveSin alX=\"6\" beX=\"3\"/>\n"
           "[raineffect]\n[rainstartpoint] 100 0\n[rainwidth] 600\n[rainheight] 560\n"
           "[rainangle] 0 1\n[rainbornevery] 20\n[rainspeed] 500\n[raintimetowork] 100000\n");
    s.RunTo(0, 2000, "Rain");
    s.list.DrawEffects(*s.engine, 0, 2000);
    SaveFrame(*s.engine, "effects_rain.png");
    EXPECT_GT(s.list.Count(), 25); // one drop per tick at most: about every 32 ms
    EXPECT_EQ(LitPixels(*s.engine, {0, 0, 80, 599}), 0);
    EXPECT_EQ(LitPixels(*s.engine, {720, 0, 799, 599}), 0);
    EXPECT_GT(LitPixels(*s.engine, {100, 0, 700, 299}), 100);
    EXPECT_GT(LitPixels(*s.engine, {100, 300, 700, 599}), 100);
}

} // namespace
