#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "archive/FileFolder.h"
#include "archive/GameFolders.h"
#include "archive/Random.h"
#include "graphics/SurfEngine.h"
#include "main/levels/LevelImages.h"
#include "main/levels/LevelLoader.h"
#include "main/levels/LevelObjects.h"
#include "main/levels/LevelRuntime.h"
#include "main/rules/BonusTypes.h"
#include "main/rules/Game.h"
#include "main/rules/PlayInput.h"

// The rules' host of a level played without a window: images come from the archives on first
// use, so piece sizes are the game's; what the game would write to debug.log is kept.
class TSandboxHost : public TQuietGameHost {
  public:
    TSandboxHost(TSurfEngine& engine, const TFileFolder* const& squares)
        : engine_(engine), squares_(squares) {}
    void RegisterImage(const std::string& name, const std::string& file) override;
    TPoint ImageSize(const std::string& name) override;
    void DebugLog(const std::string& line) override { Log.push_back(line); }
    std::vector<std::string> Log;

  private:
    TSurfEngine& engine_;
    const TFileFolder* const& squares_;
    std::map<std::string, std::string> files_;
};

// What the play input asks of a window that is not there: nothing, but the level's timers.
class TSandboxInputHost : public TQuietInputHost {
  public:
    explicit TSandboxInputHost(TLevelRuntime*& runtime) : runtime_(runtime) {}
    void RestartLevelTimers(uint32_t now) override {
        if (runtime_) runtime_->RestartLevelTimers(now);
    }

  private:
    TLevelRuntime*& runtime_;
};

struct TSandboxLevel {
    std::string Name; // the level file's name in the levels archive
    std::string Text; // the level's text when it comes from elsewhere; empty: the archive's
    TPlayMode Mode = pmNormal;
    TLevelSkills Skills;
    uint32_t Seed = 1;
    int Hammers = 8; // the new game's kit
    int Clippers = 3;
};

// A game folder's tables with one level loaded the way a level start loads it, and played
// frame by frame on a virtual clock: the real rules, feed, bumper, lose countdown and level
// objects, with nothing drawn. For the level author's tools and their tests.
class TLevelSandbox {
  public:
    static constexpr uint32_t StartTick = 100000;
    static constexpr uint32_t FrameMs = 33;

    // Prepares the game's archives as the game does and reads the game-wide tables. Throws
    // GameError when the data folder has no game.
    explicit TLevelSandbox(const TGameFolders& folders);

    // Resets the level state and loads the level; throws GameError when it does not exist.
    void Start(const TSandboxLevel& level);
    // One frame: the game tick, the moving pictures and the feed, then the clock moves on.
    void Frame();

    uint32_t Now() const { return now_; }
    uint32_t Elapsed() const { return now_ - StartTick; }
    bool Lost() const { return game_->GameState == gsHalted; }

    // A new game for every start, so one run leaves nothing behind for the next.
    TGame& Game() { return *game_; }
    TPlayInput& Input() { return *input_; }
    TLevelRuntime& Runtime() { return *runtime_; }

    TSurfEngine Engine{32};
    std::unique_ptr<TFileFolder> Squares;
    std::unique_ptr<TFileFolder> GameArchive;
    TSandboxHost Host{Engine, squaresPtr_};
    TGeometry Geometry;
    std::vector<TBonusType> BonusTypes;
    Random Rng{1};
    TLevelObjects Objects;
    ILevelHost LevelHost;
    std::unique_ptr<TLevelImages> Images;

  private:
    const TFileFolder* squaresPtr_ = nullptr;
    TLevelRuntime* runtimePtr_ = nullptr;
    std::unique_ptr<TGame> game_;
    std::unique_ptr<TLevelRuntime> runtime_;
    TSandboxInputHost inputHost_{runtimePtr_};
    std::unique_ptr<TPlayInput> input_;
    uint32_t now_ = StartTick;
};
