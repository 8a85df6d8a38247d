#pragma once
#include "interface/VexLabel.h"

// A check box: a release inside toggles it; picture field 1 unchecked, 2 checked.
class TVexCheckBox : public TVexLabel {
    VEX_CLASS(TVexCheckBox)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void MouseUp(int button, int x, int y) override;
    void SetChecked(bool value);

    bool Checked = false;
};
