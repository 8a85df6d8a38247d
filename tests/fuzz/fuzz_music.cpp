// A music module of the game archive or a modder's, through the mixer the game plays it with:
// loaded, started, a quarter of a second rendered, restarted from its bytes and rendered again.
#include "FuzzInput.h"
#include "platform/sdl/AudioMixer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    AudioMixer mixer(22050);
    const uint32_t music = mixer.MusicLoad(data, size);
    if (!music) return 0;
    int16_t out[2 * 2048];
    mixer.MusicPlay(music);
    for (int i = 0; i < 3; ++i)
        mixer.Render(out, 2048);
    mixer.MusicPlay(music);
    mixer.Render(out, 2048);
    mixer.MusicRemove(music);
    return 0;
}
