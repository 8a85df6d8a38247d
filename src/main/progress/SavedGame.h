#pragma once
#include <string>

#include "main/progress/Progression.h"

// A saved game: sixteen lines of key="value", each line rotated by EncodeText, CR LF between
// them. Only the progression is stored; a loaded game resumes in the between-level menu.
namespace SavedGame {
// Only this much of a file is read: a real save is a few hundred bytes.
constexpr size_t ReadLimit = 64 * 1024;
// The game never stores a negative number or one beyond this: such a value is damage and
// leaves the value as 0 does.
constexpr int LargestValue = 1000000;

std::string ToText(const TProgression& values);
// Level, score, tool stock and pool start at 0; every other value keeps what it had until
// a line gives it. A value of 0 or one that is not a number changes nothing; the three
// flags change only on "true" or "false". Keys are found whatever their letter case.
void FromText(const std::string& text, TProgression& values);

// Writes the file whole (through a temporary name). Throws GameError when it cannot.
void Save(const std::string& path, const TProgression& values);
// false when the file cannot be read; the values are then untouched.
bool Load(const std::string& path, TProgression& values);

// The name a save is stored under: the characters a file name cannot carry are removed.
std::string FilterName(const std::string& name);
} // namespace SavedGame
