#include "interface/VexEdit.h"

#include <algorithm>

#include "interface/VexFont.h"
#include "interface/VexGraphic.h"
#include "interface/VexGrid.h"
#include "interface/VexInterfaceEngine.h"
#include "platform/VirtualKeys.h"

const TVexPropList& TVexEdit::StaticProperties() {
    using C = TVexEdit;
    static const TVexPropList list = TVexPropBuilder<C>(TVexLabel::StaticProperties())
                                         .Bool("ReadOnly", &C::ReadOnly)
                                         .Int("MaxLength", &C::MaxLength)
                                         .Int("MaxWidth", &C::MaxWidth)
                                         .Build();
    return list;
}

void TVexEdit::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                    int32_t tag, const std::string& name) {
    TVexLabel::Init(parent, parentName, owner, tag, name);
    Alignment = TTextAlignment::taLeft;
    Layout = TTextLayout::tlCenter;
    SetTShiftX(5);
    SetTShiftY(0);
    MaxLength = 19;
    MaxWidth = 200;
}

size_t TVexEdit::ClampedCursor() const {
    if (CursorPos < 0) return 0;
    return std::min(static_cast<size_t>(CursorPos), Caption.size());
}

int TVexEdit::AdvanceOf(size_t n) const {
    return TextWidth(Caption.substr(0, n));
}

void TVexEdit::MouseDown(int, int x, int y) {
    if (ReadOnly || !CanReact() || !HitTest(x, y)) return;
    if (!Caption.empty()) {
        int s = TShiftX;
        CursorPos = static_cast<int>(Caption.size());
        for (size_t i = 0; i < Caption.size(); ++i) {
            const int advance = TextWidth(Caption.substr(i, 1));
            if (x - OriginLeft < s + advance) {
                CursorPos = static_cast<int>(i);
                break;
            }
            s += advance;
        }
    }
    if (Engine) {
        for (auto& o : Engine->FVexObjects) {
            if (auto* edit = dynamic_cast<TVexEdit*>(o.get());
                edit && edit->ClassName() == StaticClassName)
                edit->Focused = false;
            if (auto* grid = dynamic_cast<TVexGrid*>(o.get())) grid->GridFocused = false;
        }
    }
    Focused = true;
}

void TVexEdit::KeyPress(unsigned char ch) {
    if (ReadOnly || !Focused || ch <= 31) return;
    const size_t pos = ClampedCursor();
    std::string next = Caption;
    next.insert(pos, 1, static_cast<char>(ch));
    if (static_cast<int>(Caption.size()) >= MaxLength || TextWidth(next) >= MaxWidth) return;
    Caption = next;
    // The cursor moves only with an inserted character, so it never passes the text's end.
    CursorPos = static_cast<int>(pos) + 1;
}

void TVexEdit::KeyDown(int key, unsigned) {
    if (ReadOnly || !Focused) return;
    const size_t pos = ClampedCursor();
    const int length = static_cast<int>(Caption.size());
    switch (key) {
    case vk::Back:
        if (pos >= 1) {
            Caption.erase(pos - 1, 1);
            CursorPos = static_cast<int>(pos) - 1;
        }
        break;
    case vk::End:
        CursorPos = length;
        break;
    case vk::Home:
        CursorPos = 0;
        break;
    case vk::Left:
        if (pos >= 1) CursorPos = static_cast<int>(pos) - 1;
        break;
    case vk::Right:
        if (static_cast<int>(pos) < length) CursorPos = static_cast<int>(pos) + 1;
        break;
    case vk::Delete:
        if (static_cast<int>(pos) < length) Caption.erase(pos, 1);
        break;
    default:
        break;
    }
}

void TVexEdit::Paint() {
    TVexLabel::Paint();
    if (!Focused) return;
    IVexGraphic* g = Graphic();
    const TVexFont* font = FindFont(Font);
    const std::string cursor = PictureField(Picture, 2);
    if (!g || cursor.empty()) return;
    const int fontHeight = font ? font->Height : 0;
    g->Draw(cursor, OriginLeft + TShiftX + AdvanceOf(ClampedCursor()) - 2,
            OriginTop + (Height - fontHeight) / 2 + TShiftY);
}
