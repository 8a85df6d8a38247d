#pragma once
#include <string>
#include <vector>

#include "ContentArchive.h"

// Turns the entries of an archive into the form the game ships: image scripts ".aim" become
// "._aim", which the game's preparation turns back at first start. Whole images ("<base>.PNG")
// are to be split into a "._JPG" colour picture and a "._PNG" mask by the game's own
// preparation engine run in the building direction; until that engine is part of the game they
// ship whole, which the preparation copies unchanged.
std::vector<TContentEntry> ToShippedForm(const std::vector<TContentEntry>& entries);

// Writes entries as an archive at path, creating its folder.
void WriteArchive(const std::string& path, const std::vector<TContentEntry>& entries);
