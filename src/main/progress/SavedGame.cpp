#include "main/progress/SavedGame.h"

#include <string_view>

#include "archive/SFunctions.h"
#include "archive/SafeFile.h"

namespace SavedGame {
namespace {

struct TNumberKey {
    const char* Key;
    int TProgression::*Value;
};

// In file order; "Experience" is written apart, as the pool and the pending points together.
constexpr TNumberKey NumberKeys[] = {
    {"CurrentLevel", &TProgression::CurrentLevel},
    {"TotalScore", &TProgression::TotalScore},
    {"TotalHammerNum", &TProgression::TotalHammerNum},
    {"TotalCapNum", &TProgression::TotalCapNum},
    {"Experience", &TProgression::ExperiencePool},
    {"PlusOtb", &TProgression::PlusOtb},
    {"PlusLuck", &TProgression::PlusLuck},
    {"PlusCap", &TProgression::PlusCap},
    {"PlusLife", &TProgression::PlusLife},
    {"PlusHammer", &TProgression::PlusHammer},
    {"SkillOtb", &TProgression::SkillOtb},
    {"SkillLuck", &TProgression::SkillLuck},
    {"SkillLife", &TProgression::SkillLife},
};

struct TFlagKey {
    const char* Key;
    bool TProgression::*Value;
};

constexpr TFlagKey FlagKeys[] = {
    {"NoLoose", &TProgression::NoLose},
    {"Easy", &TProgression::Easy},
    {"Hard", &TProgression::Hard},
};

std::string Line(const std::string& key, const std::string& value) {
    return EncodeText(key + "=\"" + value + "\"") + "\r\n";
}

int StoredExperience(const TProgression& v) {
    return v.ExperiencePool + v.PlusOtb + v.PlusLuck + v.PlusCap + v.PlusLife + v.PlusHammer;
}

void ReadLine(const std::string& token, TProgression& values) {
    for (const TNumberKey& k : NumberKeys) {
        int32_t n = 0;
        if (!TryStrToInt(GetAttr(token, LowerCase(k.Key)), n)) continue;
        if (n > 0 && n <= LargestValue) values.*k.Value = n;
    }
    for (const TFlagKey& k : FlagKeys) {
        const std::string value = GetAttr(token, LowerCase(k.Key));
        if (value == "true") values.*k.Value = true;
        if (value == "false") values.*k.Value = false;
    }
}

} // namespace

std::string ToText(const TProgression& v) {
    std::string text;
    for (const TNumberKey& k : NumberKeys) {
        const int value =
            k.Value == &TProgression::ExperiencePool ? StoredExperience(v) : v.*k.Value;
        text += Line(k.Key, std::to_string(value));
    }
    for (const TFlagKey& k : FlagKeys)
        text += Line(k.Key, v.*k.Value ? "true" : "false");
    return text;
}

void FromText(const std::string& text, TProgression& values) {
    values.CurrentLevel = values.TotalScore = 0;
    values.TotalHammerNum = values.TotalCapNum = values.ExperiencePool = 0;
    for (const std::string& line : SplitLines(text))
        ReadLine(LowerCase(GetWord(DecodeText(line), 1)), values);
}

void Save(const std::string& path, const TProgression& values) {
    WriteFileAtomically(path, ToText(values));
}

bool Load(const std::string& path, TProgression& values) {
    std::string text;
    if (!ReadFileStart(path, ReadLimit, text)) return false;
    FromText(text, values);
    return true;
}

std::string FilterName(const std::string& name) {
    std::string out;
    for (char ch : name)
        if (std::string_view("\"*./:<>?\\|").find(ch) == std::string_view::npos) out += ch;
    return out;
}

} // namespace SavedGame
