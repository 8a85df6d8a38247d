// Language overlays over the interface file, and duplicated objects.
#include <gtest/gtest.h>

#include "InterfaceTestSupport.h"
#include "archive/GameError.h"
#include "interface/VexLabel.h"
#include "interface/VexRadioButton.h"

using namespace vextest;

namespace {

class Language : public ::testing::Test {
  protected:
    void SetUp() override {
        w.Load(Li({Window("WLanguage"),
                   Widget("TVexLabel", "WLanguage", "LTitleWLanguage", 10, 10, 100, 20,
                          {{"Caption", "Language"}, {"CharSet", "EASTEUROPE"}}),
                   Widget("TVexRadioButton", "WLanguage", "RENUWLanguage", 10, 40, 100, 20,
                          {{"Caption", "English"},
                           {"RadioGroup", "3"},
                           {"Picture", "r;rc"},
                           {"OnMouseUp", "RunMethod RENUWLanguageMouseUp"},
                           {"OnMouseUp", "HideModal WX"}})}));
    }
    static std::string Overlay(const std::string& caption, const std::string& charSet) {
        return Li({Obj("TVexLabel",
                       {{"Name", "LTitleWLanguage"}, {"Caption", caption}, {"CharSet", charSet}}),
                   Obj("TVexLabel", {{"Name", "LNotThere"}, {"Caption", "x"}})});
    }
    TInterfaceWorld w;
};

TEST_F(Language, RestoreGivesBackTheInterfaceFileNotTheFirstLanguage) {
    w.Engine.LoadLanguageText(Overlay("Sprache", "EASTEUROPE"));
    EXPECT_EQ(w.Get<TVexLabel>("LTitleWLanguage").Caption, "Sprache");
    w.Engine.LoadLanguageText(Overlay("Langue", "RUSSIAN"));
    EXPECT_EQ(w.Get<TVexLabel>("LTitleWLanguage").CharSet, "RUSSIAN");
    w.Engine.RestoreProperties();
    EXPECT_EQ(w.Get<TVexLabel>("LTitleWLanguage").Caption, "Language");
    EXPECT_EQ(w.Get<TVexLabel>("LTitleWLanguage").CharSet, "EASTEUROPE");
    EXPECT_EQ(w.Engine.SavedProperties.size(), 2u);
}

TEST_F(Language, LoadLanguageFromAFileAndFailures) {
    const std::string path = ::testing::TempDir() + "quorrel_DEU_2.lng";
    {
        FILE* f = std::fopen(path.c_str(), "wb");
        const std::string text = Overlay("Sprache", "EASTEUROPE");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    w.Engine.LoadLanguage(path);
    EXPECT_EQ(w.Get<TVexLabel>("LTitleWLanguage").Caption, "Sprache");
    EXPECT_THROW(w.Engine.LoadLanguage(path + ".missing"), GameError);
    EXPECT_THROW(w.Engine.LoadLanguageText(
                     Li({Obj("TVexLabel", {{"Name", "LTitleWLanguage"}, {"Colour", "1"}})})),
                 GameError);
}

TEST_F(Language, DuplicateObjectCopiesPropertiesAndCommands) {
    w.Count("RENUWLanguageMouseUp");
    w.Engine.DuplicateObject("RENUWLanguage", "RDEUWLanguage");
    auto& copy = w.Get<TVexRadioButton>("RDEUWLanguage");
    EXPECT_EQ(copy.Caption, "English");
    EXPECT_EQ(copy.RadioGroup, 3);
    EXPECT_EQ(copy.Parent, &w.Get("WLanguage"));
    EXPECT_EQ(copy.Engine, &w.Engine);
    EXPECT_EQ(copy.Commands(TVexEventKind::MouseUp),
              (std::vector<std::string>{"RunMethod RENUWLanguageMouseUp", "HideModal WX"}));
    EXPECT_EQ(w.Get<TVexForm>("WLanguage").Children.back(), &copy);
    EXPECT_EQ(w.Get<TVexRadioButton>("RENUWLanguage").Name, "RENUWLanguage");
    // Moved down, the copy is a radio button of the same group in the window.
    copy.Top = copy.OriginTop = 70;
    w.Engine.ShowModal("WLanguage");
    w.Click(50, 80);
    EXPECT_TRUE(copy.Checked);
    EXPECT_EQ(w.Calls["RENUWLanguageMouseUp"], 1);
}

TEST_F(Language, DuplicateObjectRefusesExistingAndMissingNames) {
    const int before = w.Engine.Count();
    w.Engine.DuplicateObject("RENUWLanguage", "LTitleWLanguage");
    w.Engine.DuplicateObject("RNoneWLanguage", "RFRAWLanguage");
    EXPECT_EQ(w.Engine.Count(), before);
    ASSERT_EQ(w.Log.Lines.size(), 2u);
    EXPECT_EQ(w.Log.Lines[0], "[TVexInterfaceEngine.DuplicateObject] DestObjectName is present!");
    EXPECT_EQ(w.Log.Lines[1], "[TVexInterfaceEngine.DuplicateObject] SrcObjectName not found!");
}

} // namespace
