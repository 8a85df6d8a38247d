#pragma once
// The built game's data for harnesses that read a file into the running game (a level, a
// demo): the data folder of the normal build, and a user folder of this process's own for
// what the game writes (debug.log, options.cfg), removed when the process ends. Its temp/ is
// kept in the fuzz build, so the archives are prepared once, not at every start.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "archive/GameFolders.h"

// QUORREL_FUZZ_GAME_DIR, else the normal build's game folder of this source tree. Without the
// built archives the harness would test nothing, so it stops at once and says why.
inline TGameFolders FuzzGameFolders(const char* name) {
    const char* env = std::getenv("QUORREL_FUZZ_GAME_DIR");
    std::string data = env && *env ? env : QUORREL_FUZZ_GAME_DIR;
    if (data.back() != '/') data += '/';
    if (!HoldsGameData(data)) {
        std::fprintf(stderr,
                     "fuzz_%s: no built game in %s; build it first (make build) or set "
                     "QUORREL_FUZZ_GAME_DIR\n",
                     name, data.c_str());
        std::exit(2);
    }
    struct UserFolder {
        std::filesystem::path Path;
        explicit UserFolder(const std::string& p) : Path(p) {
            std::filesystem::remove_all(Path);
            std::filesystem::create_directories(Path / "saves");
            std::filesystem::create_directories(QUORREL_FUZZ_PREPARED);
            std::filesystem::create_directory_symlink(QUORREL_FUZZ_PREPARED, Path / "temp");
        }
        ~UserFolder() {
            std::error_code ec;
            std::filesystem::remove_all(Path, ec);
        }
    };
    static UserFolder user(std::filesystem::temp_directory_path().string() + "/quorrel_fuzz_" +
                           name + "_" + std::to_string(getpid()));
    return TGameFolders{data, user.Path.string() + "/", false};
}
