#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/SFunctions.h"

// The values a level may give a number, both ends included.
struct TLevelRange {
    int Low = 0, High = 0;
    bool Holds(int64_t v) const { return Low <= v && v <= High; }
};

// How a level file's attribute values are read. A strict integer that is missing or not a
// number raises GameError naming the file and line; lenient and real numbers read as 0.
class TLevelLine {
  public:
    TLevelLine(const std::string& file, int lineNumber, std::string text)
        : file_(file), lineNumber_(lineNumber), text_(std::move(text)) {}

    const std::string& Text() const { return text_; }
    bool Has(const std::string& tag) const { return text_.find(tag) != std::string::npos; }
    // The line narrowed to the text between the first open and the first close after it
    // ("" when either is missing); attributes are then read from the cut-out.
    TLevelLine Cut(const std::string& open, const std::string& close) const;

    std::string Text(const std::string& attr) const { return GetAttr(text_, attr); }
    bool IsGiven(const std::string& attr) const;
    int Strict(const std::string& attr) const;
    int Lenient(const std::string& attr) const;
    // The same, and a number outside the range raises GameError naming the file and line (a
    // lenient value that is no number still reads as 0).
    int Strict(const std::string& attr, TLevelRange range) const;
    int Lenient(const std::string& attr, TLevelRange range) const;
    // Raises GameError naming the file and line when value lies outside the range.
    void Require(int64_t value, TLevelRange range, const std::string& what) const;
    double Real(const std::string& attr) const;
    // The whole value compared with "true" (or, with whenMissing, anything but "false").
    bool Flag(const std::string& attr, bool whenMissing) const;
    // At most 255 words of the text, split at runs of blanks and tabs.
    std::vector<std::string> Tokens() const;
    TIntArray StrictTokens() const;
    TIntArray LenientTokens() const;
    std::string Where() const;

  private:
    int StrictValue(const std::string& value, const std::string& what) const;

    const std::string& file_;
    int lineNumber_;
    std::string text_;
};
