#pragma once
#include <string>
#include <vector>

#include "ContentArchive.h"

// Writes an archive in the form the game ships, made by the game's own preparation engine run
// in the building direction: every whole image "<base>.PNG" is split into a JPEG colour picture
// "<base>._JPG" and a grey mask "<base>._PNG", image scripts ".aim" become "._aim", everything
// else is kept as it is. The game's first start turns it back. Creates the archive's folder.
void WriteShippedArchive(const std::string& path, const std::vector<TContentEntry>& entries);
