#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Every file the game writes goes to a temporary name first and is renamed over the old one,
// so a crash mid-write never leaves half a save, score table, log or archive. Throws GameError.
void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteFileAtomically(const std::string& path, const std::string& text);

// The whole file, or false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& out);
// At most the first limit bytes of the file, or false when it cannot be read.
bool ReadFileStart(const std::string& path, size_t limit, std::string& out);
bool FileExists(const std::string& path);
