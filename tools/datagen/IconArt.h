#pragma once
#include <string>
#include <vector>

// The game's icon: a carved stone plate at dusk with a cross of living wood, two leaves and an
// amber glow where the twigs meet. Drawn as vectors, so the same picture gives every size.

// The sizes of the desktop's icon theme, in pixels.
const std::vector<int>& IconSizes();

// Writes folder/NxN/quorrel.png for every size and folder/scalable/quorrel.svg; the window's
// own icon is the 64-pixel picture. Throws std::runtime_error when a file cannot be written.
void WriteIcons(const std::string& folder);
