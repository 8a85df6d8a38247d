// The per-user settings file: setting the language keeps every other setting as it read, even
// in a file edited by hand with a key written twice.
#include <gtest/gtest.h>

#include "platform/sdl/UserSettingsFile.h"

TEST(UserSettingsFile, SettingOneKeyChangesNoOtherEvenWhenAKeyIsWrittenTwice) {
    const std::string edited = "Volume=2\r\nLangStr=RUS\nVolume=5\n; a note\n";
    const std::string written = WithUserSetting(edited, "LangStr", "DEU");
    EXPECT_EQ(UserSettingValue(written, "LangStr"), "DEU");
    EXPECT_EQ(UserSettingValue(edited, "Volume"), "5");
    EXPECT_EQ(UserSettingValue(written, "Volume"), "5");
    EXPECT_EQ(UserSettingValue(written, "Missing"), "");
    EXPECT_EQ(WithUserSetting(written, "LangStr", "DEU"), written);
}
