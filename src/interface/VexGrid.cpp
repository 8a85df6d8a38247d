#include "interface/VexGrid.h"

#include <algorithm>

#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "interface/VexEdit.h"
#include "interface/VexFont.h"
#include "interface/VexGraphic.h"
#include "interface/VexInterfaceEngine.h"
#include "platform/VirtualKeys.h"

namespace {

// A grid lists saved games or scores. 10,000 cells (about 3 MB) is far beyond any list the game
// fills; the bound keeps an interface file from asking for gigabytes.
constexpr int32_t MaxCells = 10000;

} // namespace

const TVexPropList& TVexGrid::StaticProperties() {
    using C = TVexGrid;
    static const TVexPropList list = TVexPropBuilder<C>(TVexInterfaceObject::StaticProperties())
                                         .IntIn("ColCount", &C::ColCount, 0, MaxCells)
                                         .IntIn("RowCount", &C::RowCount, 0, MaxCells)
                                         .IntIn("VisibleRowCount", &C::VisibleRowCount, 0, MaxCells)
                                         .Int("RowHeight", &C::RowHeight)
                                         .Colour("CursorColor", &C::CursorColor)
                                         .Str("ColWidth", &C::ColWidth)
                                         .Int("GShiftX", &C::GShiftX)
                                         .Int("GShiftY", &C::GShiftY)
                                         .Str("ColAlignment", &C::ColAlignment)
                                         .Str("ColLayout", &C::ColLayout)
                                         .Bool("FixedRows", &C::FixedRows)
                                         .Str("FixedFont", &C::FixedFont)
                                         .Str("FixedCharSet", &C::FixedCharSet)
                                         .Colour("FixedColor", &C::FixedColor)
                                         .Int("DivisorHeight", &C::DivisorHeight)
                                         .Str("ColPicHAlign", &C::ColPicHAlign)
                                         .Str("ColPicVAlign", &C::ColPicVAlign)
                                         .Str("ColPShiftX", &C::ColPShiftX)
                                         .Str("ColPShiftY", &C::ColPShiftY)
                                         .Str("ColTShiftX", &C::ColTShiftX)
                                         .Str("ColTShiftY", &C::ColTShiftY)
                                         .Str("ColFont", &C::ColFont)
                                         .Str("ColCharSet", &C::ColCharSet)
                                         .Str("ColColor", &C::ColColor)
                                         .Colour("ColorOnMMove", &C::ColorOnMMove)
                                         .Str("Cells", &C::Cells, &C::SetCells)
                                         .Int("FirstRowNum", &C::FirstRowNum, &C::SetFirstRowNum)
                                         .Build();
    return list;
}

void TVexGrid::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                    int32_t tag, const std::string& name) {
    TVexInterfaceObject::Init(parent, parentName, owner, tag, name);
    ColCount = 3;
    RowCount = 1;
    VisibleRowCount = 1;
    RowHeight = 20;
    CursorColor = 0;
    ColWidth = "60;60;60";
    GShiftX = GShiftY = 0;
    ColAlignment = "taRight;taLeft;taLeft";
    ColLayout = "tlCenter;tlCenter;tlCenter";
    FixedRows = false;
    FixedFont = "Arial12";
    FixedCharSet = "EASTEUROPE";
    FixedColor = 0;
    DivisorHeight = 20;
    ColPicHAlign = "haLeft;haLeft;haLeft";
    ColPicVAlign = "vaCenter;vaCenter;vaCenter";
    ColPShiftX = ColPShiftY = "0;0;0";
    ColTShiftX = "-10;10;10";
    ColTShiftY = "0;0;0";
    ColFont = "Arial12;Arial12;Arial12";
    ColCharSet = "EASTEUROPE;EASTEUROPE;EASTEUROPE";
    ColColor = "0;0;0";
    ColorOnMMove = 0;
    Cells.clear();
    FirstRowNum = 0;
    Width = 180;
    Height = 220;
    CursorRow = 0;
    FirstCell = 0;
}

