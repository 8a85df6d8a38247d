// The game's own effect types, as shipped in data/: every name the game starts is there, each
// runs out on its own, and (with the content generator's pictures linked) every picture and
// sound they name is made by the generator.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "EffectTestKit.h"
#include "archive/Random.h"
#include "main/effects/EffectRuntime.h"
#ifdef QUORREL_HAVE_EFFECT_SPRITES
#include "datagen/effects/EffectSprites.h"
#endif
#ifdef QUORREL_HAVE_SOUND_LIST
#include "datagen/audio/AudioContent.h"
#endif

#include "effects/LevelEffectTypes.h"

namespace {

const std::vector<std::string> GameTypes = {
    "TakeFishka",        "TakeQuestFishka",     "PutFishka",        "PutBonusFishka",
    "PutbonusFishka",    "PutFishkaInOtboynik", "CanNotPutFishka",  "RotateFishka",
    "HammerFishka",      "HammerFishkaSound",   "UnableHammer",     "ClipperFishkaNew",
    "ConnectLink",       "ClosedLink",          "CombinationSound", "TwinkleFishka",
    "MakeFishkaBonused", "GiveBonusFishka",     "GiveClipper",      "GiveHammer",
    "GiveScore",         "GiveSpeedUpOtb",      "GiveTimeToNoLoose"};
const std::vector<std::string>& LevelTypes = LevelEffectTypes;

// The file as the content generator finds it: among the game archive's files, or (until it is
// moved there) at the top of data/.
TEffectTypes ShippedTypes() {
    const std::string data = std::string(QUORREL_SOURCE_DIR) + "/data/";
    std::ifstream in(data + "game/EffectsType.dat", std::ios::binary);
    if (!in) in.open(data + "EffectsType.dat", std::ios::binary);
    EXPECT_TRUE(in.is_open()) << "EffectsType.dat is not in " << data;
    std::stringstream text;
    text << in.rdbuf();
    TEffectTypes types;
    types.LoadFromText(text.str(), 0);
    return types;
}

// Every picture name with the frame count it is drawn with.
std::map<std::string, int> NamedSurfaces(const TEffectTypes& types) {
    std::map<std::string, int> names;
    const auto add = [&](const std::string& name, int frames) {
        if (!name.empty() && name[0] != '%') names[name] = std::max(1, frames);
    };
    for (const EffectType& t : types.Types()) {
        for (const EffectRecord& e : t.Effects)
            add(e.SurfName, e.FramesNumber);
        for (const RingTemplate& r : t.Rings)
            add(r.SurfName, r.FramesNumber);
        for (const BurstTemplate& b : t.Bursts)
            add(b.SurfName, b.FramesNumber);
    }
    return names;
}

// The generator's pictures when linked, else stand-ins of the same names.
void AddPictures(TSurfEngine& engine, const TEffectTypes& types) {
#ifdef QUORREL_HAVE_EFFECT_SPRITES
    for (const EffectSprite& s : MakeEffectSprites()) {
        SurfaceRecord rec;
        rec.Name = s.Name;
        rec.Width = rec.MaskWidth = s.Width;
        rec.Height = s.Height;
        rec.Surface = TSurface::Create(s.Width, s.Height, 32);
        rec.Mask.resize(static_cast<size_t>(s.Width) * s.Height);
        for (int y = 0; y < s.Height; ++y)
            for (int x = 0; x < s.Width; ++x) {
                const uint8_t* p = &s.Rgba[(static_cast<size_t>(y) * s.Width + x) * 4];
                reinterpret_cast<uint32_t*>(rec.Surface->Row(y))[x] = p[0] << 16 | p[1] << 8 | p[2];
                rec.Mask[static_cast<size_t>(y) * s.Width + x] = p[3];
            }
        engine.AddSurface(std::move(rec));
    }
#endif
    for (const auto& [name, frames] : NamedSurfaces(types))
        if (engine.FindSurface(name) < 0) AddSprite(engine, name, 16 * frames, 16, 0x60C0FF, true);
}

TEST(ShippedEffects, EveryTypeTheGameStartsIsThere) {
    const TEffectTypes types = ShippedTypes();
    for (const std::string& name : GameTypes)
        EXPECT_NE(types.FindEffectType(name), nullptr) << name;
    for (const std::string& name : LevelTypes)
        EXPECT_NE(types.FindEffectType(name), nullptr) << name;
    bool plain = false, ring = false, burst = false, rain = false;
    for (const EffectType& t : types.Types()) {
        plain |= t.Create && !t.Effects.empty();
        ring |= !t.Rings.empty();
        burst |= !t.Bursts.empty();
        rain |= !t.Rains.empty() && t.Effects.size() >= t.Rains.size();
    }
    EXPECT_TRUE(plain && ring && burst && rain);
}

#ifdef QUORREL_HAVE_EFFECT_SPRITES
TEST(ShippedEffects, EveryPictureIsDrawnWithItsFrames) {
    std::map<std::string, int> made;
    for (const EffectSprite& s : MakeEffectSprites()) {
        EXPECT_EQ(s.Rgba.size(), static_cast<size_t>(s.Width) * s.Height * 4) << s.Name;
        EXPECT_EQ(s.Width % s.Frames, 0) << s.Name;
        made[s.Name] = s.Frames;
    }
    for (const auto& [name, frames] : NamedSurfaces(ShippedTypes())) {
        ASSERT_TRUE(made.count(name)) << name << " is not drawn by the generator";
        EXPECT_EQ(made[name], frames) << name;
    }
}
#endif

#ifdef QUORREL_HAVE_SOUND_LIST
TEST(ShippedEffects, EverySoundIsMade) {
    std::set<std::string> sounds;
    for (const AudioEntry& e : SoundEntries())
        sounds.insert(e.Name);
    const TEffectTypes types = ShippedTypes();
    for (const EffectType& t : types.Types()) {
        for (const EffectRecord& e : t.Effects) {
            if (!e.PlaySound.empty()) {
                EXPECT_TRUE(sounds.count(e.PlaySound)) << e.PlaySound;
            }
        }
    }
}
#endif

struct Stage {
    std::unique_ptr<TSurfEngine> engine = FrameEngine();
    TEffectTypes types = ShippedTypes();
    TEffectList list;
    FakePieces pieces;
    Random random{11};
    TEffectRuntime rt{types, list, random};
    std::vector<std::string> sounds;
    Stage() {
        AddPictures(*engine, types);
        AddSprite(*engine, "piece.png", 40, 40, 0x3080A0);
        list.SetPieces(&pieces);
        pieces.MapScroll = 9000;
        pieces.List = {{{300, 8900}, true}, {{380, 400}, false}};
        rt.SetPlaySound([this](const std::string& s) { sounds.push_back(s); });
        rt.SetCursor([] { return TPoint{300, 200}; });
    }
    void Run(uint32_t from, uint32_t to, const std::string& level = "") {
        for (uint32_t t = from; t <= to; t += 16) {
            rt.RunLevelEffect(level, t);
            list.UpdateEffects(t, *engine);
            list.FollowPieces();
        }
    }
    int Lit(uint32_t now) {
        engine->FindPixels("MemorySurface")->Clear();
        list.DrawEffects(*engine, pieces.MapScroll - 245, now);
        int lit = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                lit += FramePixel(*engine, x, y) != 0;
        return lit;
    }
};

// The piece each effect is started at in the game: 0 on the board, 1 in the hand or the feed.
const std::vector<std::pair<std::string, std::vector<int>>> GameStarts = {
    {"TakeFishka", {1}},         {"TakeQuestFishka", {1}},   {"PutFishka", {0}},
    {"PutBonusFishka", {0}},     {"PutbonusFishka", {0}},    {"PutFishkaInOtboynik", {1}},
    {"CanNotPutFishka", {1}},    {"RotateFishka", {1}},      {"HammerFishka", {0, 1}},
    {"HammerFishkaSound", {-1}}, {"UnableHammer", {0, 1}},   {"ClipperFishkaNew", {0}},
    {"ConnectLink", {0}},        {"ClosedLink", {0}},        {"CombinationSound", {-1}},
    {"TwinkleFishka", {0}},      {"MakeFishkaBonused", {1}}, {"GiveBonusFishka", {-1}},
    {"GiveClipper", {-1}},       {"GiveHammer", {-1}},       {"GiveScore", {-1}},
    {"GiveSpeedUpOtb", {-1}},    {"GiveTimeToNoLoose", {-1}}};

TEST(ShippedEffects, GameEffectsShowAndRunOut) {
    ASSERT_EQ(GameStarts.size(), GameTypes.size());
    for (const auto& [name, starts] : GameStarts) {
        for (int piece : starts) {
            Stage s;
            s.rt.StartEffect(name, {}, piece, -1, 1000);
            s.Run(1016, 1100);
            if (name != "HammerFishkaSound") {
                EXPECT_GT(s.Lit(1100), 20) << name << " shows nothing at piece " << piece;
            }
            s.Run(1116, 4000);
            EXPECT_EQ(s.list.Count(), 0) << name;
            if (piece >= 0) {
                EXPECT_FALSE(s.pieces.List[piece].Attached) << name;
            }
        }
    }
}

TEST(ShippedEffects, LevelEffectsShowAtMapPoints) {
    for (const std::string& name : LevelTypes) {
        Stage s;
        s.rt.RestartEffectTypes(1000);
        const bool rains = !s.types.FindEffectType(name)->Rains.empty();
        if (!rains) s.rt.StartEffectType(name, name, "", {300, 8900}, -1, -1, 1000);
        const uint32_t end = rains ? 3000 : 1300;
        s.Run(1016, end, rains ? name : "");
        EXPECT_GT(s.Lit(end), 20) << name;
    }
}

#ifdef QUORREL_HAVE_EFFECT_SPRITES
// The real pictures over a dusk-coloured frame, to look at: a bonus laid on the board, a piece
// taken, a clipper ring, fireflies and the shower.
TEST(ShippedEffects, Screenshot) {
    Stage s;
    s.pieces.List.push_back({{150, 8800}, true});
    s.rt.RestartEffectTypes(0);
    s.Run(0, 1500, "SoftRain");
    s.rt.StartEffect("PutBonusFishka", {}, 0, -1, 1500);
    s.rt.StartEffect("TakeFishka", {}, 1, -1, 1500);
    s.rt.StartEffect("ClipperFishkaNew", {}, 2, -1, 1500);
    s.rt.StartEffectType("Fireflies", "Fireflies", "", {480, 9100}, -1, -1, 1500);
    s.rt.StartEffectType("Torch", "Torch", "", {540, 9150}, -1, -1, 1500);
    s.rt.StartEffect("GiveHammer", {}, -1, -1, 1500);
    s.Run(1516, 1700, "SoftRain");
    TSurface* frame = s.engine->FindPixels("MemorySurface");
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            reinterpret_cast<uint32_t*>(frame->Row(y))[x] = 0x1C1A30 + (y / 40) * 0x030201;
    s.list.DrawEffects(*s.engine, s.pieces.MapScroll - 245, 1700);
    SaveFrame(*s.engine, "effects_shipped.png");
    EXPECT_GT(s.list.Count(), 30);
}
#endif

} // namespace
