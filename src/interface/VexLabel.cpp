#include "interface/VexLabel.h"

#include "archive/SFunctions.h"
#include "interface/VexFont.h"
#include "interface/VexGraphic.h"
#include "interface/VexInterfaceEngine.h"

const TVexPropList& TVexLabel::StaticProperties() {
    using C = TVexLabel;
    static const TVexPropList list =
        TVexPropBuilder<C>(TVexInterfaceObject::StaticProperties())
            .Str("Font", &C::Font)
            .Str("CharSet", &C::CharSet, &C::SetCharSet)
            .Str("Caption", &C::Caption, &C::SetCaption)
            .Colour("Color", &C::Color, &C::SetColor)
            .Colour("ColorOnMMove", &C::ColorOnMMove)
            .Enum("Alignment", &C::Alignment, {"taLeft", "taCenter", "taRight", "taJustify"},
                  &C::SetAlignment)
            .Enum("Layout", &C::Layout, {"tlTop", "tlCenter", "tlBottom"}, &C::SetLayout)
            .Int("TShiftX", &C::TShiftX, &C::SetTShiftX)
            .Int("TShiftY", &C::TShiftY, &C::SetTShiftY)
            .Int("DShiftX", &C::DShiftX, &C::SetDShiftX)
            .Int("DShiftY", &C::DShiftY, &C::SetDShiftY)
            .Build();
    return list;
}

void TVexLabel::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                     int32_t tag, const std::string& name) {
    TVexInterfaceObject::Init(parent, parentName, owner, tag, name);
    const TVexFont* first = Engine && Engine->Fonts ? Engine->Fonts->FirstFont() : nullptr;
    Font = first ? first->Name : "";
    CharSet = first && !first->CharSets.empty() ? first->CharSets[0].Name : "";
    Caption = Name;
    SetColor(0xFFFFFF);
    ColorOnMMove = 0x0000FF;
    Alignment = TTextAlignment::taLeft;
    Layout = TTextLayout::tlCenter;
    DShiftX = DShiftY = 0;
    SetTShiftX(0);
    SetTShiftY(0);
    Height = first ? first->Height : 0;
    Width = TextWidth(Caption);
}

void TVexLabel::ForEachLabel(const std::function<void(TVexLabel&)>& f) {
    if (!Engine) return;
    for (auto& o : Engine->FVexObjects)
        if (auto* label = dynamic_cast<TVexLabel*>(o.get())) f(*label);
}

int TVexLabel::TextWidth(const std::string& text) const {
    const TVexFont* font = FindFont(Font);
    return font ? font->TextWidth(CharSet, text) : 0;
}

void TVexLabel::ReapplyAlignments() {
    SetHAlign(HAlign);
    SetVAlign(VAlign);
}

void TVexLabel::AutosizeToCaption() {
    if (Autosize) Width = TextWidth(Caption) + TShiftX;
    ReapplyAlignments();
}

void TVexLabel::SetCaption(const std::string& value) {
    Caption = value;
    AutosizeToCaption();
}

void TVexLabel::SetCharSet(const std::string& value) {
    CharSet = value;
    AutosizeToCaption();
}

void TVexLabel::SetAlignment(TTextAlignment value) {
    Alignment = value;
    ReapplyAlignments();
}

void TVexLabel::SetLayout(TTextLayout value) {
    Layout = value;
    ReapplyAlignments();
}

void TVexLabel::SetColor(int32_t value) {
    Color = value;
    CurrentColor = value;
}

void TVexLabel::SetTShiftX(int32_t value) {
    TShiftX = value;
    NormalShift.X = TShiftX;
    PressedShift.X = TShiftX + DShiftX;
}

void TVexLabel::SetTShiftY(int32_t value) {
    TShiftY = value;
    NormalShift.Y = TShiftY;
    PressedShift.Y = TShiftY + DShiftY;
}

void TVexLabel::SetDShiftX(int32_t value) {
    DShiftX = value;
    SetTShiftX(TShiftX);
}

void TVexLabel::SetDShiftY(int32_t value) {
    DShiftY = value;
    SetTShiftY(TShiftY);
}

void TVexLabel::UseNormalShift() {
    TShiftX = NormalShift.X;
    TShiftY = NormalShift.Y;
}

void TVexLabel::UsePressedShift() {
    TShiftX = PressedShift.X;
    TShiftY = PressedShift.Y;
}

std::vector<std::string> TVexLabel::WrapCaption() const {
    std::vector<std::string> lines{""};
    auto place = [&](const std::string& word) {
        std::string& last = lines.back();
        // On an empty line a too-wide word stays where it is: no empty line before it.
        if (!last.empty() && TextWidth(last + word) > Width) {
            last = Trim(last);
            lines.push_back(word);
        } else {
            last += word;
        }
    };
    std::string word;
    for (char ch : Caption) {
        if (ch == '\r' || ch == '\n') continue;
        word += ch;
        if (ch == ' ') {
            place(word);
            word.clear();
        }
    }
    if (!word.empty()) place(word);
    return lines;
}

void TVexLabel::DrawCaption() {
    IVexGraphic* g = Graphic();
    const TVexFont* font = FindFont(Font);
    if (!g || !font) return;
    const int h = font->Height;
    const std::vector<std::string> lines = WrapCaption();
    const int n = static_cast<int>(lines.size());
    for (int i = 0; i < n; ++i) {
        const int w = TextWidth(lines[i]);
        int x = TShiftX;
        if (Alignment == TTextAlignment::taCenter || Alignment == TTextAlignment::taJustify)
            x = (Width - w) / 2 + TShiftX;
        else if (Alignment == TTextAlignment::taRight)
            x = Width + TShiftX - w;
        int y = i * h + TShiftY;
        if (Layout == TTextLayout::tlCenter)
            y = (Height - n * h) / 2 + TShiftY + i * h;
        else if (Layout == TTextLayout::tlBottom)
            y = Height + TShiftY + h * (i - n);
        g->DrawText(x + OriginLeft, y + OriginTop, lines[i], 0, 0,
                    static_cast<uint32_t>(CurrentColor), CharSet, Font, Name);
    }
}

void TVexLabel::Paint() {
    DrawCurrentPicture();
    DrawCaption();
}

void TVexLabel::MouseMove(int x, int y) {
    if (!CanReact()) return;
    if (!HitTest(x, y)) {
        CurrentColor = Color;
        if (Pressed && Hovered) {
            Hovered = false;
            UseNormalShift();
        }
        return;
    }
    CurrentColor = ColorOnMMove;
    ForEachLabel([](TVexLabel& l) { l.Hovered = false; });
    Hovered = true;
    if (Pressed) UsePressedShift();
}

void TVexLabel::MouseDown(int, int x, int y) {
    if (!CanReact()) return;
    if (!HitTest(x, y)) {
        Pressed = false;
        return;
    }
    ForEachLabel([](TVexLabel& l) { l.Pressed = false; });
    PlaySoundNamed(SoundOnMDown);
    FireEvent(TVexEventKind::MouseDown);
    Pressed = true;
    UsePressedShift();
    if (Engine) Engine->MouseHeld = true;
}

void TVexLabel::MouseUp(int, int x, int y) {
    if (!CanReact()) return;
    if (!HitTest(x, y)) {
        Pressed = false;
        return;
    }
    if (!(Hovered && Pressed)) return; // pressed elsewhere and dragged in: no click
    Pressed = false;
    UseNormalShift();
    if (Engine) Engine->MouseHeld = false;
    FireEvent(TVexEventKind::MouseUp);
}
