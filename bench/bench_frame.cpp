// A whole frame of the game in play (tick, every layer, the interface, present) against a plain
// copy of an 800x600 frame, on the shipped content. Each frame benchmark also times a plain
// copy after every frame and reports "copies": the frame's cost in frame copies.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <unistd.h>
#include <vector>

#include "graphics/SurfEngine.h"
#include "main/effects/EffectList.h"
#include "main/shell/GameLoop.h"
#include "main/shell/GameRenderer.h"
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

// The plain copy compared with: "Background" into a frame of the benchmark's own, so the
// game's frame is left as the game drew it.
void PlainCopy(TSurfEngine& s) {
    if (s.FindSurface("PlainCopyTarget") < 0)
        s.CreateBlankSurface("PlainCopyTarget", TSurfEngine::ScreenWidth,
                             TSurfEngine::ScreenHeight);
    s.CopySurface("Background", "PlainCopyTarget", std::nullopt, 0, 0);
}

// Runs one frame per iteration and, side by side, one plain copy of an 800x600 frame; the
// benchmark's time is the frame's, "copies" its ratio to the copy, "tileStarts" the share of
// frames that started by copying back only what the last one drew over.
void FramesAgainstCopies(benchmark::State& state, TPlayingGame& game) {
    using Clock = std::chrono::steady_clock;
    TSurfEngine& s = game.Form.Surfaces();
    double frames = 0, copies = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        game.Frames(1);
        const auto t1 = Clock::now();
        PlainCopy(s);
        benchmark::ClobberMemory();
        const auto t2 = Clock::now();
        const double frame = std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(frame);
        frames += frame;
        copies += std::chrono::duration<double>(t2 - t1).count();
    }
    state.counters["copies"] = copies > 0 ? frames / copies : 0;
    const TFrameRestore::TCounts& starts = game.Form.Renderer().FrameStart().Counts();
    state.counters["tileStarts"] =
        static_cast<double>(starts.Tiles) / std::max<uint64_t>(starts.Tiles + starts.Whole, 1);
}

void BM_Frame_PlayingLevel(benchmark::State& state) {
    TPlayingGame game(static_cast<int>(state.range(0)));
    FramesAgainstCopies(state, game);
}

// Fills the feed with 26 pieces, one after another from the left end.
void FillFeed(TGame& g) {
    g.Level.FeedPeriod = 1000000;
    while (g.NewFishkaInSteck()) {
    }
    int x = 5;
    for (int piece : g.Steck) {
        g.Fishkas[piece].X = x;
        x += g.PieceImageSize(piece).X + FeedGap;
    }
}

// Lays 182 one-square pieces in rows of 13 over the visible band and 40 pixels beyond it at
// either end, as a board filled with pieces looks.
void LayPieces(TGame& g) {
    std::vector<int> squares;
    for (int t = 1; t < static_cast<int>(g.Geometry().CompFishkaTypes.size()); ++t)
        if (g.Geometry().TypeOf(t).SquareCount == 1) squares.push_back(t);
    int n = 0;
    for (int y = g.MapScroll - 245 - 40; y < g.MapScroll + 240 + 40; y += 40) {
        for (int x = 10; x < 530; x += 40, ++n) {
            TFishka f;
            f.Type = static_cast<uint8_t>(squares[n % squares.size()]);
            f.X = x;
            f.Y = y;
            f.State = fsOnBoard;
            f.Group = n % 5 == 0 ? 2 : 1; // some pieces of other networks, drawn darker
            g.AddFishka(f);
        }
    }
}

// Sixty effects that live for ever: piece pictures circling, gliding and fading.
void StartEffects(TMainForm& form, uint32_t now) {
    TEffectList& effects = EffectListOf(form.Surfaces());
    const TGeometry& geo = form.Game().Geometry();
    for (int i = 0; i < 60; ++i) {
        const std::string& image = geo.TypeOf(1 + i % 8).ImageName;
        const int e =
            effects.AddEffect(image, -1, TRect{0, 0, 799, 599}, 0, -1, 4000, 60, 255, now);
        effects.SetBasePoint(e, 40 + (i % 10) * 70, 40 + (i / 10) * 80);
        effects.SetMotion(e, 200, 100, 0, i % 2 ? 600000 : 2000, 1, 30 + i % 20, 20);
        effects.SetMoveType(e, 0, i % 2 ? mtLine : mtRound);
    }
}

// The busiest frame a level shows: a full feed, laid pieces filling the view, sixty effects
// and rain.
void BM_Frame_Busy(benchmark::State& state) {
    TPlayingGame game(0);
    TGame& g = game.Form.Game();
    FillFeed(g);
    LayPieces(g);
    g.Level.RainEffect = "SoftRain";
    StartEffects(game.Form, game.Clock.Now());
    game.Frames(300); // the rain comes down
    state.counters["effects"] = EffectListOf(game.Form.Surfaces()).Count();
    FramesAgainstCopies(state, game);
}

void BM_Frame_PlainCopy(benchmark::State& state) {
    TPlayingGame game(0);
    TSurfEngine& s = game.Form.Surfaces();
    for (auto _ : state) {
        PlainCopy(s);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_Frame_PlayingLevel)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Frame_Busy)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Frame_PlainCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
