#include "ContentArchive.h"

#include <stdexcept>

#include "Canvas.h"
#include "PngEncode.h"
#include "archive/SFunctions.h"

namespace {

constexpr size_t MaxEntryName = 32;

void RequirePngFile(const std::string& file) {
    if (file.size() < 5 || file.substr(file.size() - 4) != ".png" ||
        FileBase(file).size() + 4 != file.size())
        throw std::runtime_error("image file names end in a single \".png\": " + file);
}

} // namespace

std::string FileBase(const std::string& file) {
    return file.substr(0, file.find('.'));
}

void TContentArchive::Append(TContentEntry entry) {
    // A whole image "<base>.PNG" ships as "<base>._JPG": keep room for the longer name.
    const bool wholeImage =
        entry.Name.size() > 4 && entry.Name.substr(entry.Name.size() - 4) == ".PNG";
    if (entry.Name.size() + (wholeImage ? 1 : 0) > MaxEntryName)
        throw std::runtime_error("archive entry name too long: " + entry.Name);
    for (const TContentEntry& e : entries_)
        if (SameText(e.Name, entry.Name))
            throw std::runtime_error("archive entry added twice: " + entry.Name);
    entries_.push_back(std::move(entry));
}

void TContentArchive::AddImage(const std::string& surfaceName, const std::string& file,
                               const TCanvas& canvas) {
    AddPng(surfaceName, file, EncodePng(canvas));
}

void TContentArchive::AddPng(const std::string& surfaceName, const std::string& file,
                             std::vector<uint8_t> png) {
    RequirePngFile(file);
    Append({FileBase(file) + ".PNG", KindImage, std::move(png)});
    catalogue_.emplace_back(surfaceName, file);
}

void TContentArchive::AddScript(const std::string& surfaceName, const std::string& file,
                                const std::string& script) {
    RequirePngFile(file);
    Append(
        {FileBase(file) + ".aim", KindScript, std::vector<uint8_t>(script.begin(), script.end())});
    catalogue_.emplace_back(surfaceName, file);
}

void TContentArchive::AddData(const std::string& name, const std::string& text) {
    AddData(name, std::vector<uint8_t>(text.begin(), text.end()));
}

void TContentArchive::AddData(const std::string& name, std::vector<uint8_t> bytes) {
    Append({name, KindData, std::move(bytes)});
}

std::string TContentArchive::SurfacesList() const {
    std::string out;
    for (const auto& [surface, file] : catalogue_)
        out += surface + " " + file + "\r\n";
    return out;
}
