#pragma once
#include <string>

// The Liberation fonts of the fonts-liberation package: metric twins of the classic sans and
// serif faces, free to embed in our own glyph pictures.
namespace FontFiles {
inline const std::string Folder = "/usr/share/fonts/truetype/liberation/";
std::string Path(bool bold, bool serif);
} // namespace FontFiles
