// The effect types file.
#include "FuzzInput.h"
#include "main/effects/EffectTypes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TEffectTypes types;
    try {
        types.LoadFromText(FuzzText(data, size), 1000);
    } catch (const std::exception&) {
    }
    return 0;
}
