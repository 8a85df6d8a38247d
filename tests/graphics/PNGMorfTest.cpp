#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>

#include "GraphicsTestKit.h"
#include "archive/GameError.h"
#include "archive/SafeFile.h"
#include "graphics/ImageScript.h"
#include "graphics/PNGMorf.h"
#include "graphics/Preparation.h"

using namespace gfxtest;

namespace {

TImage Sprite() {
    TImage colour = MakeImage(12, 10, [](int x, int y) {
        return std::array<int, 3>{x * 20, y * 25, 90};
    });
    return WithAlpha(colour, [](int x, int y) { return (x + y) % 3 == 0 ? 0 : 40 * y + x; });
}

std::string ErrorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const GameError& e) {
        return e.what();
    }
    return "";
}

TImage PictureIn(const std::string& archive, const std::string& name) {
    TFileFolder folder = TFileFolder::Open(archive);
    return DecodedPng(folder.Read(name));
}

int KindOf(const std::string& archive, const std::string& name) {
    TFileFolder folder = TFileFolder::Open(archive);
    return folder.Dir[folder.Find(name)].Kind;
}

int RunTool(const std::string& args) {
    return std::system((std::string(QUORREL_TOOL) + " " + args + " 2>/dev/null").c_str());
}

} // namespace

TEST(PNGMorfConvert, ShippingSplitsWholePngsAndTheGameJoinsThemBackWithTheAlphaExact) {
    ScratchFolder scratch;
    const std::string source = scratch.File("source.zxc"), shipped = scratch.File("shipped.zxc"),
                      prepared = scratch.File("prepared.zxc");
    WriteArchive(source, {{"sprite.PNG", PngStream(Sprite())},
                          {"glow.aim",
                           TMemoryStream(std::string("<AutoImage autosize=\"true\">\n"
                                                     "<AddImage name=\"sprite.png\"/>\n")),
                           1},
                          {"levels.dat", TMemoryStream(std::string("level one")), 7}});
    TPNGMorf morf;
    morf.ConvertArchive(source, shipped);
    EXPECT_EQ(EntryNames(shipped),
              (std::vector<std::string>{"sprite._JPG", "sprite._PNG", "glow._aim", "levels.dat"}));
    EXPECT_EQ(KindOf(shipped, "sprite._JPG"), 2);
    EXPECT_EQ(KindOf(shipped, "glow._aim"), 1);
    EXPECT_EQ(KindOf(shipped, "levels.dat"), 7);

    morf.ConvertArchive(shipped, prepared);
    EXPECT_EQ(EntryNames(prepared),
              (std::vector<std::string>{"sprite.PNG", "glow.aim", "levels.dat", "glow.pNg"}));
    const TImage back = PictureIn(prepared, "sprite.PNG");
    EXPECT_EQ(back.Alpha, Sprite().Alpha);
    // The script ran on the joined picture: same size, its alpha merged over a clear canvas.
    const TImage glow = PictureIn(prepared, "glow.pNg");
    EXPECT_EQ(glow.Width, 12);
    const std::vector<uint8_t> alpha = Sprite().Alpha;
    ASSERT_EQ(glow.Alpha.size(), alpha.size());
    for (size_t i = 0; i < alpha.size(); ++i)
        EXPECT_EQ(glow.Alpha[i], alpha[i] == 0 ? 0 : 255 - (((255 - alpha[i]) * 255) >> 8));
}

