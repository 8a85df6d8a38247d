// quorrel-datagen: draws the artwork, rasterises the fonts, writes the geometry and packs the
// shipped archives "game/game.zxc" and "levels/squares.zxc" and the language files "lng/".
//
//   quorrel-datagen --data DATA_DIR --out GAME_DIR [--images DIR]
//   quorrel-datagen --icons DIR
//
// --images also writes every drawn picture as a PNG file into DIR, for looking at them.
// --icons draws the desktop icons (one PNG a size and an SVG) into DIR, and nothing else.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "ChapterArt.h"
#include "ContentArchive.h"
#include "DataFolder.h"
#include "FontRaster.h"
#include "FrameArt.h"
#include "Geometry.h"
#include "HeroArt.h"
#include "HudArt.h"
#include "IconArt.h"
#include "ListArt.h"
#include "MenuArt.h"
#include "PieceArt.h"
#include "SceneryArt.h"
#include "ShippedForm.h"
#include "SkillArt.h"
#include "archive/CodePages.h"
#include "archive/SafeFile.h"
#ifdef QUORREL_DATAGEN_AUDIO
#include "datagen/audio/AudioContent.h"
#endif
#ifdef QUORREL_DATAGEN_EFFECTS
#include "PngEncode.h"
#include "datagen/effects/EffectSprites.h"
#endif

namespace fs = std::filesystem;

namespace {

struct TOptions {
    std::string Data;
    std::string Out;
    std::string Images;
    std::string Icons;
};

bool ParseOptions(int argc, char** argv, TOptions& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--data")
            o.Data = argv[i + 1];
        else if (key == "--out")
            o.Out = argv[i + 1];
        else if (key == "--images")
            o.Images = argv[i + 1];
        else if (key == "--icons")
            o.Icons = argv[i + 1];
        else
            return false;
    }
    if (!o.Icons.empty()) return argc == 3;
    return argc % 2 == 1 && !o.Data.empty() && !o.Out.empty();
}

TContentArchive BuildGameArchive(const std::string& data) {
    TContentArchive game;
    AddFrameArt(game);
    AddHudArt(game);
    AddMenuArt(game);
    AddListArt(game);
    AddSkillArt(game);
    AddFonts(game);
    DataFolder::AddScripts(game, data + "/aim/game");
#ifdef QUORREL_DATAGEN_EFFECTS
    // the pictures of the visual effects, named as "EffectsType.dat" names them
    for (const EffectSprite& s : MakeEffectSprites())
        game.AddPng(s.Name, s.Name, EncodePngRgba(s.Width, s.Height, s.Rgba));
#endif
#ifdef QUORREL_DATAGEN_AUDIO
    // "musics.dat", "sounds.dat", the music modules and the sound effects
    for (AudioEntry& entry : AudioEntries())
        game.AddData(entry.Name, std::move(entry.Bytes));
#endif
    DataFolder::AddFilesAsIs(game, data + "/game");
    game.AddData("surfaces.dat", game.SurfacesList());
    return game;
}

TContentArchive BuildSquaresArchive(const std::string& data) {
    TContentArchive squares;
    Geometry::AddTables(squares);
    AddPieceArt(squares);
    AddSceneryArt(squares);
    AddChapterArt(squares);
    AddHeroArt(squares);
    DataFolder::AddScripts(squares, data + "/aim/squares");
    DataFolder::AddFilesAsIs(squares, data + "/squares");
    squares.AddData("surfaces.dat", squares.SurfacesList());
    return squares;
}

// Language files are written in UTF-8 and shipped in the code page of their char set: Russian
// in Windows-1251, every other language in Windows-1250.
void WriteLanguages(const std::string& data, const std::string& out) {
    fs::create_directories(out + "/lng");
    for (const std::string& path : DataFolder::Files(data + "/lng", ".lng")) {
        const std::string name = fs::path(path).filename().string();
        const std::string page = name.rfind("RUS", 0) == 0 ? "CP1251" : "CP1250";
        WriteFileAtomically(out + "/lng/" + name,
                            CodePages::FromUtf8(page, DataFolder::ReadText(path)));
    }
}

void WriteImages(const TContentArchive& archive, const std::string& folder) {
    fs::create_directories(folder);
    for (const TContentEntry& e : archive.Entries()) {
        const std::string ext = fs::path(e.Name).extension().string();
        if (ext == ".PNG" || ext == ".aim")
            WriteFileAtomically(folder + "/" + FileBase(e.Name) + (ext == ".PNG" ? ".png" : ".aim"),
                                e.Bytes);
    }
}

} // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: quorrel-datagen --data DATA_DIR --out GAME_DIR [--images DIR]\n"
                     "       quorrel-datagen --icons DIR\n");
        return 2;
    }
    try {
        if (!options.Icons.empty()) {
            WriteIcons(options.Icons);
            return 0;
        }
        const TContentArchive game = BuildGameArchive(options.Data);
        const TContentArchive squares = BuildSquaresArchive(options.Data);
        if (!options.Images.empty()) {
            WriteImages(game, options.Images + "/game");
            WriteImages(squares, options.Images + "/squares");
        }
        WriteShippedArchive(options.Out + "/game/game.zxc", game.Entries());
        WriteShippedArchive(options.Out + "/levels/squares.zxc", squares.Entries());
        WriteLanguages(options.Data, options.Out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorrel-datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
