// The surface engine against SDL2's own blitter and against plain memory copies, and the
// image preparation against the bare decoding of the same pictures. Each pair runs side by
// side in one process, so compare the ratios, not the absolute times.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "archive/FileFolder.h"
#include "graphics/Blend.h"
#include "graphics/DamageTiles.h"
#include "graphics/ImageCodecs.h"
#include "graphics/PNGMorf.h"
#include "graphics/SurfEngine.h"

namespace {

// A round sprite: opaque core, soft edge, clear corners, with a little texture in the colour.
TImage MakeSprite(int size) {
    TImage image = TImage::Blank(size, size);
    image.EnsureAlpha(0);
    const double centre = (size - 1) / 2.0, radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            uint8_t* p = image.Pixel(x, y);
            p[0] = static_cast<uint8_t>(x * 7 + y);
            p[1] = static_cast<uint8_t>(y * 5 + 40);
            p[2] = static_cast<uint8_t>((x ^ y) * 3);
            const double d = std::hypot(x - centre, y - centre) / radius;
            const double a = d < 0.7 ? 255 : d > 1 ? 0 : 255 * (1 - d) / 0.3;
            image.Alpha[static_cast<size_t>(y) * size + x] = static_cast<uint8_t>(a);
        }
    return image;
}

struct OurScene {
    TSurfEngine Engine;
    TFileFolder Archive = TFileFolder::CreateNew("bench.zxc");
    explicit OurScene(int size, int bitsPerPixel = 32) : Engine(bitsPerPixel) {
        std::vector<uint8_t> png;
        EncodePng(MakeSprite(size), png);
        Archive.Add("sprite.png", 2, TMemoryStream(std::move(png)));
        Engine.LoadPngSurface(Archive, "Sprite", "sprite.png");
        Engine.CreateBlankSurface("MemorySurface", 800, 600);
        Engine.CreateBlankSurface("Background", 800, 600);
    }
};

struct SdlScene {
    SDL_Surface* Sprite = nullptr;
    SDL_Surface* Frame = nullptr;
    explicit SdlScene(int size, uint32_t frameFormat = SDL_PIXELFORMAT_RGB888) {
        const TImage image = MakeSprite(size);
        Sprite = SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_ARGB8888);
        for (int y = 0; y < size; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(Sprite->pixels) +
                                                    y * Sprite->pitch);
            for (int x = 0; x < size; ++x) {
                const uint8_t* p = image.Pixel(x, y);
                row[x] = (uint32_t{image.Alpha[static_cast<size_t>(y) * size + x]} << 24) |
                         (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
            }
        }
        SDL_SetSurfaceBlendMode(Sprite, SDL_BLENDMODE_BLEND);
        Frame =
            SDL_CreateRGBSurfaceWithFormat(0, 800, 600, SDL_BITSPERPIXEL(frameFormat), frameFormat);
    }
    ~SdlScene() {
        SDL_FreeSurface(Sprite);
        SDL_FreeSurface(Frame);
    }
};

// Sprites are drawn at a few places so that no single alignment is favoured.
constexpr int Spots[4][2] = {{10, 20}, {333, 101}, {517, 250}, {91, 311}};

