#include "archive/SFunctions.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "archive/Random.h"

bool PointInRect(const TRect& r, int x, int y) {
    return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

std::string GetWord(const std::string& line, int n) {
    const size_t limit = line.size() < 255 ? line.size() : 255;
    size_t i = 0;
    for (int k = 1; k <= n; ++k) {
        while (i < limit && IsBlank(line[i]))
            ++i;
        if (i >= limit) return NoWord;
        size_t start = i;
        while (i < limit && !IsBlank(line[i]))
            ++i;
        if (k == n) return line.substr(start, i - start);
    }
    return NoWord;
}

int CountWords(const std::string& line) {
    int n = 0;
    while (GetWord(line, n + 1) != NoWord)
        ++n;
    return n;
}

std::string GetAttr(const std::string& line, const std::string& name) {
    size_t p = line.find(name + "=\"");
    if (p == std::string::npos) return "";
    size_t start = p + name.size() + 2;
    size_t end = line.find('"', start);
    if (end == std::string::npos) return "";
    return line.substr(start, end - start);
}

std::string TextBetween(const std::string& line, const std::string& start,
                        const std::string& stop) {
    size_t a = line.find(start);
    size_t b = line.find(stop);
    if (a == std::string::npos || b == std::string::npos) return "";
    size_t from = a + start.size();
    if (b <= from) return "";
    return line.substr(from, b - from);
}

namespace {

// Parses the leading number; returns how many characters were part of it, 0 when there is no
// number. A decimal number must fit 32 signed bits; a hexadecimal one may use all 32 bits (so
// "$FFFFFFFF" is -1, as colours are written). Anything larger is no number at all: wrapping it
// would turn a modder's typo into a negative size.
size_t ParseLeadingInt(const std::string& text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    const int64_t limit = base == 16 ? 0xFFFFFFFFLL : negative ? 0x80000000LL : 0x7FFFFFFFLL;
    int64_t acc = 0;
    size_t digits = 0;
    for (; i < text.size(); ++i, ++digits) {
        char c = text[i];
        int d = (c >= '0' && c <= '9')                 ? c - '0'
                : (base == 16 && c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (base == 16 && c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                       : -1;
        if (d < 0) break;
        acc = acc * base + d;
        if (acc > limit) return 0;
    }
    if (digits == 0) return 0;
    const uint32_t bits = static_cast<uint32_t>(acc);
    value = static_cast<int32_t>(negative ? 0u - bits : bits);
    return i;
}

} // namespace

int32_t StrToIntVal(const std::string& text) {
    int32_t v = 0;
    return ParseLeadingInt(text, v) ? v : 0;
}

bool TryStrToInt(const std::string& text, int32_t& value) {
    size_t used = ParseLeadingInt(text, value);
    if (used == 0) return false;
    while (used < text.size() && IsBlank(text[used]))
        ++used;
    return used == text.size();
}

namespace {

// Plain decimal notation only: the C library would also take "nan", "inf" and hexadecimal
// floats, none of which a data file means.
bool IsPlainDecimal(const std::string& t) {
    for (char c : t)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return false;
    return true;
}

} // namespace

double StrToFloatZero(const std::string& text) {
    // The data files are written with a decimal point; a decimal comma is read as well.
    std::string t = Trim(text);
    for (char& c : t)
        if (c == ',') c = '.';
    if (t.empty() || !IsPlainDecimal(t)) return 0.0;
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || errno == ERANGE) return 0.0;
    return v;
}

std::string BoolToText(bool value) {
    return value ? "true" : "false";
}

bool IntArrayContains(int32_t value, const TIntArray& a) {
    return IntArrayIndexOf(a, value) >= 0;
}

int IntArrayIndexOf(const TIntArray& a, int32_t value) {
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] == value) return static_cast<int>(i);
    return -1;
}

int IntArrayAdd(TIntArray& a, int32_t value) {
    a.push_back(value);
    return static_cast<int>(a.size());
}

void IntArrayDelete(int index, TIntArray& a) {
    if (index < 0 || index >= static_cast<int>(a.size())) return;
    a.erase(a.begin() + index);
}

int32_t IntArrayMin(const TIntArray& a) {
    int32_t m = std::numeric_limits<int32_t>::max();
    for (int32_t v : a)
        if (v < m) m = v;
    return m;
}

int32_t IntArrayMax(const TIntArray& a) {
    int32_t m = -1;
    for (int32_t v : a)
        if (v > m) m = v;
    return m;
}

int RandomWeightedIndex(const TIntArray& weights, Random& random) {
    int64_t sum = 0;
    for (int32_t w : weights)
        sum += w;
    if (weights.empty() || sum <= 0 || sum > std::numeric_limits<int32_t>::max()) return -1;
    int64_t r = random.Next(static_cast<int32_t>(sum)) + 1;
    int64_t running = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        running += weights[i];
        if (running >= r) return static_cast<int>(i);
    }
    return static_cast<int>(weights.size()) - 1;
}

std::string EncodeText(const std::string& text) {
    std::string out = text;
    for (char& ch : out) {
        unsigned c = static_cast<unsigned char>(ch);
        if (c >= 32) ch = static_cast<char>(c <= 204 ? c + 51 : c - 173);
    }
    return out;
}

std::string DecodeText(const std::string& text) {
    std::string out = text;
    for (char& ch : out) {
        unsigned c = static_cast<unsigned char>(ch);
        if (c >= 32) ch = static_cast<char>(c >= 83 ? c - 51 : c + 173);
    }
    return out;
}

std::string LowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool SameText(const std::string& a, const std::string& b) {
    return LowerCase(a) == LowerCase(b);
}

std::string Trim(const std::string& text) {
    size_t a = 0, b = text.size();
    while (a < b && static_cast<unsigned char>(text[a]) <= ' ')
        ++a;
    while (b > a && static_cast<unsigned char>(text[b - 1]) <= ' ')
        --b;
    return text.substr(a, b - a);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string cur;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}
