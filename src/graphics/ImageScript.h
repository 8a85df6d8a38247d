#pragma once
#include <string>

#include "graphics/Image.h"

class TFileFolder;

// Runs one image script (".aim" text) whose pictures come from archive; returns the composed
// picture (empty when the script made none). Raises GameError for a missing picture
// ("File <name> does not exist in File Folder!") and for a malformed number.
TImage RunImageScript(const std::string& script, TFileFolder& archive);
