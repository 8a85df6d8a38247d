#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The window's icon, read from a PNG file of the data folder ("game/quorrel.png"), as straight
// RGBA rows. False (and nothing changed) when the file is missing or damaged.
bool LoadWindowIcon(const std::string& path, std::vector<uint8_t>& rgba, int& width, int& height);
