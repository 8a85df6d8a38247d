#pragma once
#include <string>
#include <vector>

// The folder "saves" of the game folder. Save names are the game's 8-bit text in the code
// page of the name field; on disk a name is UTF-8, so a file manager shows it right.
class TSaveFolder {
  public:
    static constexpr const char* Extension = ".sav";

    // folder ends with "/".
    explicit TSaveFolder(std::string folder) : folder_(std::move(folder)) {}

    // The game never creates the folder: without it there is nothing to list or save.
    bool Exists() const;
    // The names of the saved games in the code page, in byte order of their file names.
    // Only names ending in exactly ".sav" count; a name the code page cannot show is left out.
    std::vector<std::string> List(const std::string& codePage) const;
    // The file of a name in the code page, or "" when the name cannot be a file of this folder
    // (empty, or holding a path separator).
    std::string PathOf(const std::string& name, const std::string& codePage) const;

  private:
    std::string folder_;
};
