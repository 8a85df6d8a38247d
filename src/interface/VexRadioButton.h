#pragma once
#include "interface/VexLabel.h"

// A radio button: a release inside checks it; a release on another button of the same
// RadioGroup unchecks it. Picture field 1 unchecked, 2 checked.
class TVexRadioButton : public TVexLabel {
    VEX_CLASS(TVexRadioButton)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void Paint() override;
    void MouseUp(int button, int x, int y) override;
    void SetChecked(bool value);

    int32_t ColorOnChecked = 0;
    bool Checked = false;
    int32_t RadioGroup = 0;
};
