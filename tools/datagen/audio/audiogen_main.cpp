// quorrel-audiogen OUTDIR: writes the game's sound effects, music modules and their two list
// files into OUTDIR, to listen to or measure them outside the game.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "AudioContent.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorrel-audiogen OUTDIR\n");
        return 1;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    for (const AudioEntry& entry : AudioEntries()) {
        std::ofstream out(dir / entry.Name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(entry.Bytes.data()),
                  static_cast<std::streamsize>(entry.Bytes.size()));
        if (!out) {
            std::fprintf(stderr, "quorrel-audiogen: cannot write %s\n",
                         (dir / entry.Name).string().c_str());
            return 1;
        }
        std::printf("%s\t%zu\n", entry.Name.c_str(), entry.Bytes.size());
    }
    return 0;
}
