#pragma once
#include <optional>
#include <string>
#include <vector>

// Where the game reads its data and where it writes its own files. Both end in "/".
// Portable: one folder holds the data and everything the game writes (the build folder, or a
// copy of it anywhere writable). Installed: the data is read from PREFIX/share/quorrel and the
// game writes under $XDG_DATA_HOME/quorrel (default ~/.local/share/quorrel).
struct TGameFolders {
    // game/, levels/, lng/ and the shipped "Demo.dat".
    std::string Data;
    // "options.cfg", "debug.log", "HighScores.dat", a recorded "Demo.dat", saves/ and temp/.
    std::string User;
    bool Installed = false;

    static TGameFolders Portable(const std::string& folder);
    std::string DataPath(const std::string& relative) const { return Data + relative; }
    std::string UserPath(const std::string& relative) const { return User + relative; }
    // Where the demo is played from: a recording of the player's own before the shipped one.
    std::string DemoToPlay() const;
};

// What the decision depends on, gathered once so that tests can set it.
struct TFolderEnvironment {
    std::string ProgramFolder; // the executable's own folder
    std::string DataOverride;  // a folder named on the command line (--data, --dir)
    std::string XdgDataHome;
    std::string Home;

    // The running program's folder and the environment variables.
    static TFolderEnvironment Current(const std::string& dataOverride = "");
};

struct TFolderSearch {
    std::optional<TGameFolders> Folders;
    // The folders that were searched for the data, in order, for the message when none held it.
    std::vector<std::string> LookedIn;
    // Set when the data was found but there is no folder for the player's files.
    std::string Problem;
    // Why Folders is empty: the folders looked in, or the problem.
    std::string Message() const;
};

// The one decision: the named folder, else the program's own folder, else PREFIX/share/quorrel
// beside the program's PREFIX/bin. A data folder that is the installed one or cannot be written
// is installed; any other is portable.
TFolderSearch LocateGameFolders(const TFolderEnvironment& env);

// True when the folder holds the two shipped archives.
bool HoldsGameData(const std::string& folder);

// An installed game's first start: the user folder with its saves/ (so saving works out of the
// box). A portable folder is left as it is. Throws GameError naming the folder it cannot make.
void CreateUserFolder(const TGameFolders& folders);