// The sprite drawn again and again at the given opacity.
void DrawAtSpots(benchmark::State& state, uint8_t opacity) {
    const int size = static_cast<int>(state.range(0));
    OurScene scene(size);
    int k = 0;
    for (auto _ : state) {
        const auto& spot = Spots[k++ & 3];
        scene.Engine.DrawAlpha("Sprite", "MemorySurface", spot[0], spot[1], opacity);
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}

void BM_DrawAlpha_Ours(benchmark::State& state) {
    DrawAtSpots(state, 255);
}

void BM_DrawAlpha_Sdl(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    SdlScene scene(size);
    int k = 0;
    for (auto _ : state) {
        const auto& spot = Spots[k++ & 3];
        SDL_Rect to{spot[0], spot[1], size, size};
        SDL_BlitSurface(scene.Sprite, nullptr, scene.Frame, &to);
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}

// A piece fading out, as the effects draw most of their pictures: partly see-through over the
// whole picture. 40 is a piece's width, 45 leaves five pixels after the last eight.
void BM_DrawAlphaFading_Ours(benchmark::State& state) {
    DrawAtSpots(state, 160);
}

// The same blit with the portable scalar rule, to show what the vector kernels add.
void BM_DrawAlpha_OursScalarRule(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    OurScene scene(size);
    const SurfaceRecord& sprite = scene.Engine.Record(scene.Engine.FindSurface("Sprite"));
    TSurface& frame = *scene.Engine.FindPixels("MemorySurface");
    const TBlendSetup setup = TBlendSetup::For32(255, 0, 0, nullptr);
    int k = 0;
    for (auto _ : state) {
        const auto& spot = Spots[k++ & 3];
        for (int y = 0; y < size; ++y) {
            BlendRow32Scalar(reinterpret_cast<uint32_t*>(frame.Row(spot[1] + y)) + spot[0],
                             reinterpret_cast<const uint32_t*>(sprite.Surface->Row(y)),
                             &sprite.Mask[static_cast<size_t>(y) * size], size, setup);
        }
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}

void BM_DrawAlphaTinted_Ours(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    OurScene scene(size);
    int k = 0;
    for (auto _ : state) {
        const auto& spot = Spots[k++ & 3];
        scene.Engine.DrawAlpha("Sprite", "MemorySurface", spot[0], spot[1], 128, std::nullopt,
                               0x0040C0FF, 100);
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}

void BM_DrawAlphaTinted_Sdl(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    SdlScene scene(size);
    SDL_SetSurfaceAlphaMod(scene.Sprite, 128);
    SDL_SetSurfaceColorMod(scene.Sprite, 0xFF, 0xC0, 0x40);
    int k = 0;
    for (auto _ : state) {
        const auto& spot = Spots[k++ & 3];
        SDL_Rect to{spot[0], spot[1], size, size};
        SDL_BlitSurface(scene.Sprite, nullptr, scene.Frame, &to);
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}

// The 16-bit display (the fallback when 32 bits is refused): the scalar rule and the vector
// kernel run the very same row loop, so their ratio is the kernels' alone.
void DrawAlpha16Rows(benchmark::State& state, TBlendRow16 kernel, int opacity, uint32_t colour,
                     int level) {
    const int size = static_cast<int>(state.range(0));
    OurScene scene(size, 16);
    const SurfaceRecord& sprite = scene.Engine.Record(scene.Engine.FindSurface("Sprite"));
    TSurface& frame = *scene.Engine.FindPixels("MemorySurface");
    const TBlendSetup setup = TBlendSetup::For16(opacity, colour, level);
    int k = 0;
    for (auto _ : state) {
        const auto& spot = Spots[k++ & 3];
        for (int y = 0; y < size; ++y) {
            kernel(reinterpret_cast<uint16_t*>(frame.Row(spot[1] + y)) + spot[0],
                   reinterpret_cast<const uint16_t*>(sprite.Surface->Row(y)),
                   &sprite.Mask[static_cast<size_t>(y) * size], size, setup);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}

void BM_DrawAlpha16_Scalar(benchmark::State& state) {
    DrawAlpha16Rows(state, BlendRow16, 255, 0, 0);
}

void BM_DrawAlpha16_Vector(benchmark::State& state) {
    DrawAlpha16Rows(state, BestBlendRow16(), 255, 0, 0);
}

// What a processor without AVX2 gets.
void BM_DrawAlpha16_Sse2(benchmark::State& state) {
    DrawAlpha16Rows(state, BlendRow16Sse2, 255, 0, 0);
}

void BM_DrawAlpha16Tinted_Scalar(benchmark::State& state) {
    DrawAlpha16Rows(state, BlendRow16, 128, 0x0040C0FF, 100);
}

void BM_DrawAlpha16Tinted_Vector(benchmark::State& state) {
    DrawAlpha16Rows(state, BestBlendRow16(), 128, 0x0040C0FF, 100);
}

void BM_DrawAlpha16Tinted_Sse2(benchmark::State& state) {
    DrawAlpha16Rows(state, BlendRow16Sse2, 128, 0x0040C0FF, 100);
}

// The whole engine call on 16-bit surfaces, which takes the vector kernel.
void BM_DrawAlpha16_Ours(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    OurScene scene(size, 16);
    int k = 0;
    for (auto _ : state) {
        const auto& spot = Spots[k++ & 3];
        scene.Engine.DrawAlpha("Sprite", "MemorySurface", spot[0], spot[1], 255);
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}

// SDL2 blending a 32-bit sprite with per-pixel alpha onto an RGB565 frame; SDL has no 16-bit
// source with an 8-bit alpha, so its source is twice the size of ours.
void BM_DrawAlpha16_Sdl(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    SdlScene scene(size, SDL_PIXELFORMAT_RGB565);
    int k = 0;
    for (auto _ : state) {
        const auto& spot = Spots[k++ & 3];
        SDL_Rect to{spot[0], spot[1], size, size};
        SDL_BlitSurface(scene.Sprite, nullptr, scene.Frame, &to);
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}

void BM_CopyFrame_Ours(benchmark::State& state) {
    OurScene scene(8);
    for (auto _ : state) {
        scene.Engine.CopySurface("Background", "MemorySurface", std::nullopt, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 800 * 600 * 4);
}

// A frame's start copied back tile by tile, against BM_CopyFrame_Ours: the feed along the
// bottom and a few labels drawn over, and in a busy frame sixty 40 x 40 sprites about the play
// area.
void BM_RestoreBusyTiles(benchmark::State& state) {
    OurScene scene(8);
    TSurfEngine& e = scene.Engine;
    TDamageTiles frame(800, 600), source(800, 600);
    for (int i = 0; i < state.range(0); ++i)
        frame.Mark({(i * 137) % 560, (i * 71) % 450, (i * 137) % 560 + 39, (i * 71) % 450 + 39});
    frame.Mark({0, 500, 799, 599});
    for (int i = 0; i < 8; ++i)
        frame.Mark({610, 20 + i * 50, 790, 36 + i * 50});
    const TSurface& from = *e.FindPixels("Background");
    TSurface& to = *e.FindPixels("MemorySurface");
    for (auto _ : state) {
        frame.CopyMarked(source, from, to);
        benchmark::ClobberMemory();
    }
    state.counters["share"] = frame.MarkedShare(source);
}

void BM_CopyFrame_Memcpy(benchmark::State& state) {
    std::vector<uint8_t> from(800 * 600 * 4, 1), to(800 * 600 * 4);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 800 * 600 * 4);
}

// A shipped archive of 100 pictures: 50 JPEG + grey mask pairs of 96 x 96.
struct ShippedArchive {
    std::string Folder;
    std::string Path;
    std::vector<std::vector<uint8_t>> Jpegs, Greys;
    ShippedArchive() {
        Folder = (std::filesystem::temp_directory_path() /
                  ("quorrel-bench-" + std::to_string(::getpid())))
                     .string();
        std::filesystem::create_directories(Folder);
        Path = Folder + "/shipped.zxc";
        TFileFolder archive = TFileFolder::CreateNew(Path);
        for (int i = 0; i < 50; ++i) {
            TImage sprite = MakeSprite(96);
            for (auto& b : sprite.Bgr)
                b = static_cast<uint8_t>(b + i * 3);
            std::vector<uint8_t> jpeg, grey;
            EncodeJpeg(sprite, 90, jpeg);
            EncodePngGrey(96, 96, sprite.Alpha, grey);
            archive.Add("pic" + std::to_string(i) + "._JPG", 2, TMemoryStream(jpeg));
            archive.Add("pic" + std::to_string(i) + "._PNG", 2, TMemoryStream(grey));
            Jpegs.push_back(std::move(jpeg));
            Greys.push_back(std::move(grey));
        }
        archive.Write();
    }
    ~ShippedArchive() { std::filesystem::remove_all(Folder); }
};

void BM_Prepare100_Ours(benchmark::State& state) {
    ShippedArchive shipped;
    TPNGMorf morf;
    for (auto _ : state)
        morf.ConvertArchive(shipped.Path, shipped.Folder + "/prepared.zxc");
}

void BM_Prepare100_DecodeOnly(benchmark::State& state) {
    ShippedArchive shipped;
    for (auto _ : state) {
        for (size_t i = 0; i < shipped.Jpegs.size(); ++i) {
            TImage image;
            std::string error;
            DecodeJpeg(shipped.Jpegs[i].data(), shipped.Jpegs[i].size(), image, error);
            int w = 0, h = 0;
            std::vector<uint8_t> grey;
            DecodePngGrey(shipped.Greys[i].data(), shipped.Greys[i].size(), w, h, grey, error);
            benchmark::DoNotOptimize(image.Bgr.data());
            benchmark::DoNotOptimize(grey.data());
        }
    }
}

} // namespace

BENCHMARK(BM_DrawAlpha_Ours)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha_Sdl)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlphaFading_Ours)->Arg(40)->Arg(45);
BENCHMARK(BM_DrawAlpha_OursScalarRule)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlphaTinted_Ours)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlphaTinted_Sdl)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha16_Scalar)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha16_Vector)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha16_Sse2)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha16Tinted_Scalar)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha16Tinted_Vector)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha16Tinted_Sse2)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha16_Ours)->Arg(64)->Arg(256);
BENCHMARK(BM_DrawAlpha16_Sdl)->Arg(64)->Arg(256);
BENCHMARK(BM_CopyFrame_Ours);
BENCHMARK(BM_CopyFrame_Memcpy);
BENCHMARK(BM_RestoreBusyTiles)->Arg(0)->Arg(20)->Arg(60)->Arg(120);
BENCHMARK(BM_Prepare100_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Prepare100_DecodeOnly)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
