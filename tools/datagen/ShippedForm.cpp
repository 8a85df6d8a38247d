#include "ShippedForm.h"

#include <filesystem>

#include "archive/FileFolder.h"
#include "archive/MemoryStream.h"

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

std::vector<TContentEntry> ToShippedForm(const std::vector<TContentEntry>& entries) {
    std::vector<TContentEntry> shipped;
    for (const TContentEntry& e : entries) {
        TContentEntry out = e;
        if (EndsWith(e.Name, ".aim")) out.Name = FileBase(e.Name) + "._aim";
        shipped.push_back(std::move(out));
    }
    return shipped;
}

void WriteArchive(const std::string& path, const std::vector<TContentEntry>& entries) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    TFileFolder folder = TFileFolder::CreateNew(path);
    for (const TContentEntry& e : entries)
        folder.Add(e.Name, e.Kind, TMemoryStream(e.Bytes));
    folder.Write();
}
