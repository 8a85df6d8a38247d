#include "interface/VexCheckBox.h"

#include "interface/VexInterfaceEngine.h"

const TVexPropList& TVexCheckBox::StaticProperties() {
    static const TVexPropList list =
        TVexPropBuilder<TVexCheckBox>(TVexLabel::StaticProperties())
            .Bool("Checked", &TVexCheckBox::Checked, &TVexCheckBox::SetChecked)
            .Build();
    return list;
}

void TVexCheckBox::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                        int32_t tag, const std::string& name) {
    TVexLabel::Init(parent, parentName, owner, tag, name);
    Alignment = TTextAlignment::taLeft;
    Layout = TTextLayout::tlCenter;
    SetTShiftX(0);
    SetTShiftY(0);
    SoundOnMDown = "Click.wav";
}

void TVexCheckBox::SetChecked(bool value) {
    Checked = value;
    SelectPictureField(value ? 2 : 1);
}

void TVexCheckBox::MouseUp(int, int x, int y) {
    if (!CanReact()) return;
    if (!HitTest(x, y)) {
        Pressed = false;
        return;
    }
    SetChecked(!Checked);
    // The toggle fires no event; the press it ends is over.
    Pressed = false;
    UseNormalShift();
    if (Engine) Engine->MouseHeld = false;
}
