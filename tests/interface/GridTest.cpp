// The grid: cell commands, scrolling, the cursor, painting and row deletion.
#include <gtest/gtest.h>

#include "InterfaceTestSupport.h"
#include "archive/GameError.h"
#include "interface/VexEdit.h"
#include "interface/VexGrid.h"
#include "platform/VirtualKeys.h"

using namespace vextest;

namespace {

std::string Rows(int n, int columns = 1) {
    std::string s;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= columns; ++c)
            s += ";R:" + std::to_string(r) + ";C:" + std::to_string(c) + ";Text:r" +
                 std::to_string(r) + "c" + std::to_string(c);
    return "(" + s.substr(1) + ")";
}

class Grid : public ::testing::Test {
  protected:
    void SetUp() override {
        w.Load(Li({Window("WLoad"),
                   Widget("TVexGrid", "WLoad", "GridWLoad", 100, 50, 300, 400,
                          {{"ColCount", "1"},
                           {"RowHeight", "20"},
                           {"ColWidth", "200"},
                           {"ColFont", "Arial12"},
                           {"ColCharSet", "EASTEUROPE"},
                           {"ColAlignment", "taLeft"},
                           {"ColLayout", "tlCenter"},
                           {"ColTShiftX", "0"},
                           {"ColTShiftY", "0"},
                           {"ColColor", "5"},
                           {"Picture", "gridback;bar"},
                           {"CursorColor", "77"},
                           {"OnKeyDown", "RunMethod GridWLoadKeyDown"}}),
                   Widget("TVexEdit", "WLoad", "EditWLoad", 100, 500, 100, 20)}));
        w.Count("GridWLoadKeyDown");
        w.Engine.ShowModal("WLoad");
    }
    TVexGrid& G() { return w.Get<TVexGrid>("GridWLoad"); }
    TInterfaceWorld w;
};

TEST_F(Grid, CellCommandsGrowRowsInOrder) {
    SetPropValue(G(), "Cells", "(R:1;C:1;Text:A;R:2;C:1;Text:B)");
    EXPECT_EQ(G().RowCount, 2);
    EXPECT_EQ(G().VisibleRowCount, 2);
    ASSERT_EQ(G().CellArray.size(), 2u);
    EXPECT_EQ(G().CellArray[0].Text, "A");
    EXPECT_EQ(G().CellArray[1].Text, "B");
    EXPECT_EQ(G().CellArray[1].Color, 5);
    EXPECT_EQ(G().CellArray[1].Width, 200);
    EXPECT_EQ(GetPropValue(G(), "Cells"), "(R:1;C:1;Text:A;R:2;C:1;Text:B)");
}

TEST_F(Grid, CellCommandsWithColumnsAndSkippedNumbers) {
    G().ColCount = 0;
    SetPropValue(G(), "Cells", "(R:1;C:1;Text:Name;R:1;C:2;Text:Score;R:5;C:1;Text:Far)");
    EXPECT_EQ(G().ColCount, 2);
    EXPECT_EQ(G().RowCount, 2); // grows by one per entry at most
    ASSERT_EQ(G().CellArray.size(), 4u);
    EXPECT_EQ(G().CellArray[1].Text, "Score");
    EXPECT_EQ(G().CellArray[2].Text, ""); // row 5 names no cell
}

TEST_F(Grid, VisibleRowsAreCappedAtEleven) {
    for (auto [rows, visible] : {std::pair{20, 11}, {11, 11}, {5, 5}}) {
        G().RowCount = 0;
        G().CellArray.clear();
        SetPropValue(G(), "Cells", Rows(rows));
        EXPECT_EQ(G().VisibleRowCount, visible) << rows;
    }
}

TEST_F(Grid, SetFirstRowNumStaysInRange) {
    SetPropValue(G(), "Cells", Rows(20));
    G().SetFirstRowNum(-3);
    EXPECT_EQ(G().FirstRowNum, 0);
    G().SetFirstRowNum(100);
    EXPECT_EQ(G().FirstRowNum, 9);
    EXPECT_EQ(G().FirstCell, 9);
}

