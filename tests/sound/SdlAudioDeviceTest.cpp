// The real device over SDL's audio output: it opens on a driver that works, and refuses
// everything (so the game runs silent) when no output can be had.
#include <gtest/gtest.h>

#include <cstdlib>

#include "WavBytes.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "sound/AudioEngine.h"

namespace {

class AudioDriver {
  public:
    explicit AudioDriver(const char* name) { setenv("SDL_AUDIODRIVER", name, 1); }
    ~AudioDriver() { unsetenv("SDL_AUDIODRIVER"); }
};

TEST(SdlAudioDeviceTest, OpensOnAWorkingDriverAndPlays) {
    AudioDriver driver("dummy");
    SdlAudioDevice device;
    EXPECT_EQ(device.GetVersion(), 0x00080001u);
    ASSERT_TRUE(device.Init(-1, 22050, 0));
    EXPECT_EQ(device.OutputRate(), 22050);
    EXPECT_TRUE(device.Start());
    const auto wav = wavbytes::Constant16(1000, 2000);
    const uint32_t sample = device.SampleLoad(wav.data(), wav.size(), 5, true);
    ASSERT_NE(sample, 0u);
    EXPECT_NE(device.SamplePlay(sample, 80), 0u);
    EXPECT_TRUE(device.SampleStop(sample));
    device.SampleFree(sample);
    EXPECT_EQ(device.SamplePlay(sample, 80), 0u);
    const uint8_t junk[] = {1, 2, 3, 4};
    EXPECT_EQ(device.MusicLoad(junk, sizeof junk), 0u);
    EXPECT_TRUE(device.Pause());
}

TEST(SdlAudioDeviceTest, WithoutAnOutputEveryCallIsRefusedAndTheGameIsSilent) {
    AudioDriver driver("no-such-driver");
    SdlAudioDevice device;
    TVolumeLevels levels;
    TAudioEngine engine(device, levels);
    EXPECT_FALSE(engine.Open());
    EXPECT_FALSE(device.IsOpen());
    const auto wav = wavbytes::Constant16(1000, 100);
    EXPECT_EQ(device.SampleLoad(wav.data(), wav.size(), 5, true), 0u);
    EXPECT_FALSE(device.Start());
    EXPECT_FALSE(device.MusicPlay(1));
}

TEST(SdlAudioDeviceTest, BeforeInitNothingIsAccepted) {
    SdlAudioDevice device;
    const auto wav = wavbytes::Constant16(1000, 100);
    EXPECT_EQ(device.SampleLoad(wav.data(), wav.size(), 5, true), 0u);
    EXPECT_FALSE(device.Pause());
    EXPECT_FALSE(device.ChannelStop(1));
}

} // namespace
