#include "main/progress/SaveFolder.h"

#include <algorithm>
#include <filesystem>

#include "archive/CodePages.h"

namespace fs = std::filesystem;

bool TSaveFolder::Exists() const {
    std::error_code ec;
    return fs::is_directory(folder_, ec);
}

std::vector<std::string> TSaveFolder::List(const std::string& codePage) const {
    const std::string extension = Extension;
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() > extension.size() && name.ends_with(extension) && !it->is_directory(ec))
            files.push_back(name.substr(0, name.size() - extension.size()));
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> names;
    for (const std::string& file : files) {
        std::string name;
        if (CodePages::TryFromUtf8(codePage, file, name)) names.push_back(name);
    }
    return names;
}

std::string TSaveFolder::PathOf(const std::string& name, const std::string& codePage) const {
    if (name.empty() || name.find_first_of("/\\") != std::string::npos) return {};
    const std::string file = CodePages::ToUtf8(codePage, name);
    if (file.empty()) return {};
    return folder_ + file + Extension;
}
