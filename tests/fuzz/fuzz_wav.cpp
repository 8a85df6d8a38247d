// A WAV sample a modder drops into the sounds list, decoded for the mixer.
#include "FuzzInput.h"
#include "platform/sdl/AudioWav.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodeWav(data, size, 22050);
    return 0;
}