std::string TVexGrid::ListItem(const std::string& list, int k) {
    return PictureField(list, k);
}

// Rows and columns are given in order: a new number may raise the count by one only.
std::vector<TVexGrid::TCellEntry> TVexGrid::ParseCellCommands(const std::string& value) {
    std::vector<TCellEntry> entries;
    std::string token, key;
    for (size_t i = 1; i < value.size(); ++i) {
        const char ch = value[i];
        if (token == ":" || token == ";") token.clear();
        if (ch == ':') {
            if (token == "R") {
                entries.emplace_back();
                key = "R";
            } else if (token == "C") {
                key = "C";
            } else {
                if (!entries.empty()) entries.back().Key = token;
                key.clear();
            }
            token.clear();
        } else if (ch == ';' || ch == ')') {
            if (!entries.empty()) {
                TCellEntry& e = entries.back();
                if (key == "R") {
                    e.Row = StrToIntVal(token);
                    if (e.Row > RowCount) ++RowCount;
                } else if (key == "C") {
                    e.Col = StrToIntVal(token);
                    if (e.Col > ColCount) ++ColCount;
                } else {
                    e.Value = token;
                }
            }
            token.clear();
        }
        token += ch;
    }
    return entries;
}

void TVexGrid::SetCells(const std::string& value) {
    Cells = value;
    const std::vector<TCellEntry> entries = ParseCellCommands(value);
    if (RowCount <= 0 || ColCount <= 0) return;
    if (int64_t{RowCount} * ColCount > MaxCells)
        throw GameError("[TVexGrid.SetCells] Grid \"" + Name + "\" would have " +
                        std::to_string(RowCount) + " rows of " + std::to_string(ColCount) +
                        " cells, more than the " + std::to_string(MaxCells) +
                        " cells a grid holds.");
    VisibleRowCount = RowCount < 12 ? RowCount : 11;
    CellArray.resize(static_cast<size_t>(RowCount) * ColCount);
    ApplyColumnDefaults();
    for (const TCellEntry& e : entries) {
        // Numbers that skip ahead of the count name no cell.
        if (e.Key != "Text" || e.Row < 1 || e.Row > RowCount || e.Col < 1 || e.Col > ColCount)
            continue;
        CellArray[static_cast<size_t>(e.Row - 1) * ColCount + (e.Col - 1)].Text = e.Value;
    }
}

void TVexGrid::ApplyColumnDefaults() {
    if (ColCount <= 0) return;
    for (size_t i = 0; i < CellArray.size(); ++i) {
        const int k = static_cast<int>(i % ColCount) + 1;
        TVexGridCell& c = CellArray[i];
        c.Font = ListItem(ColFont, k);
        c.CharSet = ListItem(ColCharSet, k);
        c.Alignment = ListItem(ColAlignment, k);
        c.Layout = ListItem(ColLayout, k);
        c.TShiftX = StrToIntVal(ListItem(ColTShiftX, k));
        c.TShiftY = StrToIntVal(ListItem(ColTShiftY, k));
        c.PicHAlign = ListItem(ColPicHAlign, k);
        c.PicVAlign = ListItem(ColPicVAlign, k);
        c.PShiftX = StrToIntVal(ListItem(ColPShiftX, k));
        c.PShiftY = StrToIntVal(ListItem(ColPShiftY, k));
        c.Width = StrToIntVal(ListItem(ColWidth, k));
        c.Color = StrToIntVal(ListItem(ColColor, k));
    }
    if (!FixedRows) return;
    for (size_t i = 0; i < CellArray.size() && i < static_cast<size_t>(ColCount); ++i) {
        CellArray[i].Font = FixedFont;
        CellArray[i].CharSet = FixedCharSet;
        CellArray[i].Color = FixedColor;
    }
    CursorRow = 1;
}

