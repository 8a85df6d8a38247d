#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "GraphicsTestKit.h"
#include "graphics/ResourceList.h"
#include "graphics/SurfEngine.h"

using namespace gfxtest;

namespace {

uint32_t FirstPixel(TSurfEngine& engine, const std::string& name) {
    return *reinterpret_cast<const uint32_t*>(engine.FindPixels(name)->Row(0));
}

int CountNamed(const TSurfEngine& engine, const std::string& name) {
    int n = 0;
    for (int i = 0; i < engine.Count(); ++i)
        n += engine.Record(i).Name == name;
    return n;
}

// The two prepared archives of a game folder: the level archive paints its pictures blue, the
// main archive red, so the pixels tell which one a surface came from.
class ResourceListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        squares = scratch.Folder() + "temp/squares.zxc";
        game = scratch.Folder() + "temp/game.zxc";
        const TMemoryStream blue = PngStream(Solid(2, 2, 255, 0, 0));
        const TMemoryStream red = PngStream(Solid(2, 2, 0, 0, 255));
        WriteArchive(squares,
                     {{"surfaces.dat",
                       TMemoryStream(std::string("Both\tboth.png\r\nLevelOnly level.png\r\n")), 0},
                      {"both.png", blue},
                      {"level.png", blue},
                      {"other.png", blue}});
        WriteArchive(game, {{"surfaces.dat",
                             TMemoryStream(std::string(
                                 "Both both.png\nMainOnly main.png\nShout SHOUT.PNG\nLonely\n")),
                             0},
                            {"both.png", red},
                            {"main.png", red},
                            {"SHOUT.PNG", red}});
    }

    ScratchFolder scratch;
    std::string squares, game;
    TSurfEngine engine;
};

} // namespace

TEST_F(ResourceListTest, BothListsLoadTheLevelArchiveFirstAndUpperCaseEndingsNothing) {
    TResourceList list(scratch.Folder(), engine);
    list.AddArchive(squares);
    list.AddArchive(game);
    list.ReadSurfaceList(game, 1);
    list.ReadSurfaceList(squares, 2);
    list.ResolveSurfaces(TResourceList::SlotCount);
    EXPECT_EQ(list.ArchiveCount(), 2);
    EXPECT_EQ(FirstPixel(engine, "Both"), 0x0000FFu); // blue: from the level archive
    EXPECT_EQ(FirstPixel(engine, "MainOnly"), 0xFF0000u);
    EXPECT_NE(engine.FindSurface("LevelOnly"), -1);
    EXPECT_EQ(engine.FindSurface("Shout"), -1);  // ".PNG" loads nothing
    EXPECT_EQ(engine.FindSurface("Lonely"), -1); // a line with one word names no file
    EXPECT_EQ(list.Resources()[list.FindResource("Lonely")].Files[1], "%&");
}

TEST_F(ResourceListTest, ReloadingReplacesTheSurfaceAndUnusedEntriesLoseIt) {
    TResourceList list(scratch.Folder(), [this] { return &engine; });
    list.RegisterResource("Pic", "main.png", 1, game);
    list.ResolveSurfaces(3);
    EXPECT_EQ(FirstPixel(engine, "Pic"), 0xFF0000u);
    // A level names another file for the same surface: one surface, holding the new file.
    list.RegisterResource("Pic", "other.png", 2, squares);
    list.MarkUnused(3);
    list.ResolveSurfaces(3);
    EXPECT_EQ(CountNamed(engine, "Pic"), 1);
    EXPECT_EQ(FirstPixel(engine, "Pic"), 0x0000FFu);
    // The same file name in the other archive is a different picture too.
    list.RegisterResource("Pic", "both.png", 2, squares);
    list.ResolveSurfaces(3);
    list.RegisterResource("Pic", "both.png", 2, game);
    list.ResolveSurfaces(3);
    EXPECT_EQ(CountNamed(engine, "Pic"), 1);
    EXPECT_EQ(FirstPixel(engine, "Pic"), 0xFF0000u);
    // Resolving again with nothing changed loads nothing new.
    const int count = engine.Count();
    list.ResolveSurfaces(3);
    EXPECT_EQ(engine.Count(), count);

    ResourceEntry& entry = const_cast<ResourceEntry&>(list.Resources()[list.FindResource("Pic")]);
    entry.Files.assign(3, "");
    list.MarkUnused(3);
    list.ResolveSurfaces(3);
    EXPECT_EQ(engine.FindSurface("Pic"), -1);
}

TEST_F(ResourceListTest, FilesOnDiskLoadFromTheBaseFolder) {
    const TMemoryStream png = PngStream(Solid(3, 3, 9, 8, 7));
    std::ofstream(scratch.File("loose.png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(png.Data()), static_cast<std::streamsize>(png.Size()));
    TResourceList list(scratch.Folder(), engine);
    list.RegisterResource("Loose", "loose.png", 2, "");
    list.RegisterResource("Gone", "gone.png", 2, "");
    list.ResolveSurfaces(3);
    ASSERT_NE(engine.FindSurface("Loose"), -1);
    EXPECT_EQ(FirstPixel(engine, "Loose"), 0x070809u);
    EXPECT_EQ(engine.FindSurface("Gone"), -1);
}
