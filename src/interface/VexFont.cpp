#include "interface/VexFont.h"

#include <algorithm>
#include <cstdint>

#include "archive/GameError.h"
#include "archive/InputLimits.h"
#include "archive/MemoryStream.h"
#include "archive/SFunctions.h"

const TVexPropList& TVexFont::StaticProperties() {
    static const TVexPropList list =
        TVexPropBuilder<TVexFont>(TVexObject::StaticProperties())
            .Int("Height", &TVexFont::Height)
            .Custom("AddCharSet", TVexPropType::String, {},
                    [](TVexFont& f, const std::string& v) { f.AddCharSet(v); })
            .Custom("AddPicture", TVexPropType::String, {},
                    [](TVexFont& f, const std::string& v) { f.AddPicture(v); })
            .Custom("AddMetric", TVexPropType::String, {},
                    [](TVexFont& f, const std::string& v) { f.AddMetric(v); })
            .Build();
    return list;
}

void TVexFont::Init(TVexObject* parent, const std::string& parentName, TVexMethodTable* owner,
                    int32_t tag, const std::string& name) {
    TVexObject::Init(parent, parentName, owner, tag, name);
    Height = 20;
}

void TVexFont::AddCharSet(const std::string& name) {
    CharSets.push_back({name, "", {}});
}

void TVexFont::AddPicture(const std::string& picture) {
    if (!CharSets.empty()) CharSets.back().Picture = picture;
}

void TVexFont::AddMetric(const std::string& value) {
    if (CharSets.empty()) return;
    auto& metric = CharSets.back().Metric;
    size_t start = 0;
    for (size_t k = 0;; ++k) {
        const size_t blank = value.find(' ', start);
        const std::string piece =
            value.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
        if (k >= metric.size())
            throw GameError("[TVexFont.AddMetric] Font \"" + Name + "\" has more than " +
                            std::to_string(metric.size()) + " boundaries.");
        int32_t v = 0;
        if (piece.empty() || !TryStrToInt(piece, v))
            throw GameError("[TVexFont.AddMetric] \"" + piece +
                            "\" is not a valid integer value (font \"" + Name + "\").");
        // Boundaries are left edges of glyphs side by side in one picture: they rise and stay
        // within the picture, which no picture the game loads is wider than.
        const int32_t previous = k > 0 ? metric[k - 1] : 0;
        if (v < previous || v > MaxImageSide)
            throw GameError("[TVexFont.AddMetric] Font \"" + Name + "\", char set \"" +
                            CharSets.back().Name + "\": boundary " + std::to_string(k) + " (" +
                            piece + ") must lie between " + std::to_string(previous) + " and " +
                            std::to_string(MaxImageSide) + ".");
        metric[k] = v;
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
}

int TVexFont::FindCharSet(const std::string& name) const {
    for (size_t i = 0; i < CharSets.size(); ++i)
        if (CharSets[i].Name == name) return static_cast<int>(i);
    return -1;
}

int TVexFont::CharWidth(const TVexCharSet& set, unsigned char c) const {
    if (c < 32) return 0;
    return set.Metric[c - 31] - set.Metric[c - 32];
}

int TVexFont::TextWidth(const std::string& charSet, const std::string& text) const {
    if (charSet.empty()) return 0;
    const int index = FindCharSet(charSet);
    if (index < 0) return 0;
    // A caption can be long; the sum is kept wide and clamped rather than wrapped.
    int64_t width = 0;
    for (char ch : text)
        width += CharWidth(CharSets[index], static_cast<unsigned char>(ch));
    return static_cast<int>(std::clamp<int64_t>(width, INT32_MIN, INT32_MAX));
}

TVexFont& TVexFontEngine::AddFont() {
    const int index = AddArrayItem();
    auto font = std::make_unique<TVexFont>();
    font->Tag = index;
    TVexFont& ref = *font;
    FVexObjects[index] = std::move(font);
    return ref;
}

TVexFont* TVexFontEngine::FindFont(const std::string& name) const {
    return dynamic_cast<TVexFont*>(FindVexObjectByName(name));
}

TVexFont* TVexFontEngine::FirstFont() const {
    return FVexObjects.empty() ? nullptr : dynamic_cast<TVexFont*>(FVexObjects[0].get());
}

const TVexCharSet* TVexFontEngine::FindCharSet(const std::string& font,
                                               const std::string& charSet) const {
    const TVexFont* f = FindFont(font);
    if (!f) return nullptr;
    const int index = f->FindCharSet(charSet);
    return index < 0 ? nullptr : &f->CharSets[index];
}

std::vector<std::string> TVexFontEngine::GlyphPictures() const {
    std::vector<std::string> names;
    for (const auto& o : FVexObjects)
        if (const auto* f = dynamic_cast<const TVexFont*>(o.get()))
            for (const TVexCharSet& set : f->CharSets)
                if (!set.Picture.empty()) names.push_back(set.Picture);
    return names;
}

void TVexFontEngine::LoadFonts(TMemoryStream& stream) {
    LoadFontsText(stream.ReadRest());
}

namespace {

bool Has(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

} // namespace

void TVexFontEngine::LoadFontsText(const std::string& text) {
    const std::vector<std::string> lines = SplitLines(text);
    // "Modificaton" files are recognised and change nothing; so does any other first line.
    if (lines.empty() || !Has(lines[0], "<VexFonts") || !Has(lines[0], "mode=\"Creation\"")) return;
    size_t i = 1;
    std::string propName;
    while (i < lines.size()) {
        if (Trim(lines[i]) == "</VexFonts>") return;
        // Blank lines and comments between objects are skipped.
        if (!Has(lines[i], "<o c=\"TVexFont\">")) {
            ++i;
            continue;
        }
        TVexFont& font = AddFont();
        ++i;
        for (; i < lines.size() && Has(lines[i], "<p"); ++i) {
            const std::string& line = lines[i];
            // A line without its own name reuses the previous line's property name.
            if (Has(line, "<p n=\"") && Has(line, "</p>"))
                propName = TextBetween(line, "<p n=\"", "\">");
            SetPropValue(font, propName, TextBetween(line, "\">", "</p>"));
        }
        if (i >= lines.size() || !Has(lines[i], "</o>"))
            throw GameError("[TVexFontEngine.LoadFonts] Font \"" + font.Name +
                            "\" does not end with \"</o>\" (line " + std::to_string(i + 1) + ").");
        ++i;
    }
}
