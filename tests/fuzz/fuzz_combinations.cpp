// "FishCombinations.dat": read, then every combination is looked for on a board where the
// first stamp of each lies laid out as drawn, the way laying a piece checks it in play.
#include <algorithm>

#include "FuzzInput.h"
#include "archive/Random.h"
#include "main/rules/Game.h"
#include "main/rules/GameHost.h"
#include "main/rules/GeometryLoader.h"

namespace {

// Where pieces lie on a board: its width and a deep map's height, in pixels.
int32_t OnBoard(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v + 40, 0, 20000));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TGeometry geometry;
    try {
        geometry.Combinations = ParseFishCombinations(FuzzText(data, size));
    } catch (const std::exception&) {
        return 0;
    }
    const std::vector<TBonusType> bonusTypes;
    Random random(1);
    TQuietGameHost host;
    TGame game(geometry, bonusTypes, random, host);
    const int count = std::min<int>(static_cast<int>(geometry.Combinations.size()), 32);
    for (int comb = 0; comb < count; ++comb) {
        game.Fishkas.clear();
        for (const TOneStamp& stamp : geometry.Combinations[comb]) {
            for (const TStampCell& cell : stamp) {
                TFishka f;
                f.Type = static_cast<uint8_t>(cell.Type);
                f.X = OnBoard(cell.X);
                f.Y = OnBoard(cell.Y);
                f.State = fsOnBoard;
                game.Fishkas.push_back(f);
            }
            break;
        }
        game.Level.CombSequence = {comb};
        game.Level.CombPos = 0;
        for (int piece = 0; piece < static_cast<int>(game.Fishkas.size()) && piece < 64; ++piece)
            game.CheckCombination(piece, 1000);
    }
    return 0;
}
