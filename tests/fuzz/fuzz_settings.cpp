// The per-user settings file (the chosen language): any file reads, and setting one value
// gives it back and leaves every other value as it was.
#include <cstdlib>

#include "FuzzInput.h"
#include "platform/sdl/UserSettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = FuzzText(data, size);
    const std::string written = WithUserSetting(text, "LangStr", "DEU");
    if (UserSettingValue(written, "LangStr") != "DEU") std::abort();
    for (const char* key : {"Volume", "Window", ""})
        if (UserSettingValue(written, key) != UserSettingValue(text, key)) std::abort();
    if (WithUserSetting(written, "LangStr", "DEU") != written) std::abort();
    return 0;
}
