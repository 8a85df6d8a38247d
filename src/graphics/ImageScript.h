#pragma once
#include <string>

#include "graphics/Image.h"

class TFileFolder;

// Runs one image script (".aim" text) whose pictures come from archive; returns the composed
// picture (empty when the script made none). Raises GameError for a missing picture
// ("File <name> does not exist in File Folder!"), for a malformed number and for a canvas
// larger than a picture may be (the message names the script by name).
TImage RunImageScript(const std::string& script, TFileFolder& archive,
                      const std::string& name = "");
