#include "archive/GameFolders.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

#include "archive/GameError.h"
#include "archive/SafeFile.h"

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

// The folder for the player's files; "" when the environment names none. A relative
// XDG_DATA_HOME is ignored, as the base directory rules ask.
std::string UserDataHome(const TFolderEnvironment& env) {
    if (!env.XdgDataHome.empty() && env.XdgDataHome[0] == '/')
        return WithSlash(env.XdgDataHome) + "quorrel/";
    if (!env.Home.empty()) return WithSlash(env.Home) + ".local/share/quorrel/";
    return "";
}

} // namespace

TGameFolders TGameFolders::Portable(const std::string& folder) {
    const std::string f = WithSlash(folder);
    return {f, f, false};
}

std::string TGameFolders::DemoToPlay() const {
    const std::string recorded = UserPath("Demo.dat");
    return FileExists(recorded) ? recorded : DataPath("Demo.dat");
}

TFolderEnvironment TFolderEnvironment::Current(const std::string& dataOverride) {
    TFolderEnvironment env;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    env.ProgramFolder = ec ? "./" : WithSlash(exe.parent_path().string());
    env.DataOverride = dataOverride;
    env.XdgDataHome = Env("XDG_DATA_HOME");
    env.Home = Env("HOME");
    if (env.Home.empty())
        if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) env.Home = pw->pw_dir;
    return env;
}

std::string TFolderSearch::Message() const {
    if (!Problem.empty()) return Problem;
    std::string text = "The game data (game/game.zxc and levels/squares.zxc) was not found in:";
    for (const std::string& folder : LookedIn)
        text += "\n  " + folder;
    return text;
}

bool HoldsGameData(const std::string& folder) {
    return FileExists(WithSlash(folder) + "game/game.zxc") &&
           FileExists(WithSlash(folder) + "levels/squares.zxc");
}

TFolderSearch LocateGameFolders(const TFolderEnvironment& env) {
    TFolderSearch search;
    const std::string own = WithSlash(env.ProgramFolder);
    const std::string shared =
        WithSlash((fs::path(own) / ".." / "share" / "quorrel").lexically_normal().string());
    if (!env.DataOverride.empty())
        search.LookedIn.push_back(WithSlash(env.DataOverride));
    else
        search.LookedIn = {own, shared};

    for (const std::string& data : search.LookedIn) {
        if (!HoldsGameData(data)) continue;
        // The installed data stays read-only even for a user (root) who could write it.
        const bool installed = SameFolder(data, shared) || access(data.c_str(), W_OK) != 0;
        if (!installed) {
            search.Folders = TGameFolders::Portable(data);
            return search;
        }
        const std::string user = UserDataHome(env);
        if (user.empty()) {
            search.Problem = "Neither XDG_DATA_HOME nor HOME names a folder for the game's files";
            return search;
        }
        search.Folders = TGameFolders{data, user, true};
        return search;
    }
    return search;
}

void CreateUserFolder(const TGameFolders& folders) {
    if (!folders.Installed) return;
    std::error_code ec;
    fs::create_directories(folders.UserPath("saves"), ec);
    if (ec || !fs::is_directory(folders.UserPath("saves")))
        throw GameError("Cannot create the folder " + folders.UserPath("saves") + ": " +
                        ec.message());
}
