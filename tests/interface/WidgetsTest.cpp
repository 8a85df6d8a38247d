// Widgets: hit tests, hover and press across windows, buttons, check boxes, radio buttons,
// edits, labels and the progress bar.
#include <gtest/gtest.h>

#include "InterfaceTestSupport.h"
#include "interface/VexButton.h"
#include "interface/VexCheckBox.h"
#include "interface/VexEdit.h"
#include "interface/VexProgressBar.h"
#include "interface/VexRadioButton.h"
#include "platform/VirtualKeys.h"

using namespace vextest;

namespace {

const TProps Text{{"Font", "Arial12"}, {"CharSet", "EASTEUROPE"}};

TProps With(TProps a, const TProps& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class Widgets : public ::testing::Test {
  protected:
    void SetUp() override {
        w.Load(Li(
            {Window("WMain"),
             Widget("TVexButton", "WMain", "BA", 100, 100, 80, 30,
                    With(Text, {{"Picture", "a1;a2;a3"},
                                {"DShiftX", "1"},
                                {"DShiftY", "2"},
                                {"SoundOnMDown", "Click.wav"},
                                {"OnMouseUp", "RunMethod AUp"},
                                {"OnMouseDown", "RunMethod ADown"}})),
             Widget("TVexButton", "WMain", "BB", 300, 100, 80, 30,
                    With(Text, {{"Picture", "b1;b2;b3"}, {"OnMouseUp", "RunMethod BUp"}})),
             Widget("TVexCheckBox", "WMain", "CheckBoxHints", 100, 200, 80, 20,
                    With(Text, {{"Picture", "off;on"}, {"OnMouseUp", "RunMethod CheckUp"}})),
             Widget("TVexRadioButton", "WMain", "R1a", 100, 300, 50, 20,
                    With(Text, {{"Picture", "r;rc"}, {"RadioGroup", "1"}, {"Checked", "True"}})),
             Widget("TVexRadioButton", "WMain", "R1b", 200, 300, 50, 20,
                    With(Text, {{"Picture", "r;rc"},
                                {"RadioGroup", "1"},
                                {"OnMouseUp", "RunMethod R1bUp"}})),
             Widget("TVexRadioButton", "WMain", "R2a", 300, 300, 50, 20,
                    With(Text, {{"Picture", "r;rc"}, {"RadioGroup", "2"}, {"Checked", "True"}})),
             Widget("TVexEdit", "WMain", "EditName", 100, 400, 300, 20,
                    With(Text, {{"Picture", "field;cursor"},
                                {"MaxLength", "19"},
                                {"MaxWidth", "200"},
                                {"TShiftX", "5"}})),
             Window("WOther"), Widget("TVexButton", "WOther", "BOther", 100, 100, 80, 30, Text)}));
        for (const char* m : {"AUp", "ADown", "BUp", "CheckUp", "R1bUp"})
            w.Count(m);
        w.Engine.ShowModal("WMain");
    }
    TInterfaceWorld w;
};

TEST_F(Widgets, BorderPixelsAreOutside) {
    auto& a = w.Get("BA");
    EXPECT_FALSE(a.HitTest(120, 100));
    EXPECT_FALSE(a.HitTest(100, 110));
    EXPECT_FALSE(a.HitTest(180, 110));
    EXPECT_FALSE(a.HitTest(120, 130));
    EXPECT_TRUE(a.HitTest(101, 101));
    w.Click(120, 100);
    EXPECT_EQ(w.Calls["AUp"], 0);
}

TEST_F(Widgets, ButtonClickPlaysSoundRunsCommandsAndChangesPictures) {
    auto& a = w.Get<TVexButton>("BA");
    w.Engine.MouseMove(120, 110);
    EXPECT_EQ(a.CurrentPicture, "a2");
    w.Engine.MouseDown(1, 120, 110);
    EXPECT_EQ(a.CurrentPicture, "a3");
    EXPECT_EQ(w.Graphic.Sounds, (std::vector<std::string>{"Click.wav"}));
    EXPECT_EQ(w.Calls["ADown"], 1);
    EXPECT_EQ(a.TShiftX, 1);
    EXPECT_EQ(a.TShiftY, 2);
    w.Engine.MouseUp(1, 120, 110);
    EXPECT_EQ(a.CurrentPicture, "a2");
    EXPECT_EQ(a.TShiftX, 0);
    EXPECT_EQ(w.Calls["AUp"], 1);
    EXPECT_FALSE(w.Engine.MouseHeld);
}

TEST_F(Widgets, DragOffAndBackOntoAButtonStillClicksOnce) {
    auto& a = w.Get<TVexButton>("BA");
    w.Engine.MouseMove(120, 110);
    w.Engine.MouseDown(1, 120, 110);
    w.Engine.MouseMove(250, 250);
    EXPECT_EQ(a.CurrentPicture, "a1");
    EXPECT_EQ(a.TShiftX, 0);
    w.Engine.MouseMove(121, 111);
    EXPECT_EQ(a.CurrentPicture, "a3");
    EXPECT_EQ(a.TShiftY, 2);
    w.Engine.MouseUp(1, 121, 111);
    EXPECT_EQ(w.Calls["AUp"], 1);
    w.Engine.MouseUp(1, 121, 111);
    EXPECT_EQ(w.Calls["AUp"], 1);
}

TEST_F(Widgets, PressOnOneReleaseOnAnotherClicksNeither) {
    w.Engine.MouseMove(120, 110);
    w.Engine.MouseDown(1, 120, 110);
    w.Engine.MouseMove(320, 110);
    w.Engine.MouseUp(1, 320, 110);
    EXPECT_EQ(w.Calls["AUp"], 0);
    EXPECT_EQ(w.Calls["BUp"], 0);
    EXPECT_FALSE(w.Get<TVexButton>("BA").Pressed);
}

TEST_F(Widgets, HoverAndPressAreSingleAcrossAllWindows) {
    auto& other = w.Get<TVexButton>("BOther");
    other.Hovered = true;
    other.Pressed = true;
    w.Engine.MouseMove(120, 110);
    w.Engine.MouseDown(1, 120, 110);
    EXPECT_FALSE(other.Hovered);
    EXPECT_FALSE(other.Pressed);
    EXPECT_TRUE(w.Get<TVexButton>("BA").Hovered);
}

TEST_F(Widgets, HiddenWidgetsIgnoreTheMouse) {
    w.Get("BA").Visible = false;
    w.Click(120, 110);
    EXPECT_EQ(w.Calls["AUp"], 0);
}

TEST_F(Widgets, CheckBoxToggleFollowsEveryClickWithoutEvents) {
    auto& c = w.Get<TVexCheckBox>("CheckBoxHints");
    EXPECT_EQ(c.CurrentPicture, "off");
    w.Click(120, 210);
    EXPECT_TRUE(c.Checked);
    EXPECT_EQ(c.CurrentPicture, "on");
    w.Click(120, 210);
    EXPECT_FALSE(c.Checked);
    EXPECT_EQ(c.CurrentPicture, "off");
    EXPECT_EQ(w.Calls["CheckUp"], 0);
    EXPECT_EQ(w.Graphic.Sounds.size(), 0u); // no sound set on it
}

TEST_F(Widgets, RadioButtonsUncheckOnlyTheirOwnGroup) {
    auto& r1a = w.Get<TVexRadioButton>("R1a");
    auto& r1b = w.Get<TVexRadioButton>("R1b");
    auto& r2a = w.Get<TVexRadioButton>("R2a");
    w.Click(220, 310);
    EXPECT_TRUE(r1b.Checked);
    EXPECT_EQ(r1b.CurrentPicture, "rc");
    EXPECT_FALSE(r1a.Checked);
    EXPECT_EQ(r1a.CurrentPicture, "r");
    EXPECT_TRUE(r2a.Checked);
    EXPECT_EQ(w.Calls["R1bUp"], 1);
    w.Click(320, 310); // group 2 leaves group 1 alone
    EXPECT_TRUE(r1b.Checked);
}

TEST_F(Widgets, CheckedRadioPaintsInItsCheckedColour) {
    auto& r = w.Get<TVexRadioButton>("R1a");
    r.ColorOnChecked = 0x00FF00;
    r.Paint();
    ASSERT_FALSE(w.Graphic.Of("DrawText").empty());
    EXPECT_EQ(w.Graphic.Of("DrawText")[0].Colour, 0x00FF00u);
}

TEST_F(Widgets, EditPlacesTheCursorAndEditsWithKeys) {
    auto& e = w.Get<TVexEdit>("EditName");
    SetPropValue(e, "Caption", "abcd");
    w.Engine.MouseDown(1, 100 + 5 + 25, 410); // inside "c"
    EXPECT_TRUE(e.Focused);
    EXPECT_EQ(e.CursorPos, 2);
    w.Engine.KeyPress('X');
    EXPECT_EQ(e.Caption, "abXcd");
    EXPECT_EQ(e.CursorPos, 3);
    w.Engine.KeyDown(vk::Back, 0);
    w.Engine.KeyDown(vk::Delete, 0);
    EXPECT_EQ(e.Caption, "abd");
    w.Engine.KeyDown(vk::Home, 0);
    w.Engine.KeyDown(vk::Back, 0);
    w.Engine.KeyDown(vk::Left, 0);
    EXPECT_EQ(e.Caption, "abd");
    EXPECT_EQ(e.CursorPos, 0);
    w.Engine.KeyDown(vk::End, 0);
    w.Engine.KeyDown(vk::Delete, 0);
    w.Engine.KeyDown(vk::Right, 0);
    EXPECT_EQ(e.Caption, "abd");
    EXPECT_EQ(e.CursorPos, 3);
    w.Engine.KeyPress('\r'); // control characters are not text
    EXPECT_EQ(e.Caption, "abd");
    w.Engine.MouseDown(1, 390, 410); // past the text
    EXPECT_EQ(e.CursorPos, 3);
}

TEST_F(Widgets, EditRefusesPastMaxLengthAndMaxWidth) {
    auto& e = w.Get<TVexEdit>("EditName");
    w.Engine.MouseDown(1, 150, 410);
    for (int i = 0; i < 25; ++i)
        w.Engine.KeyPress('a');
    EXPECT_EQ(e.Caption, std::string(19, 'a')); // 190 pixels: under MaxWidth 200
    EXPECT_EQ(e.CursorPos, 19);
    e.MaxLength = 30;
    w.Engine.KeyPress('b'); // would be exactly 200 pixels wide: refused
    EXPECT_EQ(e.Caption.size(), 19u);
    EXPECT_EQ(e.CursorPos, 19); // a refused character does not move the cursor
}

TEST_F(Widgets, EditCursorSurvivesACaptionShortenedUnderIt) {
    auto& e = w.Get<TVexEdit>("EditName");
    SetPropValue(e, "Caption", "abcdef");
    w.Engine.MouseDown(1, 390, 410);
    EXPECT_EQ(e.CursorPos, 6);
    SetPropValue(e, "Caption", "ab");
    w.Engine.KeyPress('c');
    EXPECT_EQ(e.Caption, "abc");
    w.Engine.KeyDown(vk::Back, 0);
    EXPECT_EQ(e.Caption, "ab");
}

TEST_F(Widgets, EditPaintsTheCursorAfterTheTextBeforeIt) {
    auto& e = w.Get<TVexEdit>("EditName");
    SetPropValue(e, "Caption", "abc");
    w.Engine.MouseDown(1, 390, 410);
    w.Engine.KeyDown(vk::Left, 0);
    w.Graphic.Calls.clear();
    e.Paint();
    const auto draws = w.Graphic.Of("Draw");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].Name, "cursor");
    EXPECT_EQ(draws[1].X, 100 + 5 + 20 - 2);
    EXPECT_EQ(draws[1].Y, 400 + (20 - 20) / 2 + 0);
}

