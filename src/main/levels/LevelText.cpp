#include "main/levels/LevelText.h"

#include <cmath>
#include <cstdlib>

#include "archive/GameError.h"

TLevelLine TLevelLine::Cut(const std::string& open, const std::string& close) const {
    TLevelLine cut(file_, lineNumber_, "", observer_, offset_);
    size_t start = text_.find(open);
    size_t stop = start == std::string::npos ? start : text_.find(close, start + open.size());
    if (stop != std::string::npos) {
        start += open.size();
        cut.text_ = text_.substr(start, stop - start);
        cut.offset_ = offset_ + start;
    }
    if (observer_) observer_->CutTaken(*this, open, close, cut);
    return cut;
}

bool TLevelLine::Has(const std::string& tag, const std::string& needs) const {
    if (text_.find(tag) == std::string::npos) return false;
    bool needsFound = needs.empty() || text_.find(needs) != std::string::npos;
    if (observer_) observer_->TagFound(*this, tag, needs, needsFound);
    return needsFound;
}

std::string TLevelLine::Text(const std::string& attr) const {
    Saw(attr, ILevelReadObserver::rkText);
    return GetAttr(text_, attr);
}

bool TLevelLine::IsGiven(const std::string& attr) const {
    Saw(attr, ILevelReadObserver::rkGiven);
    return text_.find(attr + "=\"") != std::string::npos;
}

std::string TLevelLine::Where() const {
    return "level \"" + file_ + "\", line " + std::to_string(lineNumber_);
}

int LevelLineOfMessage(const std::string& message) {
    const std::string mark = "\", line ";
    size_t at = message.rfind(mark);
    if (at == std::string::npos) return 0;
    size_t from = at + mark.size(), to = from;
    while (to < message.size() && to - from < 9 && message[to] >= '0' && message[to] <= '9')
        ++to;
    int32_t n = 0;
    return TryStrToInt(message.substr(from, to - from), n) ? n : 0;
}

int TLevelLine::StrictValue(const std::string& value, const std::string& what) const {
    int32_t n = 0;
    if (!TryStrToInt(value, n))
        throw GameError("'" + value + "' is not a valid integer value (" + what + ") in " +
                        Where());
    return n;
}

int TLevelLine::Strict(const std::string& attr) const {
    Saw(attr, ILevelReadObserver::rkStrict);
    return StrictValue(GetAttr(text_, attr), attr);
}

int TLevelLine::Lenient(const std::string& attr) const {
    Saw(attr, ILevelReadObserver::rkLenient);
    int32_t n = 0;
    return TryStrToInt(GetAttr(text_, attr), n) ? n : 0;
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
    Saw(attr, ILevelReadObserver::rkLenient);
    int32_t n = 0;
    if (!TryStrToInt(GetAttr(text_, attr), n)) return 0;
    Require(n, range, attr);
    return n;
}

double TLevelLine::Real(const std::string& attr) const {
    Saw(attr, ILevelReadObserver::rkReal);
    double v = StrToFloatZero(GetAttr(text_, attr));
    return std::isfinite(v) ? v : 0;
}

bool TLevelLine::Flag(const std::string& attr, bool whenMissing) const {
    Saw(attr, ILevelReadObserver::rkFlag);
    std::string v = GetAttr(text_, attr);
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
