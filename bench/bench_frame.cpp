// A whole frame of the game in play (tick, every layer, the interface, present) against a plain
// copy of an 800x600 frame, on the shipped content.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "graphics/SurfEngine.h"
#include "main/shell/GameLoop.h"
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

namespace fs = std::filesystem;

// The built game's content in a scratch folder, so the game's own files land there.
struct TScratchGame {
    fs::path Dir = fs::temp_directory_path() / ("quorrel_bench_" + std::to_string(getpid()));
    TScratchGame() {
        fs::remove_all(Dir);
        fs::create_directories(Dir);
        for (const char* sub : {"game", "levels", "lng"})
            fs::create_directory_symlink(fs::path(QUORREL_GAME_DIR) / sub, Dir / sub);
    }
    ~TScratchGame() { fs::remove_all(Dir); }
};

// A game playing the given level (0-based), its map come to rest.
struct TPlayingGame {
    TScratchGame Scratch;
    HeadlessClock Clock{100000};
    HeadlessDisplay Display;
    HeadlessAudio Audio;
    HeadlessHost Host{Scratch.Dir.string() + "/"};
    Platform Machine{Clock, Display, Audio, Host};
    TMainForm Form{Machine, TMainFormOptions{5u, std::nullopt}};
    TGameLoop Loop{Form, Host};

    explicit TPlayingGame(int level) {
        Form.FormCreate(true);
        Form.FormActivate();
        Frames(2);
        Form.Methods().CallMethod("BPlayWStartDialogMouseUp");
        Form.Interface().ChangeModal("WGame");
        if (level > 0) {
            Form.Session()->Flow().Values.CurrentLevel = level;
            Form.Methods().CallMethod("BNextLevelWBetweenLevelMenuMouseUp");
        }
        Frames(300);
    }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            Loop.RunOnce();
            Clock.Advance(16);
        }
    }
};

void BM_Frame_PlayingLevel(benchmark::State& state) {
    TPlayingGame game(static_cast<int>(state.range(0)));
    for (auto _ : state)
        game.Frames(1);
}

void BM_Frame_PlainCopy(benchmark::State& state) {
    TPlayingGame game(0);
    TSurfEngine& s = game.Form.Surfaces();
    for (auto _ : state) {
        s.CopySurface("Background", "MemorySurface", std::nullopt, 0, 0);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_Frame_PlayingLevel)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Frame_PlainCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
