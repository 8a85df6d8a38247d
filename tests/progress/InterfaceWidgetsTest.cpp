// The flow's label helpers on a real interface.
#include <gtest/gtest.h>

#include "interface/InterfaceTestSupport.h"
#include "interface/VexEdit.h"
#include "interface/VexRadioButton.h"
#include "main/progress/InterfaceWidgets.h"

using namespace vextest;

class InterfaceWidgetsTest : public ::testing::Test {
  protected:
    InterfaceWidgetsTest() {
        w.Load(Li({Window("WStartDialog"), Window("WBetweenLevelMenu"),
                   Widget("TVexRadioButton", "WStartDialog", "RHardWStartDialog", 10, 10, 50, 20,
                          {{"RadioGroup", "2"}, {"Checked", "True"}}),
                   Widget("TVexRadioButton", "WStartDialog", "RNormalWStartDialog", 10, 40, 50, 20,
                          {{"RadioGroup", "2"}}),
                   Widget("TVexRadioButton", "WStartDialog", "RHammerWStartDialog", 10, 70, 50, 20,
                          {{"RadioGroup", "1"}, {"Checked", "True"}}),
                   Widget("TVexLabel", "WBetweenLevelMenu", "LLevelHeroWBetweenLevelMenu", 0, 0, 10,
                          10, {}),
                   Widget("TVexEdit", "WBetweenLevelMenu", "EditWGameFinishedDialogue", 0, 0, 10,
                          10, {})}));
    }
    TInterfaceWorld w;
    TInterfaceWidgets widgets{w.Engine};
};

TEST_F(InterfaceWidgetsTest, SelectingARadioButtonClearsOnlyItsOwnGroup) {
    widgets.SelectRadio("RNormalWStartDialog");
    EXPECT_TRUE(w.Get<TVexRadioButton>("RNormalWStartDialog").Checked);
    EXPECT_FALSE(w.Get<TVexRadioButton>("RHardWStartDialog").Checked);
    EXPECT_TRUE(w.Get<TVexRadioButton>("RHammerWStartDialog").Checked);
}

TEST_F(InterfaceWidgetsTest, MissingObjectsAreSkipped) {
    widgets.SetCaption("LNoSuchLabel", "1");
    widgets.SetColor("LNoSuchLabel", 5);
    widgets.SetVisible("TLevel9WBetweenLevelMenu", true);
    widgets.SelectRadio("RNoSuch");
    widgets.SetFocused("RHardWStartDialog"); // not an edit
    widgets.ShowPicture("LNoSuch", "hero.png", {10, 10});
    widgets.ShowModal("WNoSuch");
    EXPECT_TRUE(w.Engine.ModalStack.empty());
}

TEST_F(InterfaceWidgetsTest, LabelsTakeCaptionsColoursPicturesAndFocus) {
    widgets.SetCaption("LLevelHeroWBetweenLevelMenu", "12");
    widgets.SetColor("LLevelHeroWBetweenLevelMenu", 0xFFFF);
    auto& label = w.Get<TVexLabel>("LLevelHeroWBetweenLevelMenu");
    EXPECT_EQ(label.Caption, "12");
    EXPECT_EQ(label.Color, 0xFFFF);
    EXPECT_EQ(label.CurrentColor, 0xFFFF);
    // The hero picture is centred in its window (800 x 600 here).
    widgets.ShowPicture("LLevelHeroWBetweenLevelMenu", "hero.png", {200, 100});
    EXPECT_EQ(label.CurrentPicture, "hero.png");
    EXPECT_EQ(label.Left, 300);
    EXPECT_EQ(label.Top, 250);
    EXPECT_EQ(label.OriginLeft, 300);
    widgets.SetFocused("EditWGameFinishedDialogue");
    EXPECT_TRUE(w.Get<TVexEdit>("EditWGameFinishedDialogue").Focused);
    widgets.ShowModal("WBetweenLevelMenu");
    widgets.ShowModal("WStartDialog");
    widgets.HideModal("WStartDialog");
    ASSERT_EQ(w.Engine.ModalStack.size(), 1u);
    widgets.ChangeModal("WStartDialog");
    EXPECT_EQ(w.Engine.TopWindow()->Name, "WStartDialog");
}
