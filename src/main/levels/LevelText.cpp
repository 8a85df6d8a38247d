#include "main/levels/LevelText.h"

#include <cmath>
#include <cstdlib>

#include "archive/GameError.h"

TLevelLine TLevelLine::Cut(const std::string& open, const std::string& close) const {
    size_t start = text_.find(open);
    if (start == std::string::npos) return {file_, lineNumber_, ""};
    start += open.size();
    size_t stop = text_.find(close, start);
    if (stop == std::string::npos) return {file_, lineNumber_, ""};
    return {file_, lineNumber_, text_.substr(start, stop - start)};
}

bool TLevelLine::IsGiven(const std::string& attr) const {
    return text_.find(attr + "=\"") != std::string::npos;
}

std::string TLevelLine::Where() const {
    return "level \"" + file_ + "\", line " + std::to_string(lineNumber_);
}

int TLevelLine::StrictValue(const std::string& value, const std::string& what) const {
    int32_t n = 0;
    if (!TryStrToInt(value, n))
        throw GameError("'" + value + "' is not a valid integer value (" + what + ") in " +
                        Where());
    return n;
}

int TLevelLine::Strict(const std::string& attr) const {
    return StrictValue(Text(attr), attr);
}

int TLevelLine::Lenient(const std::string& attr) const {
    int32_t n = 0;
    return TryStrToInt(Text(attr), n) ? n : 0;
}

void TLevelLine::Require(int64_t value, TLevelRange range, const std::string& what) const {
    if (!range.Holds(value))
        throw GameError(std::to_string(value) + " is out of range (" + what + ", " +
                        std::to_string(range.Low) + " to " + std::to_string(range.High) + ") in " +
                        Where());
}

int TLevelLine::Strict(const std::string& attr, TLevelRange range) const {
    const int n = Strict(attr);
    Require(n, range, attr);
    return n;
}

int TLevelLine::Lenient(const std::string& attr, TLevelRange range) const {
    int32_t n = 0;
    if (!TryStrToInt(Text(attr), n)) return 0;
    Require(n, range, attr);
    return n;
}

double TLevelLine::Real(const std::string& attr) const {
    double v = StrToFloatZero(Text(attr));
    return std::isfinite(v) ? v : 0;
}

bool TLevelLine::Flag(const std::string& attr, bool whenMissing) const {
    std::string v = Text(attr);
    return whenMissing ? v != "false" : v == "true";
}

std::vector<std::string> TLevelLine::Tokens() const {
    std::vector<std::string> out;
    size_t i = 0, n = text_.size();
    while (i < n && out.size() < 255) {
        while (i < n && (text_[i] == ' ' || text_[i] == '\t'))
            ++i;
        size_t start = i;
        while (i < n && text_[i] != ' ' && text_[i] != '\t')
            ++i;
        if (i > start) out.push_back(text_.substr(start, i - start));
    }
    return out;
}

TIntArray TLevelLine::StrictTokens() const {
    TIntArray out;
    for (const std::string& t : Tokens())
        out.push_back(StrictValue(t, "map value"));
    return out;
}

TIntArray TLevelLine::LenientTokens() const {
    TIntArray out;
    for (const std::string& t : Tokens()) {
        int32_t n = 0;
        out.push_back(TryStrToInt(t, n) ? n : 0);
    }
    return out;
}
