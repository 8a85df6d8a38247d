#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "interface/VexInterfaceObject.h"

// One cell of a grid: its picture and text with their placement, taken from its column.
struct TVexGridCell {
    std::string Picture, PicHAlign, PicVAlign;
    int32_t PShiftX = 0, PShiftY = 0;
    std::string Text, Font, CharSet;
    int32_t Color = 0;
    std::string Alignment, Layout;
    int32_t TShiftX = 0, TShiftY = 0;
    int32_t Width = 0;
};

// A scrolling table with per-column formatting, an optional header row (FixedRows), a cursor
// bar (picture field 2) and keyboard navigation; the load, save and score lists.
class TVexGrid : public TVexInterfaceObject {
    VEX_CLASS(TVexGrid)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void Paint() override;
    void MouseDown(int button, int x, int y) override;
    void KeyDown(int key, unsigned shift) override;

    // "(R:1;C:1;Text:Name;R:1;C:2;Text:Score)": rows and columns from 1, given in order.
    void SetCells(const std::string& value);
    // One cell's text, growing the grid as a cell command would; the text may hold the
    // characters a cell command cannot (";", ":", ")"), as save and player names can.
    void SetCellText(int32_t row, int32_t col, const std::string& text);
    // The text of the cell at index i of the cell array, "" when there is none.
    std::string CellText(int32_t i) const;
    void SetFirstRowNum(int32_t n);
    // Removes data row n (from 1 as the cells count rows, all its cells); nothing for 0.
    void DeleteRow(int32_t n);
    void ApplyColumnDefaults();

    // The k-th (from 1) element of a ";"-list.
    static std::string ListItem(const std::string& list, int k);

    int32_t ColCount = 0, RowCount = 0, VisibleRowCount = 0, RowHeight = 0;
    int32_t CursorColor = 0;
    std::string ColWidth;
    int32_t GShiftX = 0, GShiftY = 0;
    std::string ColAlignment, ColLayout;
    bool FixedRows = false;
    std::string FixedFont, FixedCharSet;
    int32_t FixedColor = 0;
    int32_t DivisorHeight = 0;
    std::string ColPicHAlign, ColPicVAlign, ColPShiftX, ColPShiftY, ColTShiftX, ColTShiftY;
    std::string ColFont, ColCharSet, ColColor;
    int32_t ColorOnMMove = 0;
    std::string Cells;
    int32_t FirstRowNum = 0;

    std::vector<TVexGridCell> CellArray;
    int32_t CursorRow = 0;
    int32_t FirstCell = 0;
    bool GridFocused = false;

  private:
    struct TCellEntry {
        std::string Key;
        int32_t Row = 0, Col = 0;
        std::string Value;
    };
    std::vector<TCellEntry> ParseCellCommands(const std::string& value);
    void PaintCell(const TVexGridCell& cell, int column, int row, bool header);
    int ColumnX(int column) const;
    int TextWidthIn(const TVexGridCell& cell, const std::string& text) const;
    int FontHeight(const std::string& font) const;
};
