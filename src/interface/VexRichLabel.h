#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "interface/VexLabel.h"

// A label whose caption carries a small markup, laid out whenever the caption is set:
// "<CENTER>", "<LEFT>", "<RIGHT>" blocks and their closing tags, colours "<$ hex>" ...
// "</$>", gaps "<HR n>" and line positions "<BR n>". Lines are 18 pixels apart.
class TVexRichLabel : public TVexLabel {
    VEX_CLASS(TVexRichLabel)

    struct TFragment {
        int X = 0, Y = 0;
        int32_t Color = 0;
        std::string Text;
    };

    void Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
              int32_t tag, const std::string& name) override;
    void Paint() override;
    void SetCaption(const std::string& value) override;
    void LayoutRichText();

    std::vector<TFragment> Fragments;

  private:
    enum class TBlock { Left, Center, Right };
    struct TLine {
        std::string Text;
        int Width = 0;
        TBlock Align = TBlock::Left;
    };
    std::vector<std::string> CutWords(const std::string& caption) const;
    int WordWidth(const std::string& word) const;
    std::vector<TLine> BreakLines(const std::vector<std::string>& words) const;
    void LayoutLine(const TLine& line, int j, int& base, std::vector<int32_t>& colours);
};
