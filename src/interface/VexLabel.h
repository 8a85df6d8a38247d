#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "archive/Rect.h"
#include "interface/VexInterfaceObject.h"

enum class TTextAlignment { taLeft, taCenter, taRight, taJustify };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

// Text in a bitmap font, word-wrapped to Width, with hover colour and a pressed offset. The
// base of buttons, check boxes, radio buttons, edits and rich labels ("label-type" widgets):
// only one of them is hovered and one pressed at a time, across all windows.
class TVexLabel : public TVexInterfaceObject {
    VEX_CLASS(TVexLabel)

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void Paint() override;
    void MouseMove(int x, int y) override;
    void MouseDown(int button, int x, int y) override;
    void MouseUp(int button, int x, int y) override;

    virtual void SetCaption(const std::string& value);
    virtual void SetCharSet(const std::string& value);
    virtual void SetAlignment(TTextAlignment value);
    virtual void SetLayout(TTextLayout value);
    void SetColor(int32_t value);
    void SetTShiftX(int32_t value);
    void SetTShiftY(int32_t value);
    void SetDShiftX(int32_t value);
    void SetDShiftY(int32_t value);

    // The caption broken into lines no wider than Width (a word wider than Width is not
    // broken; it stands on a line of its own, without an empty line before it).
    std::vector<std::string> WrapCaption() const;
    int TextWidth(const std::string& text) const; // in Font and CharSet; 0 without a font
    void UseNormalShift();
    void UsePressedShift();

    std::string Font, CharSet, Caption;
    int32_t Color = 0, ColorOnMMove = 0;
    TTextAlignment Alignment = TTextAlignment::taLeft;
    TTextLayout Layout = TTextLayout::tlTop;
    int32_t TShiftX = 0, TShiftY = 0, DShiftX = 0, DShiftY = 0;

    int32_t CurrentColor = 0;
    TPoint NormalShift, PressedShift;
    bool Hovered = false;
    bool Pressed = false;

  protected:
    void ReapplyAlignments();
    void AutosizeToCaption();
    void DrawCaption();
    // Calls f on every label-type object of the engine.
    void ForEachLabel(const std::function<void(TVexLabel&)>& f);
};
