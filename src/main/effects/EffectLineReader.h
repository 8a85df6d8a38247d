#pragma once
#include <cstdint>
#include <string>

#include "archive/Rect.h"

// The words of one line of the effect types file, converted the ways the keys need. Strict
// conversions raise GameError naming the file and the line; lenient ones never fail.
class TEffectLineReader {
  public:
    TEffectLineReader(const std::string& line, int lineNumber)
        : line_(line), lineNumber_(lineNumber) {}

    const std::string& Line() const { return line_; }
    // Word n (from 1); "%&" when missing.
    std::string Word(int n) const;
    std::string LowerWord(int n) const;

    int32_t Strict(int n) const;
    int32_t Lenient(int n) const;
    uint8_t StrictByte(int n) const;      // clamped to 0..255
    int8_t StrictSignedByte(int n) const; // clamped to -128..127
    double StrictFloat(int n) const;      // integers, and decimals too
    // Words n and n + 1 as N and D: N x pi / D, 0 when D is 0.
    double Angle(int n) const;
    // A number, or an anchor word stored as its marker; any other word beginning with "%"
    // (a missing word too) keeps current.
    int32_t AnchorOr(int n, int32_t current) const;
    // 0 unless word n names a piece, its centre or the pointer.
    uint8_t FollowWord(int n) const;
    TRect Rect(int n) const; // left top right bottom
    // R G B, each clamped to 0..255, as 0x00BBGGRR.
    uint32_t Colour(int n) const;

    [[noreturn]] void Fail(const std::string& message) const;

  private:
    const std::string& line_;
    int lineNumber_;
};
