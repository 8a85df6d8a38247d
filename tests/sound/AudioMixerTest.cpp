// The mixer rendered straight into buffers: volumes, the playback limit, pause, saturation and
// the decoding of WAV data from memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "WavBytes.h"
#include "platform/sdl/AudioMixer.h"

namespace {

constexpr int Rate = 22050;

std::vector<int16_t> Render(AudioMixer& mixer, size_t frames) {
    std::vector<int16_t> out(frames * 2);
    mixer.Render(out.data(), frames);
    return out;
}

int Peak(const std::vector<int16_t>& s) {
    int peak = 0;
    for (int16_t v : s)
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

uint32_t LoadConstant(AudioMixer& mixer, int16_t value, int frames, bool overridePosition = true) {
    const auto wav = wavbytes::Constant16(value, frames);
    return mixer.SampleLoad(wav.data(), wav.size(), 5, overridePosition);
}

TEST(AudioMixerTest, PlayVolumeAndGlobalSampleVolumeScaleTheOutput) {
    AudioMixer mixer(Rate);
    const uint32_t s = LoadConstant(mixer, 16000, 4000);
    ASSERT_NE(s, 0u);
    mixer.SamplePlay(s, 100);
    EXPECT_NEAR(Render(mixer, 100)[50], 16000, 2);
    mixer.SampleStop(s);
    Render(mixer, 200);

    mixer.SamplePlay(s, 50);
    EXPECT_NEAR(Render(mixer, 100)[50], 8000, 2);
    mixer.SetGlobalVolumes(100, 25);
    EXPECT_NEAR(Render(mixer, 100)[50], 2000, 2);
    mixer.SetGlobalVolumes(100, 0);
    EXPECT_EQ(Peak(Render(mixer, 100)), 0);
    // The music volume leaves samples alone.
    mixer.SetGlobalVolumes(0, 100);
    EXPECT_NEAR(Render(mixer, 100)[50], 8000, 2);
}

TEST(AudioMixerTest, AtMostFivePlaybacksAndASixthReplacesTheOneFurthestAlong) {
    AudioMixer mixer(Rate);
    const uint32_t s = LoadConstant(mixer, 1000, 20000);
    mixer.SamplePlay(s, 100);
    Render(mixer, 300);
    for (int i = 0; i < 4; ++i) {
        mixer.SamplePlay(s, 100);
        Render(mixer, 10 * (4 - i));
    }
    EXPECT_EQ(mixer.PlaybackPositions(s), (std::vector<size_t>{400, 100, 60, 30, 10}));
    EXPECT_NEAR(Render(mixer, 1)[0], 5000, 5);

    ASSERT_NE(mixer.SamplePlay(s, 100), 0u);
    EXPECT_EQ(mixer.PlayingCount(s), 5);
    std::vector<size_t> positions = mixer.PlaybackPositions(s);
    EXPECT_EQ(positions, (std::vector<size_t>{101, 61, 31, 11, 0}));
    // The cut playback fades out over a few milliseconds; after that five sound together.
    Render(mixer, 200);
    EXPECT_NEAR(Render(mixer, 1)[0], 5000, 5);
}

TEST(AudioMixerTest, WithoutTheOverPositionPolicyASixthPlayIsRefused) {
    AudioMixer mixer(Rate);
    const uint32_t s = LoadConstant(mixer, 1000, 20000, false);
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(mixer.SamplePlay(s, 100), 0u);
    EXPECT_EQ(mixer.SamplePlay(s, 100), 0u);
    EXPECT_EQ(mixer.PlayingCount(s), 5);
}

TEST(AudioMixerTest, PlaybacksEndAtTheirLastFrameAndStopOnRequest) {
    AudioMixer mixer(Rate);
    const uint32_t s = LoadConstant(mixer, 1000, 100);
    mixer.SamplePlay(s, 100);
    const auto out = Render(mixer, 150);
    EXPECT_EQ(out[2 * 99], 1000);
    EXPECT_EQ(out[2 * 100], 0);
    EXPECT_EQ(mixer.PlayingCount(s), 0);

    const uint32_t long1 = LoadConstant(mixer, 1000, 20000);
    const uint32_t a = mixer.SamplePlay(long1, 100);
    mixer.SamplePlay(long1, 100);
    EXPECT_TRUE(mixer.ChannelStop(a));
    EXPECT_EQ(mixer.PlayingCount(long1), 1);
    EXPECT_TRUE(mixer.SampleStop(long1));
    EXPECT_EQ(mixer.PlayingCount(long1), 0);
    Render(mixer, 500); // the fade of the cut playbacks
    EXPECT_EQ(Peak(Render(mixer, 100)), 0);
    EXPECT_FALSE(mixer.ChannelStop(a));
    EXPECT_EQ(mixer.SamplePlay(999, 100), 0u);
}

TEST(AudioMixerTest, FreeingAPlayingSampleIsSafe) {
    AudioMixer mixer(Rate);
    const uint32_t s = LoadConstant(mixer, 1000, 20000);
    mixer.SamplePlay(s, 100);
    Render(mixer, 10);
    EXPECT_TRUE(mixer.SampleFree(s));
    Render(mixer, 500);
    EXPECT_EQ(mixer.SamplePlay(s, 100), 0u);
    EXPECT_FALSE(mixer.SampleFree(s));
}

TEST(AudioMixerTest, PauseRendersSilenceAndHoldsThePlace) {
    AudioMixer mixer(Rate);
    const uint32_t s = LoadConstant(mixer, 1000, 20000);
    mixer.SamplePlay(s, 100);
    Render(mixer, 100);
    mixer.Pause();
    EXPECT_EQ(Peak(Render(mixer, 1000)), 0);
    EXPECT_EQ(mixer.PlaybackPositions(s), (std::vector<size_t>{100}));
    mixer.Start();
    EXPECT_EQ(Render(mixer, 1)[0], 1000);
}

TEST(AudioMixerTest, LoudSumsSaturateInsteadOfWrappingAround) {
    AudioMixer mixer(Rate);
    const uint32_t s = LoadConstant(mixer, 30000, 4000);
    for (int i = 0; i < 5; ++i)
        mixer.SamplePlay(s, 100);
    const auto out = Render(mixer, 100);
    for (int16_t v : out) {
        ASSERT_GT(v, 30000);
        ASSERT_LE(v, 32767);
    }
    // Below the knee a single sound passes unchanged.
    mixer.SampleStop(s);
    Render(mixer, 500);
    mixer.SamplePlay(s, 80);
    EXPECT_NEAR(Render(mixer, 1)[0], 24000, 2);
}

TEST(AudioMixerTest, WavFormatsDecodeToTheSameLevel) {
    AudioMixer mixer(Rate);
    // 8-bit unsigned mono: 192 is half way up.
    const auto u8 = wavbytes::Pcm(std::vector<uint8_t>(100, 192), 1, Rate, 8);
    // 16-bit stereo: left half up, right half down.
    std::vector<uint8_t> stereo;
    for (int i = 0; i < 100; ++i) {
        wavbytes::Put(stereo, static_cast<uint16_t>(16384), 2);
        wavbytes::Put(stereo, static_cast<uint16_t>(-16384), 2);
    }
    const auto s16 = wavbytes::Pcm(stereo, 2, Rate, 16);
    const uint32_t a = mixer.SampleLoad(u8.data(), u8.size(), 5, true);
    const uint32_t b = mixer.SampleLoad(s16.data(), s16.size(), 5, true);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    mixer.SamplePlay(a, 100);
    auto out = Render(mixer, 50);
    EXPECT_NEAR(out[20], 16384, 2);
    EXPECT_NEAR(out[21], 16384, 2);
    mixer.SamplePlay(b, 100);
    Render(mixer, 60);
    out = Render(mixer, 10);
    EXPECT_NEAR(out[0], 16384, 2);
    EXPECT_NEAR(out[1], -16384, 2);
}

TEST(AudioMixerTest, OtherRatesAreResampledToTheOutputRate) {
    AudioMixer mixer(Rate);
    const auto wav = wavbytes::Constant16(1000, 4410, 44100); // 0.1 s
    const uint32_t s = mixer.SampleLoad(wav.data(), wav.size(), 5, true);
    mixer.SamplePlay(s, 100);
    const auto out = Render(mixer, 3000);
    EXPECT_EQ(out[2 * 2200], 1000);
    EXPECT_EQ(out[2 * 2210], 0); // 0.1 s at 22050 Hz is 2205 frames
}

TEST(AudioMixerTest, ChunksMayComeInAnyOrderAndUnknownOnesAreSkipped) {
    using namespace wavbytes;
    std::vector<uint8_t> wav;
    Tag(wav, "RIFF");
    Put(wav, 0, 4); // a size the reader does not rely on
    Tag(wav, "WAVE");
    Tag(wav, "LIST");
    Put(wav, 3, 4);
    wav.insert(wav.end(), {'a', 'b', 'c', 0}); // odd size, padded to even
    Tag(wav, "data");
    Put(wav, 20, 4);
    for (int i = 0; i < 10; ++i)
        Put(wav, 2000, 2);
    Tag(wav, "fmt ");
    Put(wav, 16, 4);
    for (uint32_t v : {1u, 1u})
        Put(wav, v, 2);
    Put(wav, Rate, 4);
    Put(wav, Rate * 2, 4);
    for (uint32_t v : {2u, 16u})
        Put(wav, v, 2);
    AudioMixer mixer(Rate);
    const uint32_t s = mixer.SampleLoad(wav.data(), wav.size(), 5, true);
    ASSERT_NE(s, 0u);
    mixer.SamplePlay(s, 100);
    EXPECT_EQ(Render(mixer, 1)[0], 2000);
}

// An 8-bit 1 kHz file costs 88 times its size as float frames at 22 kHz: one of 800 KB would
// take 70 MB, past the 64 MB a sound may take, and is refused before it is decoded.
TEST(AudioMixerTest, SamplesTooLargeOnceDecodedAreRefused) {
    AudioMixer mixer(Rate);
    const auto load = [&](const std::vector<uint8_t>& bytes) {
        return mixer.SampleLoad(bytes.data(), bytes.size(), 5, true);
    };
    EXPECT_EQ(load(wavbytes::Pcm(std::vector<uint8_t>(800000, 128), 1, 1000, 8)), 0u);
    EXPECT_NE(load(wavbytes::Pcm(std::vector<uint8_t>(700000, 128), 1, 1000, 8)), 0u);
}

TEST(AudioMixerTest, DamagedOrForeignDataIsRefused) {
    AudioMixer mixer(Rate);
    auto good = wavbytes::Constant16(1000, 100);
    const auto load = [&](const std::vector<uint8_t>& bytes) {
        return mixer.SampleLoad(bytes.data(), bytes.size(), 5, true);
    };
    EXPECT_EQ(mixer.SampleLoad(nullptr, 0, 5, true), 0u);
    EXPECT_EQ(load(std::vector<uint8_t>(good.begin(), good.begin() + 20)), 0u); // cut in fmt
    auto hugeFmt = good;
    hugeFmt[16] = 0xFF, hugeFmt[17] = 0xFF, hugeFmt[18] = 0xFF, hugeFmt[19] = 0x7F;
    EXPECT_EQ(load(hugeFmt), 0u);
    auto threeChannels = good;
    threeChannels[22] = 3;
    EXPECT_EQ(load(threeChannels), 0u);
    auto notRiff = good;
    notRiff[0] = 'X';
    EXPECT_EQ(load(notRiff), 0u);
    const std::string text = "this is no sound at all";
    EXPECT_EQ(mixer.SampleLoad(reinterpret_cast<const uint8_t*>(text.data()), text.size(), 5, true),
              0u);
    EXPECT_EQ(mixer.MusicLoad(reinterpret_cast<const uint8_t*>(text.data()), text.size()), 0u);

    // A data chunk that claims more than the file holds plays what is there.
    auto truncated = good;
    truncated.resize(truncated.size() - 100);
    const uint32_t s = load(truncated);
    ASSERT_NE(s, 0u);
    mixer.SamplePlay(s, 100);
    const auto out = Render(mixer, 100);
    EXPECT_EQ(out[2 * 49], 1000);
    EXPECT_EQ(out[2 * 50], 0);
}

} // namespace
