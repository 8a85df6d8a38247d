#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include <zlib.h>

#include "GraphicsTestKit.h"
#include "archive/GameError.h"
#include "graphics/DisplaySwitch.h"
#include "graphics/SurfEngine.h"
#include "platform/Platform.h"

using namespace gfxtest;

namespace {

uint32_t Pixel32(TSurfEngine& engine, const std::string& name, int x, int y) {
    return reinterpret_cast<const uint32_t*>(engine.FindPixels(name)->Row(y))[x];
}

uint16_t Pixel16(TSurfEngine& engine, const std::string& name, int x, int y) {
    return reinterpret_cast<const uint16_t*>(engine.FindPixels(name)->Row(y))[x];
}

// An archive kept in memory only (entries added, never written).
struct MemoryArchive {
    TFileFolder Folder = TFileFolder::CreateNew("memory.zxc");
    void Add(const std::string& name, const TMemoryStream& data) { Folder.Add(name, 2, data); }
};

class FakeDisplay : public IDisplay {
  public:
    explicit FakeDisplay(int bpp) : bpp_(bpp) {}
    bool Open(int, int bpp, int, bool fullScreen) override {
        Opens.push_back(bpp);
        if (bpp == RefusedDepth || RefuseAll) return false;
        bpp_ = bpp;
        full_ = fullScreen;
        return open_ = true;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool IsFullScreen() const override { return full_; }
    int BitsPerPixel() const override { return bpp_; }
    void SetWindowPosition(int, int) override {}
    void Present(const FrameView& frame) override {
        Frames++;
        Last = frame;
        FirstPixel = *reinterpret_cast<const uint32_t*>(frame.Pixels);
    }
    int Frames = 0;
    int RefusedDepth = 0;
    bool RefuseAll = false;
    std::vector<int> Opens;
    FrameView Last;
    uint32_t FirstPixel = 0;

  private:
    int bpp_;
    bool open_ = true;
    bool full_ = false;
};

// A 20 x 1 picture whose column k has blue value 10 + k, fully opaque through an alpha plane.
TImage Ruler() {
    return WithAlpha(MakeImage(20, 1,
                               [](int x, int) {
                                   return std::array<int, 3>{10 + x, 0, 0};
                               }),
                     [](int, int) { return 255; });
}

} // namespace

TEST(SurfEngineRegistry, TwoRecordsOfOneNameFindAndDeleteTheEarlierFirst) {
    TSurfEngine engine;
    ASSERT_TRUE(engine.CreateBlankSurface("Twin", 4, 4));
    ASSERT_TRUE(engine.CreateBlankSurface("Other", 2, 2));
    ASSERT_TRUE(engine.CreateBlankSurface("Twin", 8, 8));
    EXPECT_EQ(engine.FindSurface("Twin"), 0);
    EXPECT_EQ(engine.FindSurface("twin"), -1); // names are case-sensitive
    engine.DeleteSurface("Twin");
    ASSERT_EQ(engine.Count(), 2);
    EXPECT_EQ(engine.Record(engine.FindSurface("Twin")).Width, 8);
    EXPECT_EQ(engine.Record(0).Name, "Other");
    EXPECT_FALSE(engine.CreateBlankSurface("Nothing", 0, 10));
    EXPECT_EQ(engine.FindSurface("Nothing"), -1);
}

TEST(SurfEngineLoading, SixteenBitPngPixelsNeverHaveAZeroChannelButJpegOnesMay) {
    MemoryArchive archive;
    TImage png = MakeImage(3, 1, [](int x, int) {
        return x == 0   ? std::array<int, 3>{0, 0, 0}   // black
               : x == 1 ? std::array<int, 3>{0, 0, 255} // red
                        : std::array<int, 3>{255, 255, 255};
    });
    archive.Add("p.png", PngStream(png));
    archive.Add("j.jpg", JpegStream(Solid(8, 8, 0, 0, 0), 100));
    TSurfEngine engine(16);
    ASSERT_TRUE(engine.LoadPngSurface(archive.Folder, "P", "p.png"));
    ASSERT_TRUE(engine.LoadJpegSurface(archive.Folder, "J", "j.jpg"));
    EXPECT_EQ(Pixel16(engine, "P", 0, 0), 0x0841); // red 1, green 1 (lowest green bit 0), blue 1
    EXPECT_EQ(Pixel16(engine, "P", 1, 0), 0xF841);
    EXPECT_EQ(Pixel16(engine, "P", 2, 0), 0xFFDF); // the lowest green bit stays 0
    EXPECT_EQ(Pixel16(engine, "J", 3, 3), 0x0000);
}

TEST(SurfEngineLoading, ArchivePngWithoutAlphaGetsAFullMaskAndDrawsLikeACopy) {
    MemoryArchive archive;
    TImage picture = MakeImage(16, 9, [](int x, int y) {
        return std::array<int, 3>{x * 9, y * 20, 77};
    });
    archive.Add("pic.png", PngStream(picture));
    TSurfEngine engine;
    ASSERT_TRUE(engine.LoadPngSurface(archive.Folder, "Pic", "pic.png"));
    const SurfaceRecord& rec = engine.Record(engine.FindSurface("Pic"));
    EXPECT_EQ(rec.MaskWidth, 16);
    EXPECT_EQ(rec.SourceEntry, "pic.png");
    ASSERT_TRUE(engine.CreateBlankSurface("A", 40, 40));
    ASSERT_TRUE(engine.CreateBlankSurface("B", 40, 40));
    engine.DrawAlpha("Pic", "A", 5, 7, 255);
    engine.CopySurface("Pic", "B", std::nullopt, 5, 7);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(Pixel32(engine, "A", x, y), Pixel32(engine, "B", x, y));
    EXPECT_EQ(Pixel32(engine, "A", 5 + 2, 7 + 3), (77u << 16) | (60u << 8) | 18u);
    EXPECT_FALSE(engine.LoadPngSurface(archive.Folder, "Missing", "nothing.png"));
    EXPECT_EQ(engine.FindSurface("Missing"), -1);
}

TEST(SurfEngineLoading, FilesAddNothingWhenMissingAndRaiseWhenDamaged) {
    ScratchFolder scratch;
    TSurfEngine engine;
    EXPECT_FALSE(engine.LoadPngSurfaceFromFile("X", scratch.File("none.png")));
    EXPECT_FALSE(engine.LoadJpegSurfaceFromFile("X", scratch.File("none.jpg")));
    EXPECT_EQ(engine.Count(), 0);

    const TMemoryStream opaque = PngStream(Solid(4, 4, 1, 2, 3));
    std::ofstream(scratch.File("opaque.png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(opaque.Data()),
               static_cast<std::streamsize>(opaque.Size()));
    ASSERT_TRUE(engine.LoadPngSurfaceFromFile("Opaque", scratch.File("opaque.png")));
    EXPECT_EQ(engine.Record(0).MaskWidth, -1); // an opaque file is drawn by plain copy

    std::ofstream(scratch.File("bad.png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(opaque.Data()), 30);
    EXPECT_THROW(engine.LoadPngSurfaceFromFile("Bad", scratch.File("bad.png")), GameError);
    EXPECT_EQ(engine.FindSurface("Bad"), -1);
}

// A tiny picture whose header claims w x h: a PNG with its IHDR (and checksum) rewritten, or
// a JPEG with its frame header rewritten.
std::string ClaimingSize(bool png, int w, int h) {
    const TImage small = Solid(8, 8, 1, 2, 3);
    std::vector<uint8_t> bytes;
    if (png) {
        EncodePng(small, bytes);
        for (int k = 0; k < 4; ++k) {
            bytes[16 + k] = static_cast<uint8_t>(w >> (24 - 8 * k));
            bytes[20 + k] = static_cast<uint8_t>(h >> (24 - 8 * k));
        }
        const uint32_t crc = static_cast<uint32_t>(crc32(0, &bytes[12], 17));
        for (int k = 0; k < 4; ++k)
            bytes[29 + k] = static_cast<uint8_t>(crc >> (24 - 8 * k));
    } else {
        EncodeJpeg(small, 90, bytes);
        size_t sof = 2;
        while (sof + 9 < bytes.size() && !(bytes[sof] == 0xFF && bytes[sof + 1] == 0xC0))
            ++sof;
        bytes[sof + 5] = static_cast<uint8_t>(h >> 8), bytes[sof + 6] = static_cast<uint8_t>(h);
        bytes[sof + 7] = static_cast<uint8_t>(w >> 8), bytes[sof + 8] = static_cast<uint8_t>(w);
    }
    return std::string(bytes.begin(), bytes.end());
}

// A 16384 x 16384 grey PNG of a few hundred KB used to be decoded into gigabytes.
TEST(SurfEngineLoading, PicturesLargerThanTheLimitAreRefusedBeforeDecoding) {
    ScratchFolder scratch;
    TSurfEngine engine;
    struct Case {
        bool Png;
        int W, H;
        const char* Size;
    };
    for (const Case& c :
         {Case{true, 16384, 16384, "16384 x 16384"}, Case{true, 8193, 1, "8193 x 1"},
          Case{true, 8192, 2049, "8192 x 2049"}, // past 16 million pixels
          Case{false, 16384, 16384, "16384 x 16384"}, Case{false, 4097, 4097, "4097 x 4097"}}) {
        const std::string path = scratch.File(c.Png ? "huge.png" : "huge.jpg");
        std::ofstream(path, std::ios::binary) << ClaimingSize(c.Png, c.W, c.H);
        try {
            if (c.Png)
                engine.LoadPngSurfaceFromFile("Huge", path);
            else
                engine.LoadJpegSurfaceFromFile("Huge", path);
            ADD_FAILURE() << c.Size << " was accepted";
        } catch (const GameError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(path), std::string::npos) << message;
            EXPECT_NE(message.find(std::string(c.Size) + " pixels is larger"), std::string::npos)
                << message;
        }
    }
    EXPECT_EQ(engine.Count(), 0);
}

TEST(SurfEngineDrawAlpha, ClipsAtTheLeftAndAtTheScreensRightEdge) {
    MemoryArchive archive;
    archive.Add("ruler.png", PngStream(Ruler()));
    TSurfEngine engine;
    ASSERT_TRUE(engine.LoadPngSurface(archive.Folder, "Ruler", "ruler.png"));
    ASSERT_TRUE(engine.CreateBlankSurface("MemorySurface", 800, 600));
    engine.DrawAlpha("Ruler", "MemorySurface", -10, 0, 255);
    EXPECT_EQ(Pixel32(engine, "MemorySurface", 0, 0), 20u); // the eleventh column at x 0
    EXPECT_EQ(Pixel32(engine, "MemorySurface", 9, 0), 29u);
    EXPECT_EQ(Pixel32(engine, "MemorySurface", 10, 0), 0u);
    engine.DrawAlpha("Ruler", "MemorySurface", 790, 5, 255); // x + w = 810
    EXPECT_EQ(Pixel32(engine, "MemorySurface", 790, 5), 10u);
    EXPECT_EQ(Pixel32(engine, "MemorySurface", 799, 5), 19u);
    // The row below was not touched by the dropped columns.
    EXPECT_EQ(Pixel32(engine, "MemorySurface", 0, 6), 0u);
}

TEST(SurfEngineDrawAlpha, NeverWritesOutsideASmallTargetEvenWithAGivenRectangle) {
    MemoryArchive archive;
    archive.Add("ruler.png", PngStream(Ruler()));
    TSurfEngine engine;
    ASSERT_TRUE(engine.LoadPngSurface(archive.Folder, "Ruler", "ruler.png"));
    ASSERT_TRUE(engine.CreateBlankSurface("Small", 5, 2));
    ASSERT_TRUE(engine.CreateBlankSurface("Guard", 5, 2));
    engine.DrawAlpha("Ruler", "Small", 2, 1, 255, TRect{0, 0, 19, 5});
    EXPECT_EQ(Pixel32(engine, "Small", 2, 1), 10u);
    EXPECT_EQ(Pixel32(engine, "Small", 4, 1), 12u);
    EXPECT_EQ(Pixel32(engine, "Guard", 0, 0), 0u);
    // Source column -5 would land at -3, so column 0 lands at 2; the rest is cut.
    engine.CopySurface("Ruler", "Small", TRect{-5, 0, 40, 0}, -3, 0);
    EXPECT_EQ(Pixel32(engine, "Small", 1, 0), 0u);
    EXPECT_EQ(Pixel32(engine, "Small", 2, 0), 10u);
    EXPECT_EQ(Pixel32(engine, "Small", 4, 0), 12u);
}

TEST(SurfEngineDrawAlpha, OpacityTintAndLevelFollowThePixelRule) {
    MemoryArchive archive;
    TImage two = MakeImage(2, 1, [](int x, int) {
        return x == 0 ? std::array<int, 3>{255, 255, 255} : std::array<int, 3>{30, 200, 90};
    });
    archive.Add("two.png", PngStream(WithAlpha(two, [](int, int) { return 255; })));
    TSurfEngine engine;
    ASSERT_TRUE(engine.LoadPngSurface(archive.Folder, "Two", "two.png"));
    ASSERT_TRUE(engine.CreateBlankSurface("T", 2, 3));
    // Opacity 128 on mask 255: a = 127, so white over black gives 255 * 127 >> 8 = 126.
    engine.DrawAlpha("Two", "T", 0, 0, 128);
    EXPECT_EQ(Pixel32(engine, "T", 0, 0), 0x007E7E7Eu);
    // Level 1 paints the shape in the tint colour: both pixels end up (nearly) the same.
    engine.DrawAlpha("Two", "T", 0, 1, 255, std::nullopt, 0x00FF8000, 1);
    const uint32_t a = Pixel32(engine, "T", 0, 1), b = Pixel32(engine, "T", 1, 1);
    for (int shift : {0, 8, 16})
        EXPECT_NEAR(int((a >> shift) & 255), int((b >> shift) & 255), 1);
    EXPECT_EQ(a & 255, (255u * 254) >> 8); // the tint's blue (its third byte) at a = 254
    EXPECT_EQ((a >> 16) & 255, 0u);        // the tint's red (its low byte) is 0
    // A lookup table of zeros makes k = 255, so the source colour (nearly) comes back:
    // blue 0 + (255 * 30 >> 8) = 29, green 199, red 255 + floor(255 * -165 / 256) = 90;
    // then the blend at a = 254 over black.
    const std::array<uint8_t, 256> zeros{};
    engine.DrawAlpha("Two", "T", 0, 2, 255, std::nullopt, 0x000000FF, 200, zeros.data());
    EXPECT_EQ(Pixel32(engine, "T", 1, 2), (89u << 16) | (197u << 8) | 28u);
}

TEST(SurfEngineDrawAlpha, SixteenBitLevel255KeepsTheSourceApartFromTheBlend) {
    MemoryArchive archive;
    archive.Add("c.png",
                PngStream(WithAlpha(Solid(1, 1, 200, 100, 50), [](int, int) { return 255; })));
    TSurfEngine engine(16);
    ASSERT_TRUE(engine.LoadPngSurface(archive.Folder, "C", "c.png"));
    ASSERT_TRUE(engine.CreateBlankSurface("T", 1, 1));
    engine.DrawAlpha("C", "T", 0, 0, 255, std::nullopt, 0x00FFFFFF, 255);
    const int s = Pixel16(engine, "C", 0, 0);
    int expected = 0;
    for (int mask : {0x001F, 0x07E0, 0xF800})
        expected |= (((s & mask) * 254) >> 8) & mask;
    EXPECT_EQ(Pixel16(engine, "T", 0, 0), expected);
}

TEST(SurfEngineText, StopsBeforeTheGlyphThatWouldReachTheLastColumn) {
    MemoryArchive archive;
    // Three glyphs of 10 columns: 'A' blue 1, 'B' blue 2, 'C' blue 3, all opaque.
    TImage font = MakeImage(30, 4, [](int x, int) { return std::array<int, 3>{1 + x / 10, 0, 0}; });
    archive.Add("font.png", PngStream(WithAlpha(font, [](int, int) { return 255; })));
    TSurfEngine engine;
    ASSERT_TRUE(engine.LoadPngSurface(archive.Folder, "Font", "font.png"));
    ASSERT_TRUE(engine.CreateBlankSurface("T", 30, 3));
    std::array<int32_t, 256> starts{};
    starts['A' - 32] = 0;
    starts['B' - 32] = 10;
    starts['C' - 32] = 20;
    starts['C' - 31] = 30;
    engine.DrawFontText("BAC", "Font", starts, 0, 0, 255, 0, 0, "T");
    EXPECT_EQ(Pixel32(engine, "T", 0, 0), 2u);
    EXPECT_EQ(Pixel32(engine, "T", 19, 2), 1u); // the bottom is cut at the last row
    EXPECT_EQ(Pixel32(engine, "T", 20, 0), 0u); // 20 + 10 > 29: 'C' is not drawn
    engine.DrawFontText("A", "NoFont", starts, 0, 0, 255, 0, 0, "T");
    engine.DrawFontText("A", "Font", starts, 0, 0, 255, 0, 0, "NoTarget");
}

TEST(SurfEngineDisplay, PresentHandsOverTheFrameAndRecreateRebuildsAtTheNewDepth) {
    MemoryArchive first, second;
    first.Add("pic.jpg", JpegStream(Solid(8, 8, 0, 0, 0), 100));
    second.Add("pic.png", PngStream(Solid(4, 4, 255, 255, 255)));
    TSurfEngine engine;
    FakeDisplay display32(32);
    engine.AttachDisplay(&display32, 800, 600);
    ASSERT_TRUE(engine.CreateBlankSurface("MemorySurface", 800, 600));
    ASSERT_TRUE(engine.LoadJpegSurface(first.Folder, "Photo", "pic.jpg"));
    ASSERT_TRUE(engine.CreateBlankSurface("Background", 800, 600));
    ASSERT_TRUE(engine.LoadPngSurface(second.Folder, "Sprite", "pic.png"));
    engine.DrawAlpha("Sprite", "MemorySurface", 0, 0, 255);
    engine.PresentFrame();
    ASSERT_EQ(display32.Frames, 1);
    EXPECT_EQ(display32.Last.Width, 800);
    EXPECT_EQ(display32.Last.BitsPerPixel, 32);
    EXPECT_EQ(display32.FirstPixel & 0xFFFFFF, 0xFFFFFFu);

    FakeDisplay display16(16);
    engine.DetachDisplay();
    engine.ReleaseSurfaceMemory();
    engine.PresentFrame(); // nothing attached: nothing happens
    engine.AttachDisplay(&display16, 800, 600);
    engine.RecreateSurfaces(first.Folder, second.Folder, 800, 600);
    ASSERT_EQ(engine.Count(), 4);
    const char* order[] = {"MemorySurface", "Photo", "Background", "Sprite"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(engine.Record(i).Name, order[i]);
        EXPECT_EQ(engine.Record(i).Surface->BitsPerPixel(), 16);
    }
    EXPECT_EQ(Pixel16(engine, "MemorySurface", 0, 0), 0); // blank again
    EXPECT_EQ(Pixel16(engine, "Sprite", 0, 0), 0xFFDF);
    engine.PresentFrame();
    EXPECT_EQ(display16.Last.BitsPerPixel, 16);
}

TEST(SurfEngineDisplay, SwitchFallsBackToSixteenBitsAndStopsWhenNothingOpens) {
    MemoryArchive first, second;
    second.Add("pic.png", PngStream(Solid(4, 4, 255, 255, 255)));
    TSurfEngine engine;
    FakeDisplay display(32);
    engine.AttachDisplay(&display, 800, 600);
    ASSERT_TRUE(engine.CreateBlankSurface("MemorySurface", 800, 600));
    ASSERT_TRUE(engine.LoadPngSurface(second.Folder, "Sprite", "pic.png"));

    display.RefusedDepth = 32;
    ASSERT_TRUE(SwitchGameDisplay(engine, display, 32, true, first.Folder, second.Folder));
    EXPECT_EQ(display.Opens, (std::vector<int>{32, 16}));
    EXPECT_TRUE(display.IsFullScreen());
    EXPECT_EQ(engine.BitsPerPixel(), 16);
    EXPECT_EQ(engine.Record(engine.FindSurface("Sprite")).Surface->BitsPerPixel(), 16);

    display.RefuseAll = true;
    EXPECT_FALSE(SwitchGameDisplay(engine, display, 32, false, first.Folder, second.Folder));
    EXPECT_EQ(engine.Display(), nullptr);
    engine.DrawAlpha("Sprite", "MemorySurface", 0, 0, 255); // released surfaces draw nothing
    engine.PresentFrame();
    EXPECT_EQ(display.Frames, 0);
}