TEST(PNGMorfConvert, PairsNeedTheirPartnerEntry) {
    ScratchFolder scratch;
    const std::string noJpeg = scratch.File("a.zxc"), noJpg = scratch.File("b.zxc");
    WriteArchive(noJpeg, {{"lone._PNG", PngStream(Solid(2, 2, 1, 1, 1))}});
    WriteArchive(noJpg, {{"lone.PnG", PngStream(Sprite())}});
    TPNGMorf morf;
    EXPECT_EQ(ErrorOf([&] { morf.ConvertArchive(noJpeg, scratch.File("out.zxc")); }),
              "File lone._JPG does not exist!");
    EXPECT_EQ(ErrorOf([&] { morf.ConvertArchive(noJpg, scratch.File("out.zxc")); }),
              "File lone.jpg does not exist!");
    EXPECT_FALSE(FileExists(scratch.File("out.zxc")));

    // With its JPEG, a "PnG" keeps the JPEG as it is beside the grey mask, once only.
    const std::string withJpg = scratch.File("c.zxc");
    WriteArchive(withJpg, {{"pic.jpg", JpegStream(Solid(12, 10, 5, 5, 5))},
                           {"pic.PnG", PngStream(Sprite())}});
    morf.ConvertArchive(withJpg, scratch.File("out.zxc"));
    EXPECT_EQ(EntryNames(scratch.File("out.zxc")),
              (std::vector<std::string>{"pic.jpg", "pic._PnG"}));
}

TEST(PNGMorfConvert, ADamagedPictureFailsTheConversionAndWritesNothing) {
    ScratchFolder scratch;
    const TMemoryStream good = PngStream(Sprite());
    WriteArchive(scratch.File("src.zxc"),
                 {{"ok.PNG", good},
                  {"bad.PNG", TMemoryStream(std::vector<uint8_t>(good.Data(), good.Data() + 40))}});
    TPNGMorf morf;
    EXPECT_EQ(
        ErrorOf([&] { morf.ConvertArchive(scratch.File("src.zxc"), scratch.File("dst.zxc")); }),
        "Can not convert file bad.PNG!");
    EXPECT_FALSE(FileExists(scratch.File("dst.zxc")));
}

TEST(PNGMorfConvert, ReportsProgressPerEntryOfTheSourceArchive) {
    ScratchFolder scratch;
    std::vector<Entry> entries;
    for (int i = 0; i < 5; ++i)
        entries.push_back({"e" + std::to_string(i) + ".txt", TMemoryStream(std::string("x"))});
    WriteArchive(scratch.File("src.zxc"), entries);
    std::vector<int> seen;
    std::string text;
    TPNGMorf morf(90, [&](const std::string& t, int percent) {
        text = t;
        seen.push_back(percent);
    });
    morf.ConvertArchive(scratch.File("src.zxc"), scratch.File("dst.zxc"));
    EXPECT_EQ(seen, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(text, scratch.File("src.zxc"));
}

TEST(PNGMorfJobs, TheSecondStartConvertsOnlyNewerSourcesAndAMissingSourceIsReported) {
    ScratchFolder scratch;
    const std::string folder = scratch.Folder();
    WriteArchive(folder + "game/game.zxc", {{"a.txt", TMemoryStream(std::string("first"))}});
    WriteArchive(folder + "levels/squares.zxc", {{"b.txt", TMemoryStream(std::string("first"))}});
    std::vector<std::string> shown;
    int hidden = 0;
    TPreparationDisplay display{
        [&](const std::string& text, const std::string&, int) { shown.push_back(text); },
        [&] { ++hidden; }};
    PrepareGameArchives(folder, display);
    EXPECT_EQ(EntryNames(folder + "temp/game.zxc"), (std::vector<std::string>{"a.txt"}));
    EXPECT_EQ(EntryNames(folder + "temp/squares.zxc"), (std::vector<std::string>{"b.txt"}));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0], "Preparing game graphics ...");
    EXPECT_EQ(hidden, 1);

    // A source older than its prepared copy is not converted again...
    namespace fs = std::filesystem;
    WriteArchive(folder + "game/game.zxc", {{"changed.txt", TMemoryStream(std::string("second"))}});
    const auto made = fs::last_write_time(folder + "temp/game.zxc");
    fs::last_write_time(folder + "game/game.zxc", made - std::chrono::hours(1));
    PrepareGameArchives(folder, display);
    EXPECT_EQ(EntryNames(folder + "temp/game.zxc"), (std::vector<std::string>{"a.txt"}));
    // ...but a newer one (an update of the game) replaces the stale copy.
    fs::last_write_time(folder + "game/game.zxc", made + std::chrono::hours(1));
    PrepareGameArchives(folder, display);
    EXPECT_EQ(EntryNames(folder + "temp/game.zxc"), (std::vector<std::string>{"changed.txt"}));

    std::filesystem::remove(folder + "levels/squares.zxc");
    std::filesystem::remove(folder + "temp/squares.zxc");
    EXPECT_EQ(ErrorOf([&] { PrepareGameArchives(folder, display); }),
              "Can not find file " + folder + "levels/squares.zxc!");
    EXPECT_EQ(hidden, 4); // hidden again after the failure too
}

