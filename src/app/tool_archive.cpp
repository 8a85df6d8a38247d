// quorrel-tool archive list|extract|pack
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "app/ToolCommands.h"
#include "archive/FileFolder.h"
#include "archive/GameError.h"
#include "archive/SFunctions.h"
#include "archive/SafeFile.h"

namespace {

int List(const std::vector<std::string>& args) {
    if (args.size() != 1) return ToolFail("usage: archive list FILE");
    TFileFolder folder = TFileFolder::Open(args[0]);
    // Such an archive opens with no entries, as the game treats it; the lister still says why.
    if (!folder.Fault().empty())
        std::cerr << "archive " << args[0] << " is damaged, no entries: " << folder.Fault() << '\n';
    for (size_t i = 0; i < folder.Dir.size(); ++i) {
        const TDirItem& item = folder.Dir[i];
        std::cout << i << '\t' << item.Kind << '\t' << item.Size << '\t' << item.FileName() << '\n';
    }
    return 0;
}

int Extract(const std::vector<std::string>& args) {
    if (args.size() != 2 && args.size() != 3)
        return ToolFail("usage: archive extract FILE NAME [OUT]");
    TFileFolder folder = TFileFolder::Open(args[0]);
    const TMemoryStream& entry = folder.Read(args[1]);
    if (args.size() == 3) {
        WriteFileAtomically(args[2], entry.Bytes());
    } else {
        std::fwrite(entry.Data(), 1, entry.Size(), stdout);
        std::fflush(stdout);
    }
    return 0;
}

int Pack(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    std::string out;
    int kind = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--kind" && i + 1 < args.size()) {
            if (!TryStrToInt(args[++i], kind) || kind < -32768 || kind > 32767)
                return ToolFail("--kind takes a whole number from -32768 to 32767");
        } else if (out.empty()) {
            out = args[i];
        } else {
            files.push_back(args[i]);
        }
    }
    if (out.empty()) return ToolFail("usage: archive pack OUT [--kind N] FILE...");
    // Built whole in memory first, so a failure leaves OUT untouched.
    TFileFolder folder = TFileFolder::CreateNew(out);
    for (const std::string& path : files) {
        std::string bytes;
        if (!ReadWholeFile(path, bytes)) return ToolFail("cannot read " + path);
        folder.Add(std::filesystem::path(path).filename().string(), static_cast<int16_t>(kind),
                   TMemoryStream(bytes));
    }
    folder.Write();
    return 0;
}

int Archive(const std::vector<std::string>& args) {
    if (args.empty()) return ToolFail("usage: archive list|extract|pack ...");
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "list") return List(rest);
    if (args[0] == "extract") return Extract(rest);
    if (args[0] == "pack") return Pack(rest);
    return ToolFail("unknown archive command '" + args[0] + "'");
}

const ToolCommand
    command("archive",
            "  archive list FILE                     entries: index, kind, size, name\n"
            "  archive extract FILE NAME [OUT]       an entry's bytes to OUT or stdout\n"
            "  archive pack OUT [--kind N] FILE...   a new archive of the files",
            Archive);

} // namespace