TEST_F(Grid, DownScrollsUntilTheLastRowShowsAndKeysFireTheCommand) {
    SetPropValue(G(), "Cells", Rows(20));
    w.Engine.MouseDown(1, 150, 60);
    EXPECT_TRUE(G().GridFocused);
    EXPECT_EQ(G().CursorRow, 0);
    for (int i = 0; i < 10; ++i)
        w.Engine.KeyDown(vk::Down, 0);
    EXPECT_EQ(G().CursorRow, 10);
    EXPECT_EQ(G().FirstRowNum, 0);
    w.Engine.KeyDown(vk::Down, 0);
    EXPECT_EQ(G().FirstRowNum, 1);
    for (int i = 0; i < 20; ++i)
        w.Engine.KeyDown(vk::Down, 0);
    EXPECT_EQ(G().FirstRowNum, 9);
    EXPECT_EQ(G().CursorRow, 10);
    EXPECT_EQ(w.Calls["GridWLoadKeyDown"], 31);
    w.Engine.KeyDown(vk::Up, 0);
    EXPECT_EQ(G().CursorRow, 9);
    w.Engine.KeyDown(vk::Home, 0);
    EXPECT_EQ(G().FirstRowNum, 0);
    EXPECT_EQ(G().FirstCell, 0);
    EXPECT_EQ(G().CursorRow, 0);
    w.Engine.KeyDown(vk::Up, 0);
    EXPECT_EQ(G().FirstRowNum, 0);
    // End shows the last rows, and FirstRowNum says so: the selection is the last row.
    w.Engine.KeyDown(vk::End, 0);
    EXPECT_EQ(G().FirstRowNum, 9);
    EXPECT_EQ(G().FirstCell, 9);
    EXPECT_EQ(G().CursorRow, 10);
    w.Engine.KeyDown(vk::Down, 0);
    EXPECT_EQ(G().FirstRowNum + G().CursorRow, 19);
    for (int i = 0; i < 11; ++i)
        w.Engine.KeyDown(vk::Up, 0);
    EXPECT_EQ(G().FirstRowNum, 8);
    EXPECT_EQ(G().CursorRow, 0);
}

TEST_F(Grid, UnfocusedGridIgnoresKeysAndAClickTakesFocusFromEdits) {
    SetPropValue(G(), "Cells", Rows(5));
    w.Engine.KeyDown(vk::Down, 0);
    EXPECT_EQ(G().CursorRow, 0);
    EXPECT_EQ(w.Calls["GridWLoadKeyDown"], 0);
    w.Engine.MouseDown(1, 150, 500 + 10);
    EXPECT_TRUE(w.Get<TVexEdit>("EditWLoad").Focused);
    w.Engine.MouseDown(1, 150, 50 + 65);
    EXPECT_FALSE(w.Get<TVexEdit>("EditWLoad").Focused);
    EXPECT_EQ(G().CursorRow, 3);
    w.Engine.MouseDown(1, 150, 50 + 390); // below the last row
    EXPECT_EQ(G().CursorRow, 4);
}

TEST_F(Grid, PaintsVisibleRowsAndTheCursorBar) {
    SetPropValue(G(), "Cells", Rows(20));
    G().SetFirstRowNum(3);
    G().CursorRow = 2;
    G().Paint();
    const auto texts = w.Graphic.Of("DrawText");
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[0].Name, "r4c1");
    EXPECT_EQ(texts[0].X, 100);
    EXPECT_EQ(texts[0].Y, 50 + 10 - 10);
    EXPECT_EQ(texts[10].Name, "r14c1");
    EXPECT_EQ(texts[10].Y, 50 + 200);
    const auto bar = w.Graphic.Of("DrawColored");
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0].Colour, 77u);
    EXPECT_EQ(bar[0].Y, 50 + 40);
    G().GridFocused = true;
    w.Graphic.Calls.clear();
    G().Paint();
    EXPECT_EQ(w.Graphic.Of("DrawColored").size(), 0u);
    EXPECT_EQ(w.Graphic.Of("Draw").back().Name, "bar");
}

TEST_F(Grid, HeaderRowAndColumnPlacement) {
    G().ColCount = 2;
    G().ColWidth = "100;80";
    G().ColAlignment = "taLeft;taRight";
    G().ColLayout = "tlTop;tlBottom";
    G().ColTShiftX = "2;-3";
    G().ColTShiftY = "1;1";
    G().ColFont = "Arial12;Arial12";
    G().ColCharSet = "EASTEUROPE;EASTEUROPE";
    G().FixedRows = true;
    G().FixedFont = "Arial12";
    G().FixedCharSet = "EASTEUROPE";
    G().FixedColor = 9;
    G().DivisorHeight = 20;
    SetPropValue(G(), "Cells",
                 "(R:1;C:1;Text:Nm;R:1;C:2;Text:Pts;R:2;C:1;Text:ab;R:2;C:2;Text:12)");
    EXPECT_EQ(G().CursorRow, 1);
    G().Paint();
    const auto texts = w.Graphic.Of("DrawText");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].Name, "Nm");
    EXPECT_EQ(texts[0].Colour, 9u);
    EXPECT_EQ(texts[0].Y, 50 + 10 - 10); // header: centred, no divisor
    EXPECT_EQ(texts[1].X, 100 + 100 - 3 + 80 - 30);
    EXPECT_EQ(texts[2].Name, "ab");
    EXPECT_EQ(texts[2].X, 100 + 2);
    EXPECT_EQ(texts[2].Y, 50 + 20 + 1 + 20);      // tlTop in row 1, below the divisor
    EXPECT_EQ(texts[3].Y, 50 + 40 + 1 - 20 + 20); // tlBottom
    EXPECT_EQ(w.Graphic.Of("DrawColored")[0].Y, 50 + 20 + 20);
}