void TVexGrid::SetFirstRowNum(int32_t n) {
    if (n < 0) {
        FirstRowNum = 0;
        FirstCell = 0;
        return;
    }
    if (n + VisibleRowCount > RowCount) n = RowCount - VisibleRowCount;
    if (n < 0) n = 0; // fewer rows than slots: nothing to scroll
    FirstRowNum = n;
    FirstCell = n * ColCount;
}

void TVexGrid::DeleteRow(int32_t n) {
    if (CellArray.empty() || n <= 0 || ColCount <= 0) return;
    const size_t first = static_cast<size_t>(n - 1) * ColCount;
    if (first >= CellArray.size()) return;
    const size_t last = std::min(CellArray.size(), first + ColCount);
    CellArray.erase(CellArray.begin() + first, CellArray.begin() + last);
    --RowCount;
    if (VisibleRowCount > RowCount) VisibleRowCount = RowCount;
    if (CursorRow > RowCount - 1) CursorRow = RowCount - 1;
    if (FirstRowNum + VisibleRowCount > RowCount) SetFirstRowNum(RowCount - VisibleRowCount);
    if (FirstRowNum < 0) SetFirstRowNum(0);
}

int TVexGrid::FontHeight(const std::string& font) const {
    const TVexFont* f = FindFont(font.empty() ? "Arial12" : font);
    return f ? f->Height : 0;
}

int TVexGrid::TextWidthIn(const TVexGridCell& cell, const std::string& text) const {
    const TVexFont* f = FindFont(cell.Font.empty() ? "Arial12" : cell.Font);
    return f ? f->TextWidth(cell.CharSet, text) : 0;
}

int TVexGrid::ColumnX(int column) const {
    int x = 0;
    for (int k = 1; k <= column; ++k)
        x += StrToIntVal(ListItem(ColWidth, k));
    return x;
}

void TVexGrid::PaintCell(const TVexGridCell& cell, int column, int row, bool header) {
    IVexGraphic* g = Graphic();
    const int divisor = FixedRows && !header ? DivisorHeight : 0;
    const int x0 = ColumnX(column) + GShiftX;
    const std::string picture = PictureField(cell.Picture, 1);
    if (!picture.empty()) {
        const TPoint size = g->PictureSize(picture);
        int y =
            row * RowHeight + RowHeight / 2 + GShiftY + (header ? 0 : cell.PShiftY) - size.Y / 2;
        if (!header && cell.PicVAlign == "vaTop")
            y = row * RowHeight + GShiftY + cell.PShiftY;
        else if (!header && cell.PicVAlign == "vaBottom")
            y = (row + 1) * RowHeight + GShiftY + cell.PShiftY - size.Y;
        int x = x0 + cell.PShiftX;
        if (cell.PicHAlign == "haCenter")
            x += cell.Width / 2 - size.X / 2;
        else if (cell.PicHAlign == "haRight")
            x += cell.Width - size.X;
        g->Draw(picture, OriginLeft + x, OriginTop + y + divisor);
    }
    const int h = FontHeight(cell.Font);
    int y = row * RowHeight + RowHeight / 2 + GShiftY - h / 2;
    if (!header) {
        if (cell.Layout == "tlTop")
            y = row * RowHeight + GShiftY + cell.TShiftY;
        else if (cell.Layout == "tlBottom")
            y = (row + 1) * RowHeight + GShiftY + cell.TShiftY - h;
        else
            y = row * RowHeight + RowHeight / 2 + GShiftY + cell.TShiftY - h / 2;
    }
    const int w = TextWidthIn(cell, cell.Text);
    int x = x0 + cell.TShiftX;
    if (cell.Alignment == "taCenter")
        x += cell.Width / 2 - w / 2;
    else if (cell.Alignment == "taRight")
        x += cell.Width - w;
    g->DrawText(OriginLeft + x, OriginTop + y + divisor, cell.Text, 0, 0,
                static_cast<uint32_t>(cell.Color), cell.CharSet,
                cell.Font.empty() ? "Arial12" : cell.Font, Name);
}

