#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TCanvas;

// One entry of an archive being built, in the form the preparation engine builds from: whole
// images as "<base>.PNG", image scripts as "<base>.aim", text and tables as they are.
struct TContentEntry {
    std::string Name;
    int16_t Kind = 0;
    std::vector<uint8_t> Bytes;
};

// The content of one shipped archive, with its image catalogue ("surfaces.dat").
class TContentArchive {
  public:
    static constexpr int16_t KindData = 0;
    static constexpr int16_t KindScript = 1;
    static constexpr int16_t KindImage = 2;

    // An image the game knows as surfaceName, loaded from file (which ends in ".png").
    void AddImage(const std::string& surfaceName, const std::string& file, const TCanvas& canvas);
    void AddPng(const std::string& surfaceName, const std::string& file, std::vector<uint8_t> png);
    // An image composed at preparation time by a script; its result is file (ending in ".png"),
    // the script is stored under the same base name.
    void AddScript(const std::string& surfaceName, const std::string& file,
                   const std::string& script);
    void AddData(const std::string& name, const std::string& text);
    void AddData(const std::string& name, std::vector<uint8_t> bytes);

    // Throws when a name is used twice (ignoring case, as the archive does).
    const std::vector<TContentEntry>& Entries() const { return entries_; }
    // "surfaces.dat": one "<surface> <file>" line per image, in the order they were added.
    std::string SurfacesList() const;
    const std::vector<std::pair<std::string, std::string>>& Catalogue() const { return catalogue_; }

  private:
    void Append(TContentEntry entry);

    std::vector<TContentEntry> entries_;
    std::vector<std::pair<std::string, std::string>> catalogue_;
};

// The base of a file name: everything before its first dot.
std::string FileBase(const std::string& file);
