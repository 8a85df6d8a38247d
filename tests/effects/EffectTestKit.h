#pragma once
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/ImageCodecs.h"
#include "graphics/SurfEngine.h"
#include "graphics/Surface.h"
#include "main/effects/EffectPieces.h"

// Pieces as plain records, with the screen conversion of the board: stored y + 245 - scroll + 5.
struct FakePiece {
    TPoint Pos;
    bool OnBoard = true;
    TPoint Size{40, 30};
    std::string Image = "piece.png";
    bool Attached = false;
};

class FakePieces : public IEffectPieces {
  public:
    std::vector<FakePiece> List;
    int MapScroll = 245;

    int Count() const override { return static_cast<int>(List.size()); }
    TPoint Position(int i) const override { return List[i].Pos; }
    TPoint ScreenPosition(int i) const override {
        const FakePiece& p = List[i];
        return {p.Pos.X, p.OnBoard ? p.Pos.Y + 245 - MapScroll + 5 : p.Pos.Y};
    }
    TPoint CentreOffset(int i) const override { return {List[i].Size.X / 2, List[i].Size.Y / 2}; }
    std::string SurfaceName(int i) const override { return List[i].Image; }
    void SetEffectAttached(int i, bool attached) override { List[i].Attached = attached; }
};

// A sprite of one flat colour (0x00BBGGRR) with a full or round mask.
inline void AddSprite(TSurfEngine& engine, const std::string& name, int w, int h, uint32_t colour,
                      bool round = false) {
    SurfaceRecord rec;
    rec.Name = name;
    rec.Width = w;
    rec.Height = h;
    rec.MaskWidth = w;
    rec.Surface = TSurface::Create(w, h, 32);
    rec.Mask.assign(static_cast<size_t>(w) * h, 255);
    const uint32_t xrgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(rec.Surface->Row(y));
        for (int x = 0; x < w; ++x) {
            row[x] = xrgb;
            if (round) {
                const double dx = x + 0.5 - w / 2.0, dy = y + 0.5 - h / 2.0;
                const double d = std::sqrt(dx * dx + dy * dy) / (w / 2.0);
                rec.Mask[static_cast<size_t>(y) * w + x] =
                    static_cast<uint8_t>(d >= 1 ? 0 : 255 * (1 - d * d));
            }
        }
    }
    engine.AddSurface(std::move(rec));
}

// The frame's pixel at (x, y) as 0x00RRGGBB.
inline uint32_t FramePixel(TSurfEngine& engine, int x, int y) {
    TSurface* s = engine.FindPixels("MemorySurface");
    return reinterpret_cast<const uint32_t*>(s->Row(y))[x] & 0xFFFFFF;
}

// An engine with an empty 800 x 600 frame.
inline std::unique_ptr<TSurfEngine> FrameEngine() {
    auto engine = std::make_unique<TSurfEngine>(32);
    engine->CreateBlankSurface("MemorySurface", 800, 600);
    return engine;
}

// Renders a scene to a PNG for looking at; the path is printed.
inline void SaveFrame(TSurfEngine& engine, const std::string& name) {
    TSurface* s = engine.FindPixels("MemorySurface");
    TImage image = TImage::Blank(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const uint32_t p = reinterpret_cast<const uint32_t*>(s->Row(y))[x];
            uint8_t* out = image.Pixel(x, y);
            out[0] = p & 0xFF, out[1] = (p >> 8) & 0xFF, out[2] = (p >> 16) & 0xFF;
        }
    std::vector<uint8_t> png;
    ASSERT_TRUE(EncodePng(image, png));
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    std::printf("screenshot: %s\n", path.c_str());
}
