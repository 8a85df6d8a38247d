#include "main/progress/InterfaceWidgets.h"

#include "interface/VexEdit.h"
#include "interface/VexGrid.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexLabel.h"
#include "interface/VexRadioButton.h"

namespace {
template <class T> T* Find(TVexInterfaceEngine& engine, const std::string& name) {
    return dynamic_cast<T*>(engine.FindVexObjectByName(name));
}
} // namespace

void TInterfaceWidgets::SetCaption(const std::string& label, const std::string& text) {
    if (auto* l = Find<TVexLabel>(engine_, label)) l->SetCaption(text);
}

void TInterfaceWidgets::SetColor(const std::string& label, int32_t colour) {
    if (auto* l = Find<TVexLabel>(engine_, label)) l->SetColor(colour);
}

void TInterfaceWidgets::SetVisible(const std::string& name, bool visible) {
    if (auto* o = Find<TVexInterfaceObject>(engine_, name)) o->SetVisible(visible);
}

void TInterfaceWidgets::SetFocused(const std::string& edit) {
    if (auto* e = Find<TVexEdit>(engine_, edit)) {
        e->Focused = true;
        // Typing goes on after what the field offers.
        e->CursorPos = static_cast<int>(e->Caption.size());
    }
}

TVexGrid* TInterfaceWidgets::Grid(const std::string& name) {
    return Find<TVexGrid>(engine_, name);
}

TVexEdit* TInterfaceWidgets::Edit(const std::string& name) {
    return Find<TVexEdit>(engine_, name);
}

void TInterfaceWidgets::SelectRadio(const std::string& name) {
    auto* chosen = Find<TVexRadioButton>(engine_, name);
    if (!chosen) return;
    for (const auto& object : engine_.FVexObjects) {
        auto* radio = dynamic_cast<TVexRadioButton*>(object.get());
        if (radio && radio->RadioGroup == chosen->RadioGroup) radio->SetChecked(false);
    }
    chosen->SetChecked(true);
}

void TInterfaceWidgets::ShowModal(const std::string& window) {
    engine_.ShowModal(window);
}
void TInterfaceWidgets::HideModal(const std::string& window) {
    engine_.HideModal(window);
}
void TInterfaceWidgets::ChangeModal(const std::string& window) {
    engine_.ChangeModal(window);
}

void TInterfaceWidgets::ShowPicture(const std::string& label, const std::string& image,
                                    TPoint size) {
    auto* o = Find<TVexInterfaceObject>(engine_, label);
    if (!o) return;
    o->SetPicture(image);
    o->Width = size.X;
    o->Height = size.Y;
    o->SetHAlign(THAlign::haCenter);
    o->SetVAlign(TVAlign::vaCenter);
    engine_.ComputeOrigins("VexScreen", 0, 0);
}
