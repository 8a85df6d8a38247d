// quorrel-tool prepare SRC DEST
#include "app/ToolCommands.h"
#include "graphics/PNGMorf.h"

namespace {

// One conversion, whichever way the entries' extensions point: whole PNGs are split for
// shipping, shipped pairs are joined for the game. DEST is replaced whole, or left alone on
// failure.
int Prepare(const std::vector<std::string>& args) {
    if (args.size() != 2) return ToolFail("usage: prepare SRC DEST");
    TPNGMorf morf(90);
    morf.ConvertArchive(args[0], args[1]);
    return 0;
}

const ToolCommand command("prepare",
                          "  prepare SRC DEST                      convert archive SRC into DEST "
                          "(split whole PNGs, or join shipped images and run scripts)",
                          Prepare);

} // namespace
