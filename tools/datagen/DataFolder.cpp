#include "DataFolder.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "ContentArchive.h"
#include "archive/SFunctions.h"
#include "archive/SafeFile.h"

namespace fs = std::filesystem;

namespace DataFolder {

std::vector<std::string> Files(const std::string& folder, const std::string& extension) {
    std::vector<std::string> files;
    if (!fs::is_directory(folder)) return files;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && (extension.empty() || e.path().extension() == extension))
            files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadText(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) throw std::runtime_error("cannot read " + path);
    return text;
}

void AddScripts(TContentArchive& archive, const std::string& folder) {
    for (const std::string& path : Files(folder, ".aim")) {
        const std::string text = ReadText(path);
        std::string surface, file;
        for (const std::string& line : SplitLines(text)) {
            if (surface.empty()) surface = GetAttr(line, "surface");
            if (file.empty() && line.find("<AutoImage ") != std::string::npos)
                file = GetAttr(line, "name");
        }
        if (surface.empty() || file.empty())
            throw std::runtime_error(path + ": a script names its surface and its picture");
        if (FileBase(file) != fs::path(path).stem().string())
            throw std::runtime_error(path + ": the script is named after its picture");
        archive.AddScript(surface, file, text);
    }
}

void AddFilesAsIs(TContentArchive& archive, const std::string& folder) {
    for (const std::string& path : Files(folder)) {
        const std::string text = ReadText(path);
        archive.AddData(fs::path(path).filename().string(),
                        std::vector<uint8_t>(text.begin(), text.end()));
    }
}

} // namespace DataFolder
