#pragma once
#include "interface/VexLabel.h"

// A one-line edit field: a click focuses it and places the cursor, typed characters are
// inserted within MaxLength characters and MaxWidth pixels. Picture field 1 the field,
// field 2 the text cursor.
class TVexEdit : public TVexLabel {
    VEX_CLASS(TVexEdit)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void Paint() override;
    void MouseMove(int, int) override {}
    void MouseDown(int button, int x, int y) override;
    void KeyPress(unsigned char ch) override;
    void KeyDown(int key, unsigned shift) override;

    bool ReadOnly = false;
    int32_t MaxLength = 0;
    int32_t MaxWidth = 0;
    int CursorPos = 0;
    bool Focused = false;

  private:
    // The advance of the first n characters of the caption.
    int AdvanceOf(size_t n) const;
    // The caption may change under the cursor (SetProp, language files): keep it inside.
    size_t ClampedCursor() const;
};
