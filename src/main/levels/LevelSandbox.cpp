#include "main/levels/LevelSandbox.h"

#include "archive/GameError.h"
#include "graphics/Preparation.h"
#include "main/rules/GeometryLoader.h"

void TSandboxHost::RegisterImage(const std::string& name, const std::string& file) {
    files_[name] = file;
}

// Loaded when first asked for, as only a few of the registered images are ever measured.
TPoint TSandboxHost::ImageSize(const std::string& name) {
    int i = engine_.FindSurface(name);
    if (i < 0 && squares_) {
        auto file = files_.find(name);
        const std::string entry = file == files_.end() ? name : file->second;
        if (squares_->Find(entry) >= 0 &&
            engine_.LoadPngSurface(const_cast<TFileFolder&>(*squares_), name, entry))
            i = engine_.FindSurface(name);
    }
    if (i < 0) return {};
    return {engine_.Record(i).Width, engine_.Record(i).Height};
}

TLevelSandbox::TLevelSandbox(const TGameFolders& folders) {
    PrepareGameArchives(folders.Data, folders.User, {});
    Squares =
        std::make_unique<TFileFolder>(TFileFolder::Open(folders.UserPath("temp/squares.zxc")));
    GameArchive =
        std::make_unique<TFileFolder>(TFileFolder::Open(folders.UserPath("temp/game.zxc")));
    squaresPtr_ = Squares.get();
    LoadGeometry(Geometry, *Squares, "Squares", Host);
    if (GameArchive->Find("BonusTypes.dat") >= 0)
        BonusTypes = LoadBonusTypes(*GameArchive, "BonusTypes.dat");
    Images = std::make_unique<TLevelImages>(Engine, Squares.get(), Host);
}

void TLevelSandbox::Start(const TSandboxLevel& level) {
    now_ = StartTick;
    Rng.SetSeed(level.Seed);
    Host.Log.clear();
    input_.reset();
    runtime_.reset();
    game_ = std::make_unique<TGame>(Geometry, BonusTypes, Rng, Host);
    runtime_ = std::make_unique<TLevelRuntime>(*game_, Objects, *Images, LevelHost);
    runtimePtr_ = runtime_.get();
    game_->SetHooks(runtime_.get());
    input_ = std::make_unique<TPlayInput>(*game_, inputHost_);
    TGame& Game = *game_;
    Game.Mode = level.Mode;
    Game.HammerCount = level.Hammers;
    Game.ClipperCount = level.Clippers;
    Game.HeldPiece = -1;
    Game.SetPointer(PointerNormal);
    input_->SetPointer(PointerNormal);
    TLevelLoader loader(Game, Geometry, Objects, *Images, LevelHost);
    loader.ResetLevel(now_);
    if (!level.Text.empty()) {
        loader.LoadLevelText(level.Name, level.Text, level.Skills, now_);
    } else if (!loader.LoadLevel(*Squares, level.Name, level.Skills, now_)) {
        throw GameError("the levels archive holds no level \"" + level.Name + "\"");
    }
    Game.GameState = gsPlaying;
    Game.PlaceMap();
}

void TLevelSandbox::Frame() {
    const double scale = FrameMs / (1000.0 / 30);
    TGame& Game = *game_;
    if (Game.GameState == gsPlaying) {
        Game.GameTick(now_, scale);
        for (int i = 0; i < static_cast<int>(Objects.Pictures.size()); ++i) {
            TLevelPicture& p = Objects.Pictures[i];
            if (!p.Visible || !p.Moving || p.Images.empty()) continue;
            runtime_->MovePicture(i, now_);
            p.LastUpdate = now_;
        }
        Game.MoveFeed(scale);
    }
    now_ += FrameMs;
}
