#include "interface/VexRichLabel.h"

#include <cmath>

#include "archive/SFunctions.h"
#include "interface/VexGraphic.h"
#include "interface/VexInterfaceEngine.h"

namespace {

constexpr int LineHeight = 18;

bool StartsWith(const std::string& s, const std::string& p) {
    return s.compare(0, p.size(), p) == 0;
}

// The number of a "<HR n>" or "<BR n>" tag.
int TagNumber(const std::string& tag, const std::string& head) {
    return StrToIntVal(tag.substr(head.size()));
}

bool IsGapTag(const std::string& word) {
    return StartsWith(word, "<HR ");
}
bool IsLineTag(const std::string& word) {
    return StartsWith(word, "<BR ");
}
bool IsColourTag(const std::string& word) {
    return StartsWith(word, "<$ ");
}

// A line's pieces: a blank starts a new piece (and stays in it); a tag is a piece of its own.
std::vector<std::string> CutPieces(const std::string& text) {
    std::vector<std::string> pieces;
    std::string piece;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '<') {
            if (!piece.empty()) pieces.push_back(piece);
            piece.clear();
            const size_t close = text.find('>', i);
            const size_t end = close == std::string::npos ? text.size() : close + 1;
            pieces.push_back(text.substr(i, end - i));
            i = end - 1;
            continue;
        }
        if (ch == ' ' && !piece.empty()) {
            pieces.push_back(piece);
            piece.clear();
        }
        piece += ch;
    }
    if (!piece.empty()) pieces.push_back(piece);
    return pieces;
}

} // namespace

const TVexPropList& TVexRichLabel::StaticProperties() {
    static const TVexPropList list =
        TVexPropBuilder<TVexRichLabel>(TVexLabel::StaticProperties()).Build();
    return list;
}

void TVexRichLabel::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                         int32_t tag, const std::string& name) {
    TVexLabel::Init(parent, parentName, owner, tag, name);
    Width = 300;
    Height = 100;
}

void TVexRichLabel::SetCaption(const std::string& value) {
    TVexLabel::SetCaption(value);
    LayoutRichText();
}

// A word ends at a blank (which starts the next word) unless the blank follows "R" or "$"
// (inside "<HR n>", "<BR n>", "<$ hex>"); it also ends before "<" unless an "H" follows; ">"
// closes a tag.
std::vector<std::string> TVexRichLabel::CutWords(const std::string& caption) const {
    std::vector<std::string> words;
    std::string word;
    auto flush = [&] {
        if (!word.empty()) words.push_back(word);
        word.clear();
    };
    for (size_t i = 0; i < caption.size(); ++i) {
        const char ch = caption[i];
        const char before = i > 0 ? caption[i - 1] : '\0';
        const char after = i + 1 < caption.size() ? caption[i + 1] : '\0';
        if (ch == ' ' && before != 'R' && before != '$')
            flush();
        else if (ch == '<' && after != 'H')
            flush();
        word += ch;
        if (ch == '>') flush();
    }
    flush();
    return words;
}

int TVexRichLabel::WordWidth(const std::string& word) const {
    if (word.back() != '>') return TextWidth(word);
    const size_t open = word.find('<');
    if (open == std::string::npos) return TextWidth(word);
    const std::string tag = word.substr(open);
    const int before = TextWidth(word.substr(0, open)); // text glued before a gap tag
    return before + (IsGapTag(tag) ? TagNumber(tag, "<HR ") : 0);
}

std::vector<TVexRichLabel::TLine>
TVexRichLabel::BreakLines(const std::vector<std::string>& words) const {
    std::vector<TLine> lines;
    std::vector<TBlock> stack;
    TLine line;
    auto top = [&] { return stack.empty() ? TBlock::Left : stack.back(); };
    auto endLine = [&] {
        line.Align = top();
        lines.push_back(line);
        line = TLine{};
    };
    for (std::string word : words) {
        int w = WordWidth(word);
        const bool inlineTag =
            (word.find('<') != std::string::npos && word.find(' ') != std::string::npos &&
             word.find('>') != std::string::npos) ||
            word == "</$>";
        if (inlineTag || (line.Width + w <= Width && w != 0)) {
            line.Text += word;
            line.Width += w;
            continue;
        }
        if (word == "<CENTER>" || word == "<LEFT>" || word == "<RIGHT>") {
            if (!line.Text.empty()) endLine();
            stack.push_back(word == "<CENTER>" ? TBlock::Center
                            : word == "<LEFT>" ? TBlock::Left
                                               : TBlock::Right);
        } else if (word == "</CENTER>" || word == "</LEFT>" || word == "</RIGHT>") {
            endLine(); // even an empty line: it takes a line of height
            if (!stack.empty()) stack.pop_back();
        } else {
            if (!line.Text.empty()) endLine();
            if (word[0] == ' ' && top() == TBlock::Left) {
                word.erase(0, 1);
                w = WordWidth(word);
            }
            // A word too wide for an empty line gets a line of its own rather than vanishing.
            line.Text += word;
            line.Width += w;
        }
    }
    if (!line.Text.empty()) endLine();
    return lines;
}

void TVexRichLabel::LayoutLine(const TLine& line, int j, int& base, std::vector<int32_t>& colours) {
    int x = 0;
    if (line.Align == TBlock::Center)
        x = static_cast<int>(std::nearbyint((Width - line.Width) / 2.0));
    else if (line.Align == TBlock::Right)
        x = Width - line.Width;
    for (const std::string& p : CutPieces(line.Text)) {
        if (p[0] != '<') {
            const int32_t colour = colours.empty() ? CurrentColor : colours.back();
            Fragments.push_back({x, base + LineHeight * j, colour, p});
            x += TextWidth(p);
        } else if (IsColourTag(p)) {
            colours.push_back(StrToIntVal("$" + p.substr(3))); // hexadecimal, up to the ">"
        } else if (p == "</$>") {
            if (!colours.empty()) colours.pop_back();
        } else if (IsGapTag(p)) {
            x += TagNumber(p, "<HR ");
        } else if (IsLineTag(p)) {
            x = 0;
            base = TagNumber(p, "<BR ");
        }
    }
}

void TVexRichLabel::LayoutRichText() {
    std::string caption;
    for (size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == '\r') {
            caption += ' ';
            ++i; // the character after a CR (its LF) goes too
        } else {
            caption += Caption[i];
        }
    }
    Fragments.clear();
    const std::vector<TLine> lines = BreakLines(CutWords(caption));
    int base = 0;
    std::vector<int32_t> colours;
    for (size_t j = 0; j < lines.size(); ++j)
        LayoutLine(lines[j], static_cast<int>(j), base, colours);
}

void TVexRichLabel::Paint() {
    DrawCurrentPicture();
    IVexGraphic* g = Graphic();
    if (!g) return;
    for (const TFragment& f : Fragments)
        g->DrawText(OriginLeft + f.X, OriginTop + f.Y, f.Text, 0, 0, static_cast<uint32_t>(f.Color),
                    CharSet, Font, Name);
}
