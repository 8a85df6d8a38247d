#include "graphics/Preparation.h"

#include "graphics/PNGMorf.h"
#include "graphics/ResourceList.h"

void PrepareGameArchives(const std::string& programFolder, const TPreparationDisplay& display) {
    auto show = [&display](const std::string& path, int percent) {
        if (display.Show) display.Show(PreparingGraphicsText, path, percent);
    };
    TPNGMorf morf(90, show);
    morf.AddJob(programFolder + "game/game.zxc", programFolder + "temp/game.zxc");
    morf.AddJob(programFolder + "levels/squares.zxc", programFolder + "temp/squares.zxc");
    show("", 0);
    try {
        morf.RunJobs();
    } catch (...) {
        if (display.Hide) display.Hide();
        throw;
    }
    if (display.Hide) display.Hide();
}

void OpenPreparedArchives(const std::string& programFolder, TResourceList& resources) {
    resources.AddArchive(programFolder + "temp/squares.zxc");
    resources.AddArchive(programFolder + "temp/game.zxc");
}
