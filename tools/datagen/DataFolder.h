#pragma once
#include <string>
#include <vector>

class TContentArchive;

// The hand-written sources under data/.
namespace DataFolder {
// Every file of folder, sorted by name (so builds do not depend on the directory order);
// an absent folder has none.
std::vector<std::string> Files(const std::string& folder, const std::string& extension = "");
std::string ReadText(const std::string& path);
// Adds every ".aim" script of folder; its first line names the surface it makes:
// <!-- surface="NAME" -->, and its "<AutoImage " line the picture's file.
void AddScripts(TContentArchive& archive, const std::string& folder);
// Adds every file of folder to the archive under its own name, as it is.
void AddFilesAsIs(TContentArchive& archive, const std::string& folder);
} // namespace DataFolder