TEST_F(Grid, WithAHeaderHomeEndAndClicksKeepToDataSlots) {
    G().FixedRows = true;
    SetPropValue(G(), "Cells", Rows(20));
    w.Engine.MouseDown(1, 150, 50 + 5); // on the header: the first data slot
    EXPECT_EQ(G().CursorRow, 1);
    w.Engine.KeyDown(vk::End, 0);
    EXPECT_EQ(G().FirstRowNum, 9);
    EXPECT_EQ(G().CursorRow, 10); // the last slot Down can reach, not one below it
    w.Engine.KeyDown(vk::Home, 0);
    EXPECT_EQ(G().FirstRowNum, 0);
    EXPECT_EQ(G().FirstCell, 0); // the first data row shows again
    EXPECT_EQ(G().CursorRow, 1);
    w.Engine.KeyDown(vk::Up, 0);
    EXPECT_EQ(G().CursorRow, 1);
    G().SetFirstRowNum(5);
    w.Engine.MouseDown(1, 150, 50 + 65); // a scrolled list selects the slot clicked
    EXPECT_EQ(G().CursorRow, 2);
}

TEST_F(Grid, DeleteRowRemovesAWholeRow) {
    G().ColCount = 2;
    SetPropValue(G(), "Cells", Rows(3, 2));
    G().CursorRow = 2;
    G().DeleteRow(2);
    EXPECT_EQ(G().RowCount, 2);
    EXPECT_EQ(G().VisibleRowCount, 2);
    EXPECT_EQ(G().CursorRow, 1);
    ASSERT_EQ(G().CellArray.size(), 4u);
    EXPECT_EQ(G().CellArray[2].Text, "r3c1");
    EXPECT_EQ(G().CellArray[3].Text, "r3c2");
    G().DeleteRow(0);
    G().DeleteRow(9);
    EXPECT_EQ(G().RowCount, 2);
}

TEST_F(Grid, DeleteRowKeepsTheScrollInRange) {
    SetPropValue(G(), "Cells", Rows(20));
    G().SetFirstRowNum(9);
    G().DeleteRow(20);
    EXPECT_EQ(G().RowCount, 19);
    EXPECT_EQ(G().FirstRowNum, 8);
    EXPECT_EQ(G().FirstCell, 8);
}

// Sizes straight from the interface file used to be allocated as given: 100000 x 100000 threw
// at start-up and 5000 x 5000 asked for about 7 GB. Both are property errors now.
TEST(GridSize, HugeGridsFromTheFileAreRefused) {
    TInterfaceWorld huge;
    EXPECT_THROW(
        huge.Load(Li({Window("WLoad"), Widget("TVexGrid", "WLoad", "GridWLoad", 0, 0, 10, 10,
                                              {{"RowCount", "100000"},
                                               {"ColCount", "100000"},
                                               {"Cells", "(R:1;C:1;Text:A)"}})})),
        GameError);
    TInterfaceWorld big;
    try {
        big.Load(Li(
            {Window("WLoad"),
             Widget("TVexGrid", "WLoad", "GridWLoad", 0, 0, 10, 10,
                    {{"RowCount", "5000"}, {"ColCount", "5000"}, {"Cells", "(R:1;C:1;Text:A)"}})}));
        ADD_FAILURE() << "25 million cells were accepted";
    } catch (const GameError& e) {
        EXPECT_NE(std::string(e.what()).find("\"GridWLoad\""), std::string::npos) << e.what();
    }
    EXPECT_TRUE(big.Get<TVexGrid>("GridWLoad").CellArray.empty());
    TInterfaceWorld largest; // 100 rows of 100 columns still fit
    largest.Load(
        Li({Window("WLoad"),
            Widget("TVexGrid", "WLoad", "GridWLoad", 0, 0, 10, 10,
                   {{"RowCount", "100"}, {"ColCount", "100"}, {"Cells", "(R:1;C:1;Text:A)"}})}));
    EXPECT_EQ(largest.Get<TVexGrid>("GridWLoad").CellArray.size(), 10000u);
}

} // namespace
