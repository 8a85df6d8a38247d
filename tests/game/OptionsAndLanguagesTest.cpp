// The options and language windows on the real game, clicked as a player does: volumes that
// apply at once and are kept or given up, hints, colour depth and full screen, a settings file
// that cannot be written, where the window opens, and languages that come and go.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "archive/SafeFile.h"
#include "game/HeadlessGame.h"
#include "interface/VexCheckBox.h"
#include "interface/VexRadioButton.h"
#include "platform/VirtualKeys.h"

namespace {

class OptionsAndLanguages : public HeadlessGame {
  protected:
    void Options(const std::string& text) {
        std::ofstream(folder.Path() + "options.cfg") << "[Options]\n" << text;
    }
    bool Checked(const std::string& name) {
        const TVexInterfaceObject* o = form.Interface().FindInterfaceObject(name);
        if (const auto* r = dynamic_cast<const TVexRadioButton*>(o)) return r->Checked;
        if (const auto* b = dynamic_cast<const TVexCheckBox*>(o)) return b->Checked;
        return false;
    }
    std::string Caption(const std::string& name) {
        const auto* l = dynamic_cast<const TVexLabel*>(form.Interface().FindInterfaceObject(name));
        return l ? l->Caption : "(none)";
    }
    std::string File(const std::string& name) {
        std::string text;
        ReadWholeFile(folder.Path() + name, text);
        return text;
    }
    bool Called(const std::string& call) const {
        return std::find(audio.Calls.begin(), audio.Calls.end(), call) != audio.Calls.end();
    }
    void AltEnter() {
        PlatformEvent e;
        e.Type = EventType::KeyDown;
        e.Key = vk::Return;
        e.Shift = shiftstate::Alt;
        host.Push(e);
        Frames(2);
    }
};

// Music off in the file: choosing 60 starts it at 60; the sounds follow their radio at once;
// Cancel gives the choices up, OK keeps what the player hears.
TEST_F(OptionsAndLanguages, VolumesApplyAtOnceCancelGivesThemUpAndOkKeepsThem) {
    Options("MusicVolumeIdx=6\nSoundVolumeIdx=2\n");
    Start();
    ASSERT_TRUE(ClickObject("BOptionsWTitle"));
    ASSERT_EQ(TopWindow(), "WOptions");
    EXPECT_TRUE(Checked("RNoMusicWOptions"));
    EXPECT_TRUE(Checked("RSound80WOptions"));
    audio.Calls.clear();
    ClickObject("RMusic60WOptions");
    EXPECT_TRUE(Called("SetGlobalVolumes 60 80 0"));
    EXPECT_EQ(std::count_if(audio.Calls.begin(), audio.Calls.end(),
                            [](const std::string& c) { return c.rfind("MusicPlay", 0) == 0; }),
              1);
    ClickObject("RSound20WOptions");
    EXPECT_TRUE(Called("SetGlobalVolumes 60 20 0"));
    EXPECT_EQ(form.Settings.Volumes.Sound, 5);

    ClickObject("BCancelWOptions");
    EXPECT_EQ(TopWindow(), "WTitle");
    EXPECT_EQ(audio.Calls.back(), "SetGlobalVolumes 0 80 0");
    EXPECT_EQ(form.Settings.Volumes.Music, 6);
    ClickObject("BOptionsWTitle");
    EXPECT_TRUE(Checked("RNoMusicWOptions"));
    EXPECT_TRUE(Checked("RSound80WOptions"));
    EXPECT_FALSE(Checked("RMusic60WOptions"));

    ClickObject("RMusic40WOptions");
    ClickObject("BOkWOptions");
    EXPECT_NE(File("options.cfg").find("MusicVolumeIdx=4"), std::string::npos);
    EXPECT_NE(File("options.cfg").find("SoundVolumeIdx=2"), std::string::npos);
}

TEST_F(OptionsAndLanguages, OkTurnsHintsOffAndSwitchesDepthAndFullScreen) {
    Start();
    ClickObject("BOptionsWTitle");
    EXPECT_TRUE(Checked("CheckBoxColorWOptions"));
    EXPECT_FALSE(Checked("CheckBoxFullScreenWOptions"));
    ClickObject("CheckBoxHintsWOptions");
    ClickObject("CheckBoxColorWOptions");
    ClickObject("CheckBoxFullScreenWOptions");
    ClickObject("BOkWOptions");
    EXPECT_EQ(TopWindow(), "WTitle");
    EXPECT_EQ(form.Settings.TurnOffHint, 1);
    EXPECT_EQ(display.BitsPerPixel(), 16);
    EXPECT_TRUE(display.IsFullScreen());
    const std::string cfg = File("options.cfg");
    for (const char* line : {"TurnOffHint=1", "BitsPerPixel=16", "FullScreenMode=1"})
        EXPECT_NE(cfg.find(line), std::string::npos) << line;
    // The screen still draws: the title's pixels are not all one colour.
    EXPECT_GT(Differing(0, 0, 799, 599, display.Pixel(0, 0)), 1000);
}

// A settings file that cannot be written (here a folder stands in its place) does not keep the
// display from switching; the player hears of it once, and the game remembers the mode.
TEST_F(OptionsAndLanguages, AnUnwritableSettingsFileStillSwitchesTheDisplayAndSaysSoOnce) {
    Start();
    std::filesystem::create_directory(folder.Path() + "options.cfg");
    AltEnter();
    EXPECT_TRUE(display.IsFullScreen());
    EXPECT_EQ(form.Settings.FullScreenMode, 1);
    AltEnter();
    EXPECT_FALSE(display.IsFullScreen());
    EXPECT_EQ(form.Settings.FullScreenMode, 0);
    EXPECT_EQ(host.Messages.size(), 1u);
    EXPECT_NE(File("debug.log").find("options.cfg"), std::string::npos);
    ClickObject("BOptionsWTitle");
    ClickObject("BCancelWOptions");
    EXPECT_FALSE(Checked("CheckBoxFullScreenWOptions"));
    EXPECT_FALSE(display.IsFullScreen());
}

TEST_F(OptionsAndLanguages, TheWindowOpensWhereTheFileSays) {
    Options("WindowModeX=40\nWindowModeY=30\n");
    Start();
    ASSERT_TRUE(display.WindowPosition.has_value());
    EXPECT_EQ(*display.WindowPosition, std::make_pair(40, 30));
}

// Languages made for the test: English, German and French, each naming its own radio button.
class Languages : public OptionsAndLanguages {
  protected:
    Languages() {
        namespace fs = std::filesystem;
        const fs::path lng = fs::path(folder.Path()) / "lng";
        fs::remove(lng);
        fs::create_directory(lng);
        fs::copy_file(fs::path(QUORREL_GAME_DIR) / "lng/ENU_1.lng", lng / "ENU_1.lng");
        Write(lng / "DEU_2.lng", "RDEUWLanguage", "Deutsch", "Neues Spiel");
        Write(lng / "FRA_3.lng", "RFRAWLanguage",
              "Fran\xe7"
              "ais",
              "Nouvelle partie");
    }
    static void Write(const std::filesystem::path& path, const std::string& radio,
                      const std::string& name, const std::string& newGame) {
        std::ofstream(path) << "<VexInterface>\n"
                            << "<o c=\"TVexRadioButton\"><p n=\"Name\">" << radio
                            << "</p><p n=\"Caption\">" << name << "</p></o>\n"
                            << "<o c=\"TVexButton\"><p n=\"Name\">BNewWTitle</p>"
                            << "<p n=\"Caption\">" << newGame << "</p></o>\n</VexInterface>\n";
    }
    void Choose(const std::string& radio) {
        ClickObject("BLanguageWTitle");
        ASSERT_EQ(TopWindow(), "WLanguage");
        ClickObject(radio);
        ClickObject("BOkWLanguage");
        EXPECT_EQ(TopWindow(), "WTitle");
    }
};

TEST_F(Languages, EachLanguageIsOfferedByItsOwnNameAndTheChoiceIsKept) {
    Start();
    const TVexInterfaceObject* en = form.Interface().FindInterfaceObject("RENUWLanguage");
    const TVexInterfaceObject* de = form.Interface().FindInterfaceObject("RDEUWLanguage");
    const TVexInterfaceObject* fr = form.Interface().FindInterfaceObject("RFRAWLanguage");
    ASSERT_TRUE(en && de && fr);
    EXPECT_EQ(de->OriginTop - en->OriginTop, 30);
    EXPECT_EQ(fr->OriginTop - en->OriginTop, 60);
    EXPECT_EQ(Caption("RENUWLanguage"), "English");
    EXPECT_EQ(Caption("RDEUWLanguage"), "Deutsch");
    EXPECT_TRUE(Checked("RENUWLanguage"));

    Choose("RDEUWLanguage");
    EXPECT_EQ(Caption("BNewWTitle"), "Neues Spiel");
    EXPECT_EQ(host.UserSettings["LangStr"], "DEU");
    EXPECT_EQ(Caption("RDEUWLanguage"), "Deutsch");
    Choose("RFRAWLanguage");
    EXPECT_EQ(Caption("BNewWTitle"), "Nouvelle partie");
    ClickObject("BLanguageWTitle");
    ClickObject("RENUWLanguage");
    ClickObject("BCancelWLanguage");
    ClickObject("BLanguageWTitle");
    EXPECT_TRUE(Checked("RFRAWLanguage"));
    ClickObject("BCancelWLanguage");
    // Back to English: the interface file's texts, not the last language's.
    Choose("RENUWLanguage");
    EXPECT_EQ(Caption("BNewWTitle"), "New game");
    EXPECT_EQ(Caption("RFRAWLanguage"), "Fran\xe7"
                                        "ais");
    EXPECT_EQ(host.UserSettings["LangStr"], "ENU");
}

} // namespace