TEST_F(Widgets, ReadOnlyEditTakesNoFocus) {
    auto& e = w.Get<TVexEdit>("EditName");
    e.ReadOnly = true;
    w.Engine.MouseDown(1, 150, 410);
    EXPECT_FALSE(e.Focused);
}

TEST(Label, WrapsAtWordsAndPlacesLines) {
    TInterfaceWorld w;
    w.Load(
        Li({Window("WMain"),
            Widget("TVexLabel", "WMain", "LText", 10, 20, 100, 100,
                   With(Text, {{"Layout", "tlCenter"}, {"Alignment", "taCenter"}, {"Color", "9"}})),
            Widget("TVexLabel", "WMain", "LLong", 0, 0, 50, 20,
                   With(Text, {{"Caption", "unbreakable words"}, {"Layout", "tlTop"}}))}));
    auto& l = w.Get<TVexLabel>("LText");
    SetPropValue(l, "Caption", "one two three\r\n four"); // line breaks are not drawn
    EXPECT_EQ(l.WrapCaption(), (std::vector<std::string>{"one two", "three four"}));
    l.Paint();
    const auto texts = w.Graphic.Of("DrawText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].X, 10 + (100 - 70) / 2);
    EXPECT_EQ(texts[0].Y, 20 + (100 - 40) / 2);
    EXPECT_EQ(texts[1].X, 10 + 0);
    EXPECT_EQ(texts[1].Y, 20 + 30 + 20);
    EXPECT_EQ(texts[1].Colour, 9u);
    // A word wider than the label overflows its own line; no empty line comes first.
    EXPECT_EQ(w.Get<TVexLabel>("LLong").WrapCaption(),
              (std::vector<std::string>{"unbreakable", "words"}));
}

TEST(Label, AutosizeFollowsTheCaption) {
    TInterfaceWorld w;
    w.Load(Li({Window("WMain"),
               Widget("TVexLabel", "WMain", "LAuto", 0, 0, 10, 20,
                      With(Text, {{"Autosize", "True"}, {"TShiftX", "3"}, {"Caption", "abcd"}}))}));
    EXPECT_EQ(w.Get("LAuto").Width, 43);
    SetPropValue(w.Get("LAuto"), "Caption", "");
    EXPECT_EQ(w.Get("LAuto").Width, 3);
}

TEST(Label, ButtonIgnoresEmptyCaptions) {
    TInterfaceWorld w;
    w.Load(Li({Window("WMain"), Widget("TVexButton", "WMain", "BOk", 0, 0, 10, 20,
                                       With(Text, {{"Autosize", "True"}, {"Caption", "OK"}}))}));
    SetPropValue(w.Get("BOk"), "Caption", "");
    EXPECT_EQ(w.Get<TVexButton>("BOk").Caption, "OK");
    EXPECT_EQ(w.Get("BOk").Width, 10); // buttons never autosize
}

TEST(TabPages, ShowingOnePageHidesTheOthersOfItsGroup) {
    TInterfaceWorld w;
    auto page = [](const std::string& name, const std::string& group) {
        return Obj(
            "TVexTabForm",
            {{"ParentName", "WMain"}, {"Name", name}, {"TabGroup", group}, {"Visible", "True"}});
    };
    w.Load(Li({Window("WMain"), page("TabA", "1"), page("TabB", "1"), page("TabC", "2")}));
    EXPECT_FALSE(w.Get("TabA").Visible);
    EXPECT_TRUE(w.Get("TabB").Visible);
    EXPECT_TRUE(w.Get("TabC").Visible);
    SetPropValue(w.Get("TabA"), "Visible", "True");
    EXPECT_TRUE(w.Get("TabA").Visible);
    EXPECT_FALSE(w.Get("TabB").Visible);
    EXPECT_TRUE(w.Get("TabC").Visible);
    SetPropValue(w.Get("TabA"), "Visible", "False");
    EXPECT_FALSE(w.Get("TabB").Visible); // hiding only stores
}

TEST(ProgressBar, DrawsRoundedSteps) {
    TInterfaceWorld w;
    w.Load(Li({Window("WProgressBar"), Widget("TVexProgressBar", "WProgressBar",
                                              "ProgressBarWProgressBar", 10, 10, 200, 200,
                                              {{"Picture", "bar;step"},
                                               {"Min", "0"},
                                               {"Max", "100"},
                                               {"Position", "50"},
                                               {"BarWidth", "100"},
                                               {"StepWidth", "10"},
                                               {"BarShiftX", "34"},
                                               {"BarShiftY", "103"}})}));
    auto& bar = w.Get<TVexProgressBar>("ProgressBarWProgressBar");
    bar.Paint();
    const auto draws = w.Graphic.Of("Draw");
    ASSERT_EQ(draws.size(), 6u);
    EXPECT_EQ(draws[0].Name, "bar");
    EXPECT_EQ(draws[1].X, 44);
    EXPECT_EQ(draws[5].X, 44 + 40);
    EXPECT_EQ(draws[5].Y, 113);
    bar.Position = 25; // 2.5 steps: halves to even
    EXPECT_EQ(bar.StepCount(), 2);
    bar.Position = 35;
    EXPECT_EQ(bar.StepCount(), 4);
    bar.Position = 1000000000;
    EXPECT_EQ(bar.StepCount(), 10);
    bar.Max = 0;
    EXPECT_EQ(bar.StepCount(), 0);
}

} // namespace
