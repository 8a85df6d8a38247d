#include "interface/VexButton.h"

#include "interface/VexInterfaceEngine.h"

const TVexPropList& TVexButton::StaticProperties() {
    static const TVexPropList list =
        TVexPropBuilder<TVexButton>(TVexLabel::StaticProperties()).Build();
    return list;
}

void TVexButton::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                      int32_t tag, const std::string& name) {
    TVexLabel::Init(parent, parentName, owner, tag, name);
    Alignment = TTextAlignment::taCenter;
    Layout = TTextLayout::tlCenter;
    DShiftX = 1;
    DShiftY = 1;
    SetTShiftX(-2);
    SetTShiftY(-4);
    SoundOnMDown = "Click.wav";
}

void TVexButton::MouseMove(int x, int y) {
    TVexLabel::MouseMove(x, y);
    if (!CanReact()) return;
    if (!HitTest(x, y)) {
        SelectPictureField(1);
        UseNormalShift();
    } else if (Engine && Engine->MouseHeld && Pressed) {
        SelectPictureField(3);
        UsePressedShift();
    } else {
        SelectPictureField(2);
        UseNormalShift();
    }
}

void TVexButton::MouseDown(int button, int x, int y) {
    TVexLabel::MouseDown(button, x, y);
    if (CanReact() && HitTest(x, y)) SelectPictureField(3);
}

void TVexButton::MouseUp(int button, int x, int y) {
    TVexLabel::MouseUp(button, x, y);
    if (CanReact() && HitTest(x, y)) SelectPictureField(2);
}

void TVexButton::SetCaption(const std::string& value) {
    if (value.empty()) return;
    Caption = value;
    ReapplyAlignments();
}

void TVexButton::SetCharSet(const std::string& value) {
    if (value.empty()) return;
    CharSet = value;
    ReapplyAlignments();
}

void TVexButton::ResetLook() {
    SetPicture(Picture);
    CurrentColor = Color;
}
