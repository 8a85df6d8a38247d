#include "main/shell/CommandLine.h"

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    TCommandLine line;
    for (size_t i = 0; i < args.size() && line.Error.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            line.Help = true;
        } else if (a == "--version") {
            line.Version = true;
        } else if (a == "--window" || a == "--fullscreen") {
            const bool full = a == "--fullscreen";
            if (line.FullScreen && *line.FullScreen != full)
                line.Error = "--window and --fullscreen exclude each other";
            line.FullScreen = full;
        } else if (a == "--data") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                line.Error = "--data needs a folder";
            else
                line.DataFolder = args[++i];
        } else if (a.rfind("--data=", 0) == 0 && a.size() > 7) {
            line.DataFolder = a.substr(7);
        } else {
            line.Error = "unknown option '" + a + "'";
        }
    }
    return line;
}

std::string CommandLineUsage() {
    return "usage: quorrel [--window | --fullscreen] [--data DIR]\n"
           "       quorrel --help | --version\n"
           "\n"
           "  --window       play in a window this time (options.cfg keeps its choice)\n"
           "  --fullscreen   play full screen this time\n"
           "  --data DIR     read the game data (game/, levels/, lng/) from DIR\n"
           "  --help         show this text\n"
           "  --version      show the version\n"
           "\n"
           "A game folder that holds its data and can be written keeps everything in it\n"
           "(portable). An installed game reads PREFIX/share/quorrel and keeps options,\n"
           "saves, high scores and the log in $XDG_DATA_HOME/quorrel\n"
           "(default ~/.local/share/quorrel).\n";
}
