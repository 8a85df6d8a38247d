// options.cfg as a player may have edited it.
#include "FuzzInput.h"
#include "main/options/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FuzzFile(data, size, "options.cfg");
    try {
        const TGameSettings s = LoadOptions(path);
        if (s.Volumes.Music < 1 || s.Volumes.Music > 6) __builtin_trap();
        SaveOptions(path, s);
    } catch (const std::exception&) {
    }
    return 0;
}
