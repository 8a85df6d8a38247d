#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One picture of the game's visual effects. Pictures with several frames hold them side by
// side, each Width / Frames pixels wide, as the effect runtime draws them.
struct EffectSprite {
    std::string Name; // the surface and archive entry name, e.g. "fx_spark.png"
    int Width = 0;
    int Height = 0;
    int Frames = 1;
    std::vector<uint8_t> Rgba; // straight (not premultiplied) RGBA, row after row
};

// Every effect picture, drawn in the game's look: warm light of a forest at dusk, sparks of
// green and gold, soft rain. The same on every run.
std::vector<EffectSprite> MakeEffectSprites();