void TVexGrid::Paint() {
    DrawCurrentPicture();
    IVexGraphic* g = Graphic();
    if (!g || CellArray.empty() || ColCount <= 0) return;
    int s = 0;
    // The header is drawn whole (picture and text), like the data cells.
    if (FixedRows) {
        for (int c = 0; c < ColCount && c < static_cast<int>(CellArray.size()); ++c)
            PaintCell(CellArray[c], c, 0, true);
        s = ColCount;
    }
    const std::string bar = PictureField(Picture, 2);
    if (CursorRow >= 0 && !bar.empty()) {
        const int y = CursorRow * RowHeight + GShiftY + (FixedRows ? DivisorHeight : 0);
        if (GridFocused)
            g->Draw(bar, OriginLeft + GShiftX, OriginTop + y);
        else
            g->DrawColored(bar, static_cast<uint32_t>(CursorColor), OriginLeft + GShiftX,
                           OriginTop + y);
    }
    const int headerCells = s;
    int last = ColCount * VisibleRowCount + FirstCell - 1;
    if (last > ColCount * RowCount - 1) last -= ColCount;
    for (int i = FirstCell + headerCells; i <= last; ++i) {
        if (i < 0 || i >= static_cast<int>(CellArray.size())) continue;
        PaintCell(CellArray[i], s % ColCount, s / ColCount, false);
        ++s;
    }
}

void TVexGrid::MouseDown(int, int x, int y) {
    if (!CanReact() || !HitTest(x, y)) return;
    if (Engine) {
        for (auto& o : Engine->FVexObjects) {
            if (auto* edit = dynamic_cast<TVexEdit*>(o.get())) edit->Focused = false;
            if (auto* grid = dynamic_cast<TVexGrid*>(o.get())) grid->GridFocused = false;
        }
    }
    GridFocused = true;
    FireEvent(TVexEventKind::MouseDown);
    if (RowHeight <= 0) return;
    CursorRow = (y - OriginTop) / RowHeight;
    // Below the header the first slot is 1, whether the list is scrolled or not.
    if (FixedRows && --CursorRow < 1) CursorRow = 1;
    if (CursorRow > VisibleRowCount - 1) CursorRow = VisibleRowCount - 1;
}

void TVexGrid::KeyDown(int key, unsigned) {
    if (!GridFocused) return;
    const int top = FixedRows ? 1 : 0;
    switch (key) {
    case vk::End:
        // Through SetFirstRowNum, so FirstRowNum and FirstCell always agree on what is shown.
        SetFirstRowNum(RowCount - VisibleRowCount);
        CursorRow = VisibleRowCount - 1;
        break;
    case vk::Home:
        SetFirstRowNum(0);
        CursorRow = top;
        break;
    case vk::Up:
        if (FixedRows ? CursorRow >= 2 : CursorRow > 0) {
            --CursorRow;
        } else if (FirstCell >= ColCount && FirstCell > 0) {
            FirstCell -= ColCount;
            --FirstRowNum;
        }
        break;
    case vk::Down:
        if (++CursorRow > VisibleRowCount - 1) {
            CursorRow = VisibleRowCount - 1;
            if (FirstRowNum < RowCount - VisibleRowCount) SetFirstRowNum(FirstRowNum + 1);
        }
        break;
    default:
        break;
    }
    FireEvent(TVexEventKind::KeyDown);
}

void TVexGrid::SetCellText(int32_t row, int32_t col, const std::string& text) {
    if (row < 1 || col < 1) return;
    SetCells("(R:" + std::to_string(row) + ";C:" + std::to_string(col) + ";Text:)");
    if (row > RowCount || col > ColCount) return; // skipped ahead of the count
    CellArray[static_cast<size_t>(row - 1) * ColCount + (col - 1)].Text = text;
}

std::string TVexGrid::CellText(int32_t i) const {
    return i >= 0 && i < static_cast<int32_t>(CellArray.size()) ? CellArray[i].Text : std::string();
}
