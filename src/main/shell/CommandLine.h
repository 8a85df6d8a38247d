#pragma once
#include <optional>
#include <string>
#include <vector>

// What the player may say when starting the game:
//   quorrel [--window | --fullscreen] [--data DIR] | --help | --version
struct TCommandLine {
    bool Help = false;
    bool Version = false;
    // --window (false) or --fullscreen (true): this run only, "options.cfg" keeps its choice.
    std::optional<bool> FullScreen;
    // --data DIR: the data folder to use instead of the one the game finds.
    std::string DataFolder;
    // Set when the arguments cannot be understood; the game then prints the usage and exits 2.
    std::string Error;
};

TCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text of --help (and, on stderr, after an error).
std::string CommandLineUsage();