TEST(PNGMorfScript, AutosizeTakesTheFirstAddedImageOnlyAndLaterImagesBlend) {
    TFileFolder archive = TFileFolder::CreateNew("memory.zxc");
    archive.Add("base.png", 2, PngStream(Solid(3, 2, 200, 100, 0)));
    archive.Add("big.png", 2, PngStream(Solid(5, 5, 0, 0, 0)));
    archive.Add("half.png", 2,
                PngStream(WithAlpha(Solid(1, 1, 0, 0, 255), [](int, int) { return 128; })));
    const TImage image =
        RunImageScript("<AutoImage name=\"x\" autosize=\"true\">\n"
                       "<AddImage name=\"base.png\" left=\"9\" top=\"9\"/>\n"
                       "<AddImage name=\"big.png\" left=\"2\" top=\"0\" alfa=\"128\"/>\n"
                       "<AddImage name=\"half.png\" left=\"0\" top=\"1\"/>\n",
                       archive);
    ASSERT_EQ(image.Width, 3);
    ASSERT_EQ(image.Height, 2);
    // The first image is written directly at 0, 0 (autosize drops its left and top).
    EXPECT_EQ(image.Pixel(0, 0)[0], 200);
    // big.png at alfa 128: h = 255 * 128 >> 8 = 127; (128 * 200 + 127 * 0) >> 8 = 100.
    EXPECT_EQ(image.Pixel(2, 0)[0], 100);
    // half.png (alpha 128, red 255): h = 128 * 255 >> 8 = 127; (128 * 0 + 127 * 255) >> 8 = 126.
    EXPECT_EQ(image.Pixel(0, 1)[2], 126);
    // It carries transparency: the opaque picture so far keeps alpha 255 everywhere.
    ASSERT_TRUE(image.HasAlpha);
    EXPECT_EQ(image.Alpha[3], 255);
}

TEST(PNGMorfScript, FirstTransparentImageStartsFromAClearCanvasAndTintsWithColorValue) {
    TFileFolder archive = TFileFolder::CreateNew("memory.zxc");
    archive.Add("dot.png", 2,
                PngStream(WithAlpha(Solid(1, 1, 100, 100, 100), [](int, int) { return 128; })));
    const TImage image =
        RunImageScript("<AutoImage width=\"2\" height=\"1\">\n"
                       "<AddImage name=\"dot.png\" colorvalue=\"128\" color=\"255 0 0\"/>\n",
                       archive);
    ASSERT_TRUE(image.HasAlpha);
    EXPECT_EQ(image.Alpha[0], 255 - ((127 * 255) >> 8)); // merged over alpha 0
    EXPECT_EQ(image.Alpha[1], 0);                        // untouched pixels stay clear
    // Tinted towards red: s' = t + ((s - t) * 128 >> 8), written directly.
    EXPECT_EQ(image.Pixel(0, 0)[2], 255 + (((100 - 255) * 128) >> 8));
    EXPECT_EQ(image.Pixel(0, 0)[0], 50);
}

TEST(PNGMorfScript, MissingPicturesAndBadNumbersAbort) {
    TFileFolder archive = TFileFolder::CreateNew("memory.zxc");
    archive.Add("a.png", 2, PngStream(Solid(2, 2, 1, 1, 1)));
    EXPECT_EQ(ErrorOf([&] { RunImageScript("<AddImage name=\"none.png\"/>", archive); }),
              "File none.png does not exist in File Folder!");
    EXPECT_THROW(RunImageScript("<AutoImage width=\"1x\" height=\"2\">", archive), GameError);
    EXPECT_THROW(RunImageScript("<AddImage name=\"a.png\" srcrect=\"0 0 1\"/>", archive),
                 GameError);
}

