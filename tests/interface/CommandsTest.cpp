// The command language of event properties.
#include <gtest/gtest.h>

#include "InterfaceTestSupport.h"
#include "archive/GameError.h"
#include "interface/VexLabel.h"

using namespace vextest;

namespace {

class Commands : public ::testing::Test {
  protected:
    void SetUp() override {
        w.Load(
            Li({Window("WGame"), Window("WMenu"),
                Widget("TVexLabel", "WGame", "LScoreCountWGame", 0, 0, 100, 20, {{"Tag", "10"}})}));
        w.Engine.ShowModal("WGame");
    }
    void Run(const std::string& command) {
        w.Engine.CommandQueue.push_back({"", nullptr, command});
        w.Engine.ProcessCommands();
    }
    TInterfaceWorld w;
};

TEST_F(Commands, RunMethodFindsHandlersIgnoringCase) {
    w.Count("BPlayWStartDialogMouseUp");
    Run("RunMethod bplaywstartdialogmouseup");
    Run("RunMethod NoSuchMethod");
    EXPECT_EQ(w.Calls["BPlayWStartDialogMouseUp"], 1);
    EXPECT_TRUE(w.Engine.CommandQueue.empty());
}

TEST_F(Commands, WindowCommands) {
    Run("ShowModal WMenu");
    EXPECT_EQ(w.Engine.TopWindow()->Name, "WMenu");
    Run("HideModal WMenu");
    EXPECT_EQ(w.Engine.TopWindow()->Name, "WGame");
    Run("ChangeModal WMenu and more");
    ASSERT_EQ(w.Engine.ModalStack.size(), 1u);
    EXPECT_EQ(w.Engine.TopWindow()->Name, "WMenu");
}

TEST_F(Commands, SetPropTakesEverythingAfterTheThirdBlank) {
    Run("SetProp LScoreCountWGame Caption 12 500");
    EXPECT_EQ(w.Get<TVexLabel>("LScoreCountWGame").Caption, "12 500");
    Run("SetProp LScoreCountWGame Caption ");
    EXPECT_EQ(w.Get<TVexLabel>("LScoreCountWGame").Caption, "");
}

TEST_F(Commands, AddIntegerAddsAndRefusesNonNumbers) {
    Run("AddInteger LScoreCountWGame Tag 5");
    EXPECT_EQ(w.Get("LScoreCountWGame").Tag, 15);
    Run("AddInteger LScoreCountWGame Tag -20");
    EXPECT_EQ(w.Get("LScoreCountWGame").Tag, -5);
    Run("SetProp LScoreCountWGame Caption abc");
    EXPECT_THROW(Run("AddInteger LScoreCountWGame Caption 5"), GameError);
    EXPECT_THROW(Run("AddInteger LScoreCountWGame Tag x"), GameError);
    EXPECT_THROW(Run("SetProp LScoreCountWGame NoSuch 1"), GameError);
    EXPECT_TRUE(w.Engine.CommandQueue.empty()); // nothing stale after a failure
}

TEST_F(Commands, MissingObjectsDoNothingButAreLogged) {
    Run("SetProp LGone Caption x");
    Run("AddInteger LGone Tag 1");
    ASSERT_EQ(w.Log.Lines.size(), 2u);
    EXPECT_NE(w.Log.Lines[0].find("\"LGone\""), std::string::npos);
}

TEST_F(Commands, EventsQueueCommandsInOrderAndRunAfterTheBroadcast) {
    std::vector<std::string> order;
    w.Methods.RegisterMethod(
        "First", [&] { order.push_back("First:" + w.Get<TVexLabel>("LScoreCountWGame").Caption); });
    w.Methods.RegisterMethod("Second", [&] { order.push_back("Second"); });
    auto& label = w.Get<TVexLabel>("LScoreCountWGame");
    SetPropValue(label, "OnMouseUp", "SetProp LScoreCountWGame Caption 7");
    SetPropValue(label, "OnMouseUp", "RunMethod First");
    SetPropValue(label, "OnMouseUp", "RunMethod Second");
    SetPropValue(label, "OnKeyDown", "RunMethod First");
    SetPropValue(label, "OnKeyDown", "RunMethod Second");
    w.Click(50, 10);
    EXPECT_EQ(order, (std::vector<std::string>{"First:7", "Second"}));
    // Key-down fires the first command only; labels themselves do not fire it.
    label.FireEvent(TVexEventKind::KeyDown);
    ASSERT_EQ(w.Engine.CommandQueue.size(), 1u);
    EXPECT_EQ(w.Engine.CommandQueue[0].Command, "RunMethod First");
}

} // namespace
