#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "archive/FileFolder.h"
#include "main/rules/Game.h"
#include "main/rules/GeometryLoader.h"

// Remembers every request the rules make, as short lines, for the tests to look for.
class TRecordingHost : public TQuietGameHost {
  public:
    std::vector<std::string> Log;
    std::map<std::string, std::string> Captions;
    std::map<std::string, bool> Visible;
    std::map<std::string, TPoint> Sizes;
    std::vector<std::pair<std::string, std::string>> Images;
    int Rebuilds = 0;

    void StartEffect(const std::string& type, TPoint, int piece1, int) override {
        Log.push_back("effect " + type + " " + std::to_string(piece1));
    }
    void StopPieceEffect(const std::string& type, int piece) override {
        Log.push_back("stop " + type + " " + std::to_string(piece));
    }
    void PieceRemoved(int index) override { Log.push_back("removed " + std::to_string(index)); }
    void RebuildBackground() override { ++Rebuilds; }
    void PlayMusic(const std::string& name) override { Log.push_back("music " + name); }
    void ShowHint(const std::string& label, uint32_t ms) override {
        Log.push_back("hint " + label + " " + std::to_string(ms));
    }
    void SetCaption(const std::string& label, const std::string& text) override {
        Captions[label] = text;
    }
    void SetVisible(const std::string& name, bool visible) override { Visible[name] = visible; }
    void ShowWindow(const std::string& name) override { Log.push_back("window " + name); }
    void RegisterImage(const std::string& name, const std::string& file) override {
        Images.emplace_back(name, file);
    }
    TPoint ImageSize(const std::string& name) override {
        auto it = Sizes.find(name);
        return it == Sizes.end() ? TPoint{40, 40} : it->second;
    }
    void DebugLog(const std::string& line) override { Log.push_back("log " + line); }
    void DemoRecord(const std::string& event) override { Log.push_back("demo " + event); }

    // Position of the first such line in the log, or -1.
    int IndexOf(const std::string& line) const {
        for (size_t i = 0; i < Log.size(); ++i)
            if (Log[i] == line) return static_cast<int>(i);
        return -1;
    }
    bool Has(const std::string& line) const { return Count(line) > 0; }
    int Count(const std::string& line) const {
        int n = 0;
        for (const std::string& l : Log)
            n += l == line;
        return n;
    }
};

// Side masks: bit k-1 for side k (1 top, 2 right, 3 bottom, 4 left).
constexpr int Top = 1, Right = 2, Bottom = 4, Left = 8;

// The name of the single-square type with a mask: its side digits in ascending order.
std::string MaskName(int mask);

// A synthetic squares archive: a 15 x 2 template of 40-pixel squares, then a board of
// Rows x Cols squares whose top-left corner lies at (BoardX, BoardY) in map coordinates.
struct TSyntheticGeometry {
    static constexpr int Cols = 6;
    static constexpr int Rows = 5;
    static constexpr int BoardX = 10;
    static constexpr int BoardY = 1000;
    static constexpr int FirstBoardFrag = 30;

    // Writes the archive entries; extra and partial bytes can be appended to test the loader.
    static TFileFolder BuildArchive(const std::string& combinations = "", int extraBytes = 0);
    static int Frag(int row, int col) { return FirstBoardFrag + row * Cols + col; }
};

// A game on the synthetic board, with a recording host and a seeded generator.
class RulesTest : public ::testing::Test {
  protected:
    RulesTest();

    // Places a piece as the level does: at the frag's anchor, joined to its neighbours.
    int LevelPiece(int frag, int type, int state = fsOnBoard);
    // A ghost square the level wants covered with this mask.
    int Ghost(int frag, int mask);
    // Puts a new piece in the hand with the top-left square of its template over the frag.
    int Hold(int type, int frag);
    // Moves the held piece so that its template's top-left square lies over the frag.
    void MoveHeldOver(int frag);
    TPoint ScreenOf(int frag) const; // the held position whose first square probes this frag
    int TypeOf(const std::string& name) const { return geometry.FindFishkaType(name); }

    TGeometry geometry;
    std::vector<TBonusType> bonusTypes;
    Random random{12345};
    TRecordingHost host;
    TGame game{geometry, bonusTypes, random, host};
};
