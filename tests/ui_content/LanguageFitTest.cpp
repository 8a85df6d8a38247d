// The shipped languages against the interface: every text measured with the game's own fonts
// against the object that shows it, and every language file against the English one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "archive/CodePages.h"
#include "archive/FileFolder.h"
#include "interface/InterfaceTestSupport.h"
#include "interface/VexButton.h"
#include "interface/VexFont.h"
#include "interface/VexLabel.h"
#include "main/shell/HintText.h"
#include "markup/VexParser.h"

namespace {

namespace fs = std::filesystem;

// A button's face is framed by a carved rim about this wide; its text stays inside it.
constexpr int ButtonRim = 7;

// A hint longer than this covers too much of the board to be read in passing.
constexpr size_t MaxHintLines = 4;

struct TLanguage {
    std::string Code; // "DEU"
    std::string Path; // the built file, in its code page
    std::string CharSet;
};

// The built language files, English first. A file's text is in the code page it was built
// for: Russian ones in Windows-1251, all others in Windows-1250.
std::vector<TLanguage> Languages() {
    std::vector<TLanguage> out;
    for (const auto& entry : fs::directory_iterator(std::string(QUORREL_GAME_DIR) + "/lng")) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".lng") continue;
        const std::string code = name.substr(0, 3);
        out.push_back({code, entry.path().string(), code == "RUS" ? "RUSSIAN" : "EASTEUROPE"});
    }
    std::sort(out.begin(), out.end(), [](const TLanguage& a, const TLanguage& b) {
        return std::pair(a.Code != "ENU", a.Path) < std::pair(b.Code != "ENU", b.Path);
    });
    return out;
}

std::string OwnRadio(const std::string& code) {
    return "R" + code + "WLanguage";
}

// For messages: the caption as readable text.
std::string Readable(const std::string& text, const std::string& charSet) {
    return CodePages::ToUtf8(CodePages::OfCharSet(charSet), text);
}

std::string Prop(const TVexXMLTag& object, const std::string& name) {
    for (const auto& p : object.Tags)
        if (!p->Attributes.empty() && p->Attributes[0]->Value == name) return p->Text;
    return "";
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts{""};
    for (char c : text)
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    return parts;
}

bool HasProp(const TVexXMLTag& object, const std::string& name) {
    return std::any_of(object.Tags.begin(), object.Tags.end(), [&](const auto& p) {
        return !p->Attributes.empty() && p->Attributes[0]->Value == name;
    });
}

// The game with its real fonts and interface file, and a radio button in the language window
// for every language, made from the English one as at start-up.
class TRealInterface {
  public:
    explicit TRealInterface(const std::vector<TLanguage>& languages) : Engine(&Fonts, &Log) {
        TFileFolder game = TFileFolder::Open(std::string(QUORREL_GAME_DIR) + "/game/game.zxc");
        Fonts.LoadFonts(game.Read("arial12.xml"));
        Engine.Owner = &Methods;
        Engine.CreateObject("Nil", &Methods, "TVexInterfaceObject");
        Engine.LoadInterface(game.Read("Quorrel.li"));
        for (const TLanguage& l : languages)
            if (l.Code != "ENU") Engine.DuplicateObject(OwnRadio("ENU"), OwnRadio(l.Code));
    }
    void Apply(const TLanguage& language) {
        Engine.RestoreProperties();
        Engine.LoadLanguage(language.Path);
    }

    TVexFontEngine Fonts;
    vextest::TRecordingLog Log;
    TVexMethodTable Methods;
    TVexInterfaceEngine Engine;
};

// The overflows of one label as the interface draws it: each wrapped line against the width,
// from where its alignment puts it, and the lines together against the height.
void MeasureLabel(const TVexLabel& label, const TVexFont& font, const std::string& where,
                  std::vector<std::string>& faults) {
    const std::vector<std::string> lines = label.WrapCaption();
    const int inset = dynamic_cast<const TVexButton*>(&label) ? ButtonRim : 0;
    for (const std::string& line : lines) {
        const int w = label.TextWidth(line);
        int x = label.TShiftX;
        if (label.Alignment == TTextAlignment::taCenter ||
            label.Alignment == TTextAlignment::taJustify)
            x = (label.Width - w) / 2 + label.TShiftX;
        else if (label.Alignment == TTextAlignment::taRight)
            x = label.Width + label.TShiftX - w;
        if (x < inset || x + w > label.Width - inset)
            faults.push_back(where + ": the line \"" + Readable(line, label.CharSet) + "\" is " +
                             std::to_string(w) + " px wide from x " + std::to_string(x) +
                             ", the object " + std::to_string(label.Width) +
                             (inset ? " with its rim" : ""));
    }
    // A font's line height includes its leading, so one line may stand in a box a little
    // lower than that; every further line needs the whole height.
    const size_t room = static_cast<size_t>(std::max(1, label.Height / font.Height));
    if (lines.size() > room)
        faults.push_back(where + ": " + std::to_string(lines.size()) + " lines of " +
                         std::to_string(font.Height) + " px, the object " +
                         std::to_string(label.Height) + " high");
}

