#include "graphics/Preparation.h"

#include "graphics/PNGMorf.h"
#include "graphics/ResourceList.h"

void PrepareGameArchives(const std::string& dataFolder, const std::string& userFolder,
                         const TPreparationDisplay& display) {
    auto show = [&display](const std::string& path, int percent) {
        if (display.Show) display.Show(PreparingGraphicsText, path, percent);
    };
    TPNGMorf morf(90, show);
    morf.AddJob(dataFolder + "game/game.zxc", userFolder + "temp/game.zxc");
    morf.AddJob(dataFolder + "levels/squares.zxc", userFolder + "temp/squares.zxc");
    show("", 0);
    try {
        morf.RunJobs();
    } catch (...) {
        if (display.Hide) display.Hide();
        throw;
    }
    if (display.Hide) display.Hide();
}

void OpenPreparedArchives(const std::string& userFolder, TResourceList& resources) {
    resources.AddArchive(userFolder + "temp/squares.zxc");
    resources.AddArchive(userFolder + "temp/game.zxc");
}
