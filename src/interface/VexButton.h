#pragma once
#include "interface/VexLabel.h"

// A push button: picture field 1 normal, 2 under the pointer, 3 pressed.
class TVexButton : public TVexLabel {
    VEX_CLASS(TVexButton)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void MouseMove(int x, int y) override;
    void MouseDown(int button, int x, int y) override;
    void MouseUp(int button, int x, int y) override;
    // An empty value is ignored; a button never autosizes.
    void SetCaption(const std::string& value) override;
    void SetCharSet(const std::string& value) override;
    // Back to the normal look, when its window stops being the top window.
    void ResetLook();
};
