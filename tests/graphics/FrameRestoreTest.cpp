// A frame started by copying back only the tiles drawn over since the last start must come out
// exactly like a whole copy of its source, whatever was drawn into the frame or the sources.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "GraphicsTestKit.h"
#include "graphics/FrameRestore.h"
#include "graphics/SurfEngine.h"

using namespace gfxtest;

namespace {

constexpr int W = 203, H = 117; // not whole tiles, so the last column and row are cut tiles

bool SameSurfaces(TSurfEngine& engine, const std::string& a, const std::string& b) {
    const TSurface* x = engine.FindPixels(a);
    const TSurface* y = engine.FindPixels(b);
    if (!x || !y || x->Height() != y->Height() || x->Width() != y->Width()) return false;
    const size_t bytes = static_cast<size_t>(x->Width()) * x->BytesPerPixel();
    for (int row = 0; row < x->Height(); ++row)
        if (std::memcmp(x->Row(row), y->Row(row), bytes) != 0) return false;
    return true;
}

struct Scene {
    TFileFolder Archive = TFileFolder::CreateNew("memory.zxc");
    TSurfEngine Engine;
    std::array<int32_t, 256> Glyphs{};

    explicit Scene(int bitsPerPixel) : Engine(bitsPerPixel) {
        TImage dot = MakeImage(13, 9, [](int x, int y) {
            return std::array<int, 3>{x * 19, y * 27, 200 - x * y};
        });
        Archive.Add("dot.png", 2, PngStream(WithAlpha(dot, [](int x, int y) {
                        return (x + y) % 4 == 0 ? 0 : 60 + x * 10;
                    })));
        TImage font = Solid(12, 7, 250, 240, 10);
        Archive.Add("font.png", 2, PngStream(WithAlpha(font, [](int, int) { return 255; })));
        Engine.LoadPngSurface(Archive, "Dot", "dot.png");
        Engine.LoadPngSurface(Archive, "Font", "font.png");
        for (int c = 'A'; c <= 'D'; ++c)
            Glyphs[c - 32] = (c - 'A') * 3;
        Glyphs['D' - 31] = 12;
        for (const char* name : {"Background", "Baked", "MemorySurface"})
            Engine.CreateBlankSurface(name, W, H);
        for (int k = 0; k < 40; ++k) {
            Engine.DrawAlpha("Dot", "Background", (k * 37) % W, (k * 23) % H, 255);
            Engine.DrawAlpha("Dot", "Baked", (k * 53) % W, (k * 41) % H, 255);
        }
    }
};

TEST(FrameRestore, EveryStartEqualsItsSourceWhateverWasDrawnSince) {
    for (int bitsPerPixel : {32, 16}) {
        Scene scene(bitsPerPixel);
        TSurfEngine& e = scene.Engine;
        TFrameRestore restore;
        std::mt19937 random(11);
        auto below = [&](int n) { return static_cast<int>(random() % n); };
        std::string source = "Background";
        for (int step = 0; step < 400; ++step) {
            restore.Restore(e, source, "MemorySurface");
            ASSERT_TRUE(SameSurfaces(e, source, "MemorySurface"))
                << bitsPerPixel << " bits, step " << step;
            // What a frame draws: sprites (some half off the edges), a part of another
            // surface, text.
            for (int k = below(6); k > 0; --k)
                e.DrawAlpha("Dot", "MemorySurface", below(W + 20) - 10, below(H + 16) - 8,
                            static_cast<uint8_t>(below(256)));
            if (below(3) == 0)
                e.CopySurface("Baked", "MemorySurface", TRect{0, 0, below(60), below(30)}, below(W),
                              below(H));
            if (below(4) == 0)
                e.DrawFontText("ABDC", "Font", scene.Glyphs, 0, 0, 255, below(H), below(W / 2),
                               "MemorySurface");
            // Between frames the still layers change now and then, and so does the source.
            if (below(5) == 0)
                e.DrawAlpha("Dot", below(2) ? "Baked" : "Background", below(W), below(H), 255);
            if (below(10) == 0) source = source == "Background" ? "Baked" : "Background";
            if (below(50) == 0) { // the frame made again, as a change of colour depth does
                e.DeleteSurface("MemorySurface");
                e.CreateBlankSurface("MemorySurface", W, H);
            }
        }
        // Most starts copied only tiles; the others were a new source or a new frame.
        EXPECT_GT(restore.Counts().Tiles, 3 * restore.Counts().Whole);
    }
}

} // namespace
