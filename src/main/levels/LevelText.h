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

class TLevelLine;

// Watches the loader read a level file: which tag texts each line matched, where it cut the
// line and which attributes it searched for, so a level check sees exactly what the game reads.
class ILevelReadObserver {
  public:
    enum TReadKind { rkText, rkStrict, rkLenient, rkReal, rkFlag, rkGiven };
    virtual ~ILevelReadObserver() = default;
    // A line is about to be read (1-based).
    virtual void LineStarts(int lineNumber) { (void)lineNumber; }
    // The line holds the tag text (and, when needs is not empty, whether it also holds needs).
    virtual void TagFound(const TLevelLine& line, const std::string& tag, const std::string& needs,
                          bool needsFound) {
        (void)line, (void)tag, (void)needs, (void)needsFound;
    }
    // A cut-out was taken; cut is empty (Text() "") when open or close was missing.
    virtual void CutTaken(const TLevelLine& line, const std::string& open, const std::string& close,
                          const TLevelLine& cut) {
        (void)line, (void)open, (void)close, (void)cut;
    }
    // An attribute value was searched in line.Text().
    virtual void AttributeRead(const TLevelLine& line, const std::string& attr, TReadKind kind) {
        (void)line, (void)attr, (void)kind;
    }
};

// How a level file's attribute values are read. A strict integer that is missing or not a
// number raises GameError naming the file and line; lenient and real numbers read as 0.
class TLevelLine {
  public:
    TLevelLine(const std::string& file, int lineNumber, std::string text,
               ILevelReadObserver* observer = nullptr, size_t offset = 0)
        : file_(file), lineNumber_(lineNumber), text_(std::move(text)), observer_(observer),
          offset_(offset) {}

    const std::string& Text() const { return text_; }
    int LineNumber() const { return lineNumber_; }
    // Where this text begins in the file's line (a cut-out begins after its open text).
    size_t Offset() const { return offset_; }
    // The tag text occurs in the line (and so does needs, when given).
    bool Has(const std::string& tag, const std::string& needs = "") const;
    // The line narrowed to the text between the first open and the first close after it
    // ("" when either is missing); attributes are then read from the cut-out.
    TLevelLine Cut(const std::string& open, const std::string& close) const;

    std::string Text(const std::string& attr) const;
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
    void Saw(const std::string& attr, ILevelReadObserver::TReadKind kind) const {
        if (observer_) observer_->AttributeRead(*this, attr, kind);
    }

    const std::string& file_;
    int lineNumber_;
    std::string text_;
    ILevelReadObserver* observer_;
    size_t offset_;
};

// The line number that Where() wrote into a message, or 0 when it names none.
int LevelLineOfMessage(const std::string& message);
