#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Rect.h"

class Random;

// Small helpers shared by every data reader. Lines are 8-bit strings.
using TIntArray = std::vector<int32_t>;

// The word that does not exist.
inline const std::string NoWord = "%&";

bool PointInRect(const TRect& r, int x, int y);
// The n-th word (from 1), words separated by runs of blanks and tabs; NoWord when missing.
// Only the first 255 characters of the line count.
std::string GetWord(const std::string& line, int n);
int CountWords(const std::string& line);
// The value after the first occurrence of name="..." (a plain substring search), or "".
std::string GetAttr(const std::string& line, const std::string& name);
std::string TextBetween(const std::string& line, const std::string& start, const std::string& stop);
// The leading integer (also $hex and 0xhex, which may use all 32 bits); stops at the first
// character that is not part of it; 0 for empty text and for a number past 32 bits.
int32_t StrToIntVal(const std::string& text);
// true when the whole text (blanks around allowed) is an integer within 32 bits; used where a
// loader must refuse a bad number. value is left alone when false.
bool TryStrToInt(const std::string& text, int32_t& value);
// A plain decimal number (point or comma); 0 for anything else, "nan" and "inf" included.
double StrToFloatZero(const std::string& text);
std::string BoolToText(bool value);

bool IntArrayContains(int32_t value, const TIntArray& a);
int IntArrayIndexOf(const TIntArray& a, int32_t value);
int IntArrayAdd(TIntArray& a, int32_t value);
void IntArrayDelete(int index, TIntArray& a);
int32_t IntArrayMin(const TIntArray& a);
int32_t IntArrayMax(const TIntArray& a);
// An index drawn with probability proportional to its weight; -1 when the weights are empty
// or do not sum to a positive value.
int RandomWeightedIndex(const TIntArray& weights, Random& random);

// The character rotation of saved games and high scores (by 51 over the codes 32 to 255).
std::string EncodeText(const std::string& text);
std::string DecodeText(const std::string& text);

std::string LowerCase(std::string text); // ASCII letters only
std::string UpperCase(std::string text);
bool SameText(const std::string& a, const std::string& b);
std::string Trim(const std::string& text);
// Splits text into lines at CR LF, LF or CR.
std::vector<std::string> SplitLines(const std::string& text);
