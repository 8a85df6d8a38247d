#include "interface/VexCheckBox.h"
#include "interface/VexInterfaceEngine.h"
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"

namespace {
TVexCheckBox* Box(TMainForm& form, const std::string& name) {
    return dynamic_cast<TVexCheckBox*>(form.Interface().FindInterfaceObject(name));
}
} // namespace

bool TFormOptionsHost::IsChecked(const std::string& name) {
    const TVexCheckBox* box = Box(form_, name);
    return box && box->Checked;
}

void TFormOptionsHost::SetChecked(const std::string& name, bool checked) {
    form_.SetChecked(name, checked);
}

void TFormOptionsHost::SelectRadio(const std::string& name) {
    session_.Widgets().SelectRadio(name);
}

void TFormOptionsHost::SaveSettings() {
    form_.SaveSettings();
}

TGameSettings TFormOptionsHost::LoadSettings() {
    return LoadOptions(form_.UserPath("options.cfg"));
}

bool TFormOptionsHost::ReopenDisplay() {
    return form_.ReopenDisplay();
}

bool TFormOptionsHost::SwitchDisplayMode() {
    return form_.SwitchDisplayMode();
}