// A hint is not drawn as its label: the game wraps it into the hint box.
void MeasureHint(const TVexLabel& label, const TVexFont& font, const std::string& where,
                 std::vector<std::string>& faults) {
    const auto width = [&](const std::string& s) { return font.TextWidth(label.CharSet, s); };
    const std::vector<std::string> lines = WrapHintText(label.Caption, width);
    for (const std::string& line : lines)
        if (width(line) > HintWrapWidth)
            faults.push_back(where + ": the hint line \"" + Readable(line, label.CharSet) +
                             "\" is " + std::to_string(width(line)) + " px wide, the box " +
                             std::to_string(HintWrapWidth));
    if (lines.size() > MaxHintLines)
        faults.push_back(where + ": the hint takes " + std::to_string(lines.size()) +
                         " lines, at most " + std::to_string(MaxHintLines));
}

TEST(LanguageFitTest, EveryCaptionOfEveryLanguageFitsItsObject) {
    const std::vector<TLanguage> languages = Languages();
    ASSERT_GE(languages.size(), 3u);
    ASSERT_EQ(languages[0].Code, "ENU");
    TRealInterface ui(languages);
    ASSERT_TRUE(ui.Log.Lines.empty()) << ui.Log.Lines.front();

    std::vector<std::string> faults;
    for (const TLanguage& language : languages) {
        ui.Apply(language);
        int measured = 0;
        for (const auto& o : ui.Engine.FVexObjects) {
            const auto* label = dynamic_cast<const TVexLabel*>(o.get());
            if (!label || label->Caption.empty()) continue;
            const std::string where = language.Code + " " + label->Name + " \"" +
                                      Readable(label->Caption, label->CharSet) + "\"";
            // Without its font or char set a text is not drawn at all.
            const TVexFont* font = ui.Fonts.FindFont(label->Font);
            if (!font || font->FindCharSet(label->CharSet) < 0) {
                faults.push_back(where + ": no font " + label->Font + " in " + label->CharSet);
                continue;
            }
            ++measured;
            if (label->ParentName == "WHints")
                MeasureHint(*label, *font, where, faults);
            else
                MeasureLabel(*label, *font, where, faults);
        }
        EXPECT_GT(measured, 150) << language.Code;
        const auto* radio =
            dynamic_cast<const TVexLabel*>(ui.Engine.FindVexObjectByName(OwnRadio(language.Code)));
        ASSERT_NE(radio, nullptr) << language.Code;
        EXPECT_EQ(radio->CharSet, language.CharSet) << language.Code;
    }
    std::string report;
    for (const std::string& f : faults)
        report += "\n  " + f;
    EXPECT_TRUE(faults.empty()) << faults.size() << " texts do not fit:" << report;
}

// A language file covers exactly what the English one covers, apart from its own entry in
// the language window, and says in which char set each of its texts is drawn.
TEST(LanguageFitTest, EachLanguageNamesTheEnglishObjectsInItsOwnCharSet) {
    const std::vector<TLanguage> languages = Languages();
    std::set<std::string> codes;
    for (const TLanguage& l : languages)
        codes.insert(l.Code);
    EXPECT_EQ(codes, (std::set<std::string>{"DEU", "ENU", "RUS"}));
    TRealInterface ui(languages);

    auto namesOf = [](const TVexParser& file) {
        std::vector<std::string> names;
        for (const auto& o : file.Tags[0]->Tags)
            names.push_back(Prop(*o, "Name"));
        std::sort(names.begin(), names.end());
        return names;
    };
    TVexParser english;
    english.LoadFromFile(languages[0].Path);
    ASSERT_EQ(english.Tags.size(), 1u);
    const std::vector<std::string> englishNames = namesOf(english);

    for (const TLanguage& language : languages) {
        TVexParser file;
        file.LoadFromFile(language.Path);
        ASSERT_EQ(file.Tags.size(), 1u) << language.Code;
        ASSERT_EQ(file.Tags[0]->Name, "VexInterface") << language.Code;

        // The same objects, each once; the own radio button stands for the English one.
        std::vector<std::string> expected = englishNames;
        std::replace(expected.begin(), expected.end(), OwnRadio("ENU"), OwnRadio(language.Code));
        std::sort(expected.begin(), expected.end());
        const std::vector<std::string> names = namesOf(file);
        std::vector<std::string> missing, extra;
        std::set_difference(expected.begin(), expected.end(), names.begin(), names.end(),
                            std::back_inserter(missing));
        std::set_difference(names.begin(), names.end(), expected.begin(), expected.end(),
                            std::back_inserter(extra));
        EXPECT_EQ(missing, std::vector<std::string>{}) << language.Code << " lacks these";
        EXPECT_EQ(extra, std::vector<std::string>{}) << language.Code << " has these over";

        for (const auto& o : file.Tags[0]->Tags) {
            const std::string name = Prop(*o, "Name");
            const std::string where = language.Code + " " + name;
            EXPECT_NE(ui.Engine.FindVexObjectByName(name), nullptr) << where;
            // Every char set named is the language's own.
            for (const auto& p : o->Tags) {
                const std::string prop = p->Attributes.empty() ? "" : p->Attributes[0]->Value;
                if (!prop.ends_with("CharSet")) continue;
                for (const std::string& part : Split(p->Text, ';'))
                    EXPECT_EQ(part, language.CharSet) << where << " " << prop;
            }
            if (language.Code == "ENU") continue; // English keeps the interface file's
            if (HasProp(*o, "Caption")) {
                EXPECT_EQ(Prop(*o, "CharSet"), language.CharSet) << where;
                EXPECT_FALSE(Prop(*o, "Caption").empty()) << where;
            }
            if (HasProp(*o, "Cells")) {
                EXPECT_EQ(Prop(*o, "FixedCharSet"), language.CharSet) << where;
                EXPECT_TRUE(HasProp(*o, "ColCharSet")) << where;
            }
        }
    }
}

} // namespace
