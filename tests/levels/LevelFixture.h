#pragma once
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "archive/FileFolder.h"
#include "graphics/SurfEngine.h"
#include "main/levels/LevelLoader.h"
#include "main/levels/LevelRuntime.h"

// Remembers what the level code asks of the game, as short lines.
class TLevelTestHost : public TQuietGameHost, public ILevelHost {
  public:
    std::vector<std::string> Log;
    std::vector<int> Progress;
    int Repaints = 0;
    int Rebuilds = 0;
    bool ProgressBar = true;

    void StartEffect(const std::string& type, TPoint at, int piece, int) override {
        Log.push_back("effect " + type + " " + std::to_string(at.X) + "," + std::to_string(at.Y) +
                      " " + std::to_string(piece));
    }
    void PlayMusic(const std::string& name) override { Log.push_back("music " + name); }
    void RebuildBackground() override { ++Rebuilds; }
    void DebugLog(const std::string& line) override { Log.push_back("log " + line); }
    bool HasProgressBar() override { return ProgressBar; }
    void SetProgress(int position) override { Progress.push_back(position); }
    void RepaintScreen() override { ++Repaints; }
    bool StartSurfaceEffect(const std::string& type, const std::string& surface,
                            TPoint at) override {
        Log.push_back("surface effect " + type + " " + surface + " " + std::to_string(at.X) + "," +
                      std::to_string(at.Y));
        return true;
    }

    int Count(const std::string& prefix) const;
    bool Has(const std::string& prefix) const { return Count(prefix) > 0; }
};

// Side masks: bit k-1 for side k (1 top, 2 right, 3 bottom, 4 left); on the synthetic board a
// single-square type's index is its mask.
constexpr int Top = 1, Right = 2, Bottom = 4, Left = 8;

// A level on a synthetic board of 6 x 5 squares of 40 pixels whose top-left corner lies at map
// (10, 1000), with test images: "Rock" (40 x 40, opaque), "Glass" (40 x 40, clear), "Wide"
// (80 x 40, opaque).
class LevelTest : public ::testing::Test {
  protected:
    static constexpr int Cols = 6, Rows = 5, BoardX = 10, BoardY = 1000, FirstBoardFrag = 30;
    LevelTest();

    static int Frag(int row, int col) { return FirstBoardFrag + row * Cols + col; }
    // Level-file coordinates whose point (x, y - 15) lies in the middle of the frag.
    static std::string At(int row, int col);
    // The file x that puts a picture's left edge on the frag's left edge.
    static int PictureX(int col) { return BoardX + 40 * col - 5; }
    static int PictureY(int row) { return BoardY + 40 * row; }

    // Loads the level text (lines joined with CR LF) at tick 1000.
    void Load(const std::vector<std::string>& lines);
    void AddImage(const std::string& name, int w, int h, bool opaque);
    bool Blocked(int frag) const;
    int PictureIndex(const std::string& name) const { return objects.FindPicture(name); }

    TLevelTestHost host;
    TSurfEngine engine{32};
    TGeometry geometry;
    std::vector<TBonusType> bonusTypes{TBonusType{}, TBonusType{}};
    Random random{7};
    TGame game{geometry, bonusTypes, random, host};
    TLevelObjects objects;
    TLevelImages images{engine, nullptr, host};
    TLevelRuntime runtime{game, objects, images, host};
    TLevelLoader loader{game, geometry, objects, images, host};
    TLevelSkills skills;
};
