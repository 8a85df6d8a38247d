#include "main/options/IniFile.h"

#include "archive/SFunctions.h"
#include "archive/SafeFile.h"

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
    std::string text;
    if (ReadWholeFile(path_, text)) lines_ = SplitLines(text);
}

namespace {

bool IsSectionLine(const std::string& line) {
    std::string t = Trim(line);
    return t.size() >= 2 && t.front() == '[' && t.back() == ']';
}

std::string SectionName(const std::string& line) {
    std::string t = Trim(line);
    return Trim(t.substr(1, t.size() - 2));
}

} // namespace

int TIniFile::FindSection(const std::string& section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (IsSectionLine(lines_[i]) && SameText(SectionName(lines_[i]), section))
            return static_cast<int>(i);
    return -1;
}

int TIniFile::FindKey(int sectionLine, const std::string& key) const {
    for (size_t i = static_cast<size_t>(sectionLine) + 1;
         i < lines_.size() && !IsSectionLine(lines_[i]); ++i) {
        auto eq = lines_[i].find('=');
        if (eq != std::string::npos && SameText(Trim(lines_[i].substr(0, eq)), key))
            return static_cast<int>(i);
    }
    return -1;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
    int s = FindSection(section);
    if (s < 0) return def;
    int k = FindKey(s, key);
    if (k < 0) return def;
    const std::string& line = lines_[k];
    return Trim(line.substr(line.find('=') + 1));
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    int32_t v;
    return TryStrToInt(ReadString(section, key, ""), v) ? v : def;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    std::string line = key + "=" + value;
    int s = FindSection(section);
    if (s < 0) {
        lines_.push_back("[" + section + "]");
        lines_.push_back(line);
        return;
    }
    int k = FindKey(s, key);
    if (k >= 0) {
        lines_[k] = line;
        return;
    }
    // A new key goes after the section's last non-blank line.
    size_t end = static_cast<size_t>(s) + 1;
    while (end < lines_.size() && !IsSectionLine(lines_[end]))
        ++end;
    while (end > static_cast<size_t>(s) + 1 && Trim(lines_[end - 1]).empty())
        --end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end), line);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::Save() const {
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\n";
    WriteFileAtomically(path_, text);
}
