#include "main/progress/HighScores.h"

#include <algorithm>

#include "archive/SFunctions.h"
#include "archive/SafeFile.h"

void THighScores::FromText(const std::string& text) {
    Entries.clear();
    for (const std::string& line : SplitLines(text)) {
        if (Entries.size() >= ReadEntries) break;
        const std::string decoded = DecodeText(line);
        int32_t score = 0;
        if (!TryStrToInt(GetAttr(decoded, "score"), score)) continue;
        Entries.push_back({GetAttr(decoded, "name"), score});
    }
}

std::string THighScores::ToText() const {
    std::string text;
    for (const THighScore& e : Entries)
        text += EncodeText("<High name=\"" + CleanName(e.Name) + "\" score=\"" +
                           std::to_string(e.Score) + "\" />") +
                "\r\n";
    return text;
}

void THighScores::Load(const std::string& path) {
    std::string text;
    if (!ReadFileStart(path, ReadLimit, text)) text.clear();
    FromText(text);
}

void THighScores::Save(const std::string& path) const {
    WriteFileAtomically(path, ToText());
}

int THighScores::Insert(const std::string& name, int score) {
    const auto at = std::find_if(Entries.begin(), Entries.end(),
                                 [score](const THighScore& e) { return e.Score < score; });
    const int position = static_cast<int>(at - Entries.begin());
    Entries.insert(at, {CleanName(name), score});
    return position;
}

std::string THighScores::CleanName(const std::string& name) {
    std::string out = name;
    std::erase_if(out, [](char ch) { return ch == '"' || ch == '='; });
    return out;
}
