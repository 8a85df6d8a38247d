#pragma once
#include <string>
#include <vector>

// The effect types that levels name (weather, fire sources, level effects, bonus points and
// bombs), as opposed to those the rules start themselves.
inline const std::vector<std::string> LevelEffectTypes = {
    "SoftRain",   "LeafFall",  "Snowfall",          "DawnMotes", "Torch",
    "FireEmbers", "Fireflies", "BonusPointReached", "BombBlast", "PictureVanish"};
