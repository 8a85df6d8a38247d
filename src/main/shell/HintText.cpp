#include "main/shell/HintText.h"

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

} // namespace

std::vector<std::string> WrapHintText(const std::string& text, const TTextMeasure& width,
                                      int maxWidth) {
    if (width(text) < maxWidth) return {text};
    std::vector<std::string> lines;
    std::string line;
    int lineWidth = 0;
    for (const std::string& word : Words(text)) {
        const int w = width(word + " ");
        if (!line.empty() && lineWidth + w <= maxWidth) {
            line += " " + word;
            lineWidth += w;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        line = word;
        lineWidth = w;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

std::string SkillHintLabelAt(TPoint p) {
    if (p.X < 53 || p.X > 133) return "";
    struct TArea {
        int Top, Bottom;
        const char* Label;
    };
    static const TArea areas[] = {{71, 151, "LHintSkillLive"},
                                  {172, 252, "LHintSkillDropAccel"},
                                  {272, 352, "LHintSkillLuckyTwig"},
                                  {372, 452, "LHintSkillAmphora"},
                                  {472, 552, "LHintSkillHammer"}};
    for (const TArea& a : areas)
        if (p.Y >= a.Top && p.Y <= a.Bottom) return a.Label;
    return "";
}

TPoint SkillHintCorner(TPoint p, int lineCount, int textWidth) {
    TPoint c;
    if (lineCount > 1) {
        const int extra = HintLineHeight * (lineCount - 1);
        c.Y = p.Y + extra >= 550 ? p.Y - extra - 22 : p.Y + 30;
        c.X = p.X + HintWrapWidth > 800 ? 499 : p.X;
    } else {
        c.Y = p.Y >= 550 ? p.Y - 22 : p.Y + 30;
        c.X = p.X + textWidth + 2 > 800 ? 797 - textWidth : p.X;
    }
    return c;
}
