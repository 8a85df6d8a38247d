#include <gtest/gtest.h>

#include "archive/GameError.h"
#include "main/shell/EventScript.h"
#include "platform/VirtualKeys.h"

namespace {

TEST(EventScript, KeysByNameOrCode) {
    EXPECT_EQ(KeyCodeByName("Escape"), vk::Escape);
    EXPECT_EQ(KeyCodeByName("enter"), vk::Return);
    EXPECT_EQ(KeyCodeByName("F12"), vk::F12);
    EXPECT_EQ(KeyCodeByName("7"), vk::Key0 + 7);
    EXPECT_EQ(KeyCodeByName("q"), vk::KeyA + 16);
    EXPECT_EQ(KeyCodeByName("46"), 46); // two digits and more are a code
    EXPECT_EQ(KeyCodeByName("F13"), -1);
    EXPECT_EQ(KeyCodeByName("Hyper"), -1);
    EXPECT_EQ(KeyCodeByName("300"), -1);
}

TEST(EventScript, LinesBecomeTimedEventsInOrderWithHeldModifiers) {
    const auto events = ParseEventScript("# a session\n"
                                         "500 ldown 10 20\n"
                                         "100 move 3 4   # first\n"
                                         "\n"
                                         "600 keydown Shift\n"
                                         "700 rdown 5 6\n"
                                         "800 key Space\n"
                                         "900 keyup Shift\n"
                                         "950 key A\n"
                                         "990 text hi\n"
                                         "995 call BPlayWStartDialogMouseUp\n"
                                         "999 quit\n");
    ASSERT_EQ(events.size(), 13u);
    EXPECT_EQ(events[0].Time, 100u);
    EXPECT_EQ(events[0].Event.Type, EventType::MouseMove);
    EXPECT_EQ(events[0].Event.X, 3);
    EXPECT_EQ(events[1].Event.Type, EventType::MouseDown);
    EXPECT_EQ(events[1].Event.Shift, shiftstate::Left);
    EXPECT_EQ(events[3].Event.Button, MouseButton::Right);
    EXPECT_EQ(events[3].Event.Shift, shiftstate::Shift | shiftstate::Right);
    EXPECT_EQ(events[4].Event.Type, EventType::KeyDown); // key: down, then up
    EXPECT_EQ(events[5].Event.Type, EventType::KeyUp);
    EXPECT_EQ(events[4].Event.Shift, shiftstate::Shift);
    EXPECT_EQ(events[7].Event.Shift, 0u); // released
    EXPECT_EQ(events[9].Event.Type, EventType::Char);
    EXPECT_EQ(events[9].Event.Char, 'h');
    EXPECT_EQ(events[10].Event.Char, 'i');
    EXPECT_EQ(events[11].Method, "BPlayWStartDialogMouseUp");
    EXPECT_TRUE(events[10].Method.empty());
    EXPECT_EQ(events[12].Event.Type, EventType::Quit);
}

TEST(EventScript, AMalformedLineNamesItsNumber) {
    auto message = [](const std::string& text) {
        try {
            ParseEventScript(text);
        } catch (const GameError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("10 move 1 2\n20 jump 1\n"), "events line 2: unknown verb 'jump'");
    EXPECT_EQ(message("x move 1 2\n"), "events line 1: bad time 'x'");
    EXPECT_EQ(message("10 move 1\n"), "events line 1: expected Y");
    EXPECT_EQ(message("10 key Hyper\n"), "events line 1: unknown key 'Hyper'");
    EXPECT_EQ(message("-5 quit\n"), "events line 1: bad time '-5'");
    EXPECT_EQ(message("5 call\n"), "events line 1: missing handler name");
}

} // namespace