TEST(PNGMorfScript, CanvasesLargerThanAPictureAreRefusedNamingTheScript) {
    TFileFolder archive = TFileFolder::CreateNew("memory.zxc");
    archive.Add("a.png", 2, PngStream(Solid(2, 2, 1, 1, 1)));
    for (const std::string script :
         {"<AutoImage width=\"9000\" height=\"1\">", "<AutoImage width=\"5000\" height=\"5000\">",
          "<AutoImage width=\"2\" height=\"2\">\n<ScaleImage width=\"8192\" height=\"8192\"/>",
          "<AddImage name=\"a.png\" srcrect=\"0 0 9999 0\"/>\n<CropImage height=\"100000\"/>",
          "<AutoImage autosize=\"true\">\n<AddImage name=\"a.png\" srcrect=\"0 0 8192 0\"/>"}) {
        const std::string error = ErrorOf([&] { RunImageScript(script, archive, "big.aim"); });
        EXPECT_EQ(error.rfind("Image script big.aim: a canvas of ", 0), 0u) << script << error;
    }
    // The largest canvas a picture may be is still made.
    const TImage largest =
        RunImageScript("<AutoImage width=\"8192\" height=\"2048\">", archive, "big.aim");
    EXPECT_EQ(largest.PixelCount(), 16u * 1024 * 1024);
}

TEST(PNGMorfScript, CropSharesTheRectangleOfTheLastAddImage) {
    TFileFolder archive = TFileFolder::CreateNew("memory.zxc");
    archive.Add("strip.png", 2, PngStream(MakeImage(6, 2, [](int x, int) {
                    return std::array<int, 3>{x * 10, 0, 0};
                })));
    const TImage image = RunImageScript("<AutoImage width=\"6\" height=\"2\">\n"
                                        "<AddImage name=\"strip.png\" srcrect=\"2 0 4 1\"/>\n"
                                        "<CropImage left=\"1\"/>\n",
                                        archive);
    // The rectangle 2..4 x 0..1 drawn at 0, 0; the crop takes width 3, height 2 from column 1.
    ASSERT_EQ(image.Width, 3);
    ASSERT_EQ(image.Height, 2);
    EXPECT_EQ(image.Pixel(0, 0)[0], 30);
    EXPECT_EQ(image.Pixel(2, 0)[0], 0);
}

TEST(PrepareTool, ConvertsBothWaysReplacesDestAndLeavesItAloneOnFailure) {
    ScratchFolder scratch;
    WriteArchive(scratch.File("whole.zxc"), {{"s.PNG", PngStream(Sprite())}});
    WriteArchive(scratch.File("ship.zxc"), {{"old.txt", TMemoryStream(std::string("old"))}});
    ASSERT_EQ(RunTool("prepare " + scratch.File("whole.zxc") + " " + scratch.File("ship.zxc")), 0);
    EXPECT_EQ(EntryNames(scratch.File("ship.zxc")), (std::vector<std::string>{"s._JPG", "s._PNG"}));
    ASSERT_EQ(RunTool("prepare " + scratch.File("ship.zxc") + " " + scratch.File("game.zxc")), 0);
    EXPECT_EQ(PictureIn(scratch.File("game.zxc"), "s.PNG").Alpha, Sprite().Alpha);

    EXPECT_NE(RunTool("prepare " + scratch.File("none.zxc") + " " + scratch.File("x.zxc")), 0);
    EXPECT_FALSE(FileExists(scratch.File("x.zxc")));
    EXPECT_NE(RunTool("prepare " + scratch.File("whole.zxc")), 0);
    const std::string out = scratch.File("err.txt");
    EXPECT_NE(std::system((std::string(QUORREL_TOOL) + " prepare " + scratch.File("none.zxc") +
                           " " + scratch.File("x.zxc") + " 2>" + out)
                              .c_str()),
              0);
    std::string message;
    ReadWholeFile(out, message);
    EXPECT_EQ(message, "quorrel-tool: Can not find file " + scratch.File("none.zxc") + "!\n");
}
