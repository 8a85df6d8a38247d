#include "interface/VexRadioButton.h"

#include "interface/VexInterfaceEngine.h"

const TVexPropList& TVexRadioButton::StaticProperties() {
    using C = TVexRadioButton;
    static const TVexPropList list = TVexPropBuilder<C>(TVexLabel::StaticProperties())
                                         .Colour("ColorOnChecked", &C::ColorOnChecked)
                                         .Bool("Checked", &C::Checked, &C::SetChecked)
                                         .Int("RadioGroup", &C::RadioGroup)
                                         .Build();
    return list;
}

void TVexRadioButton::Init(TVexObject* parent, const std::string& parentName,
                           TVexMethodTable* owner, int32_t tag, const std::string& name) {
    TVexLabel::Init(parent, parentName, owner, tag, name);
    Alignment = TTextAlignment::taLeft;
    Layout = TTextLayout::tlCenter;
    SetTShiftX(0);
    SetTShiftY(0);
    SoundOnMDown = "Click.wav";
}

void TVexRadioButton::SetChecked(bool value) {
    Checked = value;
    SelectPictureField(value ? 2 : 1);
}

void TVexRadioButton::Paint() {
    if (Checked) CurrentColor = ColorOnChecked;
    TVexLabel::Paint();
}

void TVexRadioButton::MouseUp(int, int x, int y) {
    if (!CanReact()) return;
    if (HitTest(x, y)) {
        SetChecked(true);
        Pressed = false;
        UseNormalShift();
        if (Engine) Engine->MouseHeld = false;
        FireEvent(TVexEventKind::MouseUp);
        return;
    }
    Pressed = false;
    if (!Engine) return;
    for (auto& o : Engine->FVexObjects) {
        auto* other = dynamic_cast<TVexRadioButton*>(o.get());
        if (!other || other == this || other->ClassName() != StaticClassName) continue;
        if (other->RadioGroup == RadioGroup && other->HitTest(x, y)) {
            SetChecked(false);
            return;
        }
    }
}
