#include "ShippedForm.h"

#include <filesystem>

#include "archive/FileFolder.h"
#include "archive/MemoryStream.h"
#include "graphics/PNGMorf.h"

namespace {

// The quality the game's own preparation uses.
constexpr int JpegQuality = 90;

} // namespace

void WriteShippedArchive(const std::string& path, const std::vector<TContentEntry>& entries) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    // The whole form lives only in memory; nothing is written under this name.
    TFileFolder whole = TFileFolder::CreateNew(path + ".whole");
    for (const TContentEntry& e : entries)
        whole.Add(e.Name, e.Kind, TMemoryStream(e.Bytes));
    TFileFolder shipped = TFileFolder::CreateNew(path);
    TPNGMorf morf(JpegQuality);
    morf.ConvertEntries(whole, shipped);
    shipped.Write();
}
