// quorrel-tool level play: the play bot's games of a level, for tuning how hard it is.
#include <algorithm>
#include <iostream>

#include "app/LevelToolOptions.h"
#include "app/ToolCommands.h"
#include "main/levels/LevelBot.h"

namespace {

// A game not won in half an hour counts as lost: the last levels are long climbs, and the
// bot, slower than a practised player, needs ten minutes or more for them. The half hour is
// of the normal feed: as many pieces come in 45 minutes on Easy and in 21 on Hard.
uint32_t LimitMs(TPlayMode mode) {
    return static_cast<uint32_t>(30 * 60 * 1000 * FeedPeriodFactor(mode));
}

template <class T> T Median(std::vector<T> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string RunJson(const TBotRun& r) {
    return "{\"seed\":" + std::to_string(r.Seed) + ",\"end\":\"" + r.End +
           "\",\"ms\":" + std::to_string(r.Ms) + ",\"placements\":" + std::to_string(r.Placements) +
           ",\"drops\":" + std::to_string(r.Drops) + ",\"hammers\":" + std::to_string(r.Hammers) +
           ",\"clippers\":" + std::to_string(r.Clippers) + "}";
}

} // namespace

int LevelPlay(const std::vector<std::string>& args) {
    TLevelToolOptions o;
    std::string error = ParseLevelToolOptions(args, ltPlay, o);
    if (!error.empty()) return ToolFail(error);
    try {
        TLevelSandbox sandbox(o.Folders);
        std::vector<uint32_t> times;
        std::vector<int> placements;
        int won = 0, hammers = 0, clippers = 0;
        for (int i = 0; i < o.Seeds; ++i) {
            TSandboxLevel level = o.Level;
            level.Seed = o.FirstSeed + static_cast<uint32_t>(i);
            const TBotRun r = PlayLevel(sandbox, level, LimitMs(level.Mode));
            if (o.Verbose) std::cout << RunJson(r) << '\n';
            hammers += r.Hammers;
            clippers += r.Clippers;
            if (!r.Won) continue;
            ++won;
            times.push_back(r.Ms);
            placements.push_back(r.Placements);
        }
        std::cout << "{\"runs\":" << o.Seeds << ",\"won\":" << won << ",\"lost\":" << o.Seeds - won
                  << ",\"median_ms\":" << Median(times)
                  << ",\"median_placements\":" << Median(placements)
                  << ",\"tools_used\":{\"hammers\":" << hammers << ",\"clippers\":" << clippers
                  << "}}\n";
    } catch (const std::exception& e) {
        return ToolFail(e.what());
    }
    return 0;
}
