// The window stack, input going only to the top window, and painting.
#include <gtest/gtest.h>

#include "InterfaceTestSupport.h"
#include "interface/VexButton.h"

using namespace vextest;

namespace {

class WindowStack : public ::testing::Test {
  protected:
    void SetUp() override {
        w.Load(Li({Window("WTitle"), Window("WMenu"), Window("WOptions"),
                   Widget("TVexButton", "WTitle", "BPlayWTitle", 100, 100, 80, 30,
                          {{"Picture", "n;h;p"},
                           {"Color", "7"},
                           {"OnMouseUp", "RunMethod BPlayWTitleMouseUp"}}),
                   Widget("TVexButton", "WMenu", "BBackWMenu", 300, 300, 80, 30,
                          {{"OnMouseUp", "RunMethod BBackWMenuMouseUp"}})}));
        w.Count("BPlayWTitleMouseUp");
        w.Count("BBackWMenuMouseUp");
    }
    std::vector<std::string> Stack() const {
        std::vector<std::string> names;
        for (auto* f : w.Engine.ModalStack)
            names.push_back(f->Name);
        return names;
    }
    TInterfaceWorld w;
};

TEST_F(WindowStack, ShowModalPushesAndIgnoresTheTopAndUnknownNames) {
    w.Engine.ShowModal("WTitle");
    w.Engine.ShowModal("WTitle");
    w.Engine.ShowModal("WNowhere");
    EXPECT_EQ(Stack(), (std::vector<std::string>{"WTitle"}));
    w.Engine.ShowModal("WMenu");
    w.Engine.ShowModal("WTitle"); // lower in the stack: a second entry
    EXPECT_EQ(Stack(), (std::vector<std::string>{"WTitle", "WMenu", "WTitle"}));
    EXPECT_FALSE(w.Get<TVexForm>("WMenu").Active);
    EXPECT_TRUE(w.Get<TVexForm>("WTitle").Active);
    EXPECT_TRUE(w.Get("WMenu").Visible);
}

TEST_F(WindowStack, HideModalRemovesTheWindowAndAllAbove) {
    w.Engine.ShowModal("WTitle");
    w.Engine.ShowModal("WMenu");
    w.Engine.ShowModal("WOptions");
    w.Engine.HideModal("WMenu");
    EXPECT_EQ(Stack(), (std::vector<std::string>{"WTitle"}));
    EXPECT_TRUE(w.Get<TVexForm>("WTitle").Active);
    EXPECT_FALSE(w.Get("WOptions").Visible);
    EXPECT_FALSE(w.Get("WMenu").Visible);
    w.Engine.HideModal("WNowhere");
    EXPECT_EQ(Stack().size(), 1u);
    w.Engine.HideModal("WTitle"); // the bottom: everything goes
    EXPECT_TRUE(Stack().empty());
    EXPECT_FALSE(w.Get("WTitle").Visible);
}

TEST_F(WindowStack, ChangeModalReplacesTheWholeStack) {
    w.Engine.ShowModal("WTitle");
    w.Engine.ShowModal("WMenu");
    w.Engine.ChangeModal("WOptions");
    EXPECT_EQ(Stack(), (std::vector<std::string>{"WOptions"}));
    EXPECT_FALSE(w.Get("WTitle").Visible);
    EXPECT_FALSE(w.Get<TVexForm>("WMenu").Active);
}

TEST_F(WindowStack, OnlyTheTopWindowHearsTheMouse) {
    w.Engine.ShowModal("WTitle");
    w.Engine.ShowModal("WMenu");
    w.Click(140, 115); // on the title's button, under the menu
    EXPECT_EQ(w.Calls["BPlayWTitleMouseUp"], 0);
    w.Click(340, 315);
    EXPECT_EQ(w.Calls["BBackWMenuMouseUp"], 1);
    w.Engine.HideModal("WMenu");
    w.Click(140, 115);
    EXPECT_EQ(w.Calls["BPlayWTitleMouseUp"], 1);
}

TEST_F(WindowStack, LeavingTheTopResetsItsButtons) {
    w.Engine.ShowModal("WTitle");
    auto& b = w.Get<TVexButton>("BPlayWTitle");
    w.Engine.MouseMove(140, 115);
    w.Engine.MouseDown(1, 140, 115);
    EXPECT_EQ(b.CurrentPicture, "p");
    w.Engine.ShowModal("WMenu");
    EXPECT_EQ(b.CurrentPicture, "n");
    EXPECT_EQ(b.CurrentColor, 7);
}

TEST_F(WindowStack, DrawAllPaintsVisibleWindowsBottomToTopWithTheirVisibleWidgets) {
    w.Engine.ShowModal("WTitle");
    w.Engine.ShowModal("WMenu");
    w.Get("BBackWMenu").SetPicture("back");
    w.Engine.DrawAll();
    std::vector<std::string> drawn;
    for (const auto& c : w.Graphic.Of("Draw"))
        drawn.push_back(c.Name);
    EXPECT_EQ(drawn, (std::vector<std::string>{"WTitleBack", "n", "WMenuBack", "back"}));
    w.Graphic.Calls.clear();
    w.Get("WMenu").Visible = false; // neither it nor its widgets
    w.Engine.DrawAll();
    drawn.clear();
    for (const auto& c : w.Graphic.Of("Draw"))
        drawn.push_back(c.Name);
    EXPECT_EQ(drawn, (std::vector<std::string>{"WTitleBack", "n"}));
}

TEST_F(WindowStack, NoWindowNoEvents) {
    w.Click(140, 115);
    w.Engine.KeyDown(13, 0);
    w.Engine.KeyPress('a');
    EXPECT_EQ(w.Calls["BPlayWTitleMouseUp"], 0);
}

} // namespace
