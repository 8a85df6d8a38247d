#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Random.h"
#include "main/progress/GameFlow.h"

// What the demo asks of the rest of the game besides the flow: its file, and the player's hand
// replayed through the play input.
class IDemoHost {
  public:
    virtual ~IDemoHost() = default;
    // "Demo.dat" of the game folder, whole; false when it cannot be read.
    virtual bool ReadDemoFile(std::string& text) = 0;
    virtual void WriteDemoFile(const std::string& text) = 0;
    // A pointer move and a button press in their playback forms (nothing recorded, no
    // interface, no hints of the first takes, no picture highlight).
    virtual void ReplayMove(TPoint at, uint32_t now) = 0;
    virtual void ReplayPress(int button, TPoint at, uint32_t now) = 0;
    virtual void SetPointerImage(const std::string& image) = 0;
};

// One recorded level: the level file's name, then one line an event ("Demo.dat"). Recording
// turns the game's reports into lines; playback feeds them back at their times.
class TDemo {
  public:
    static constexpr const char* FileName = "Demo.dat";
    // The tools a recording starts with, and so a playback.
    static constexpr int Hammers = 8, Clippers = 3;

    TDemo(TGame& game, TGameFlow& flow, const TLevelList& levels, IFlowWidgets& widgets,
          IFlowHost& flowHost, IDemoHost& host, Random& random)
        : game_(game), flow_(flow), levels_(levels), widgets_(widgets), flowHost_(flowHost),
          host_(host), random_(random) {}

    // The developer key: starts recording the next level, or stops and writes the file.
    void ToggleRecording(uint32_t now);
    // A report of the game while recording ("<MouseMove>", "<NewFishkaInSteck>", a
    // "<GiveBonus " line).
    void Record(const std::string& event, uint32_t now);

    // The title's Demo button. A missing or empty file, or one naming a level the game does
    // not have, plays nothing: the title stays and debug.log says why.
    bool BDemoWTitleMouseUp(uint32_t now);
    // Every line whose time has come, once a frame.
    void DemoStep(uint32_t now);
    // Back to the title; the game that was kept before the demo is as it was.
    void StopDemo();
    const std::string& LevelName() const;

    std::vector<std::string> Lines;

  private:
    std::string Line(const std::string& event, uint32_t now) const;
    void Handle(const std::string& line, uint32_t now);
    void StartRecording(uint32_t now);
    void StopRecording();

    TGame& game_;
    TGameFlow& flow_;
    const TLevelList& levels_;
    IFlowWidgets& widgets_;
    IFlowHost& flowHost_;
    IDemoHost& host_;
    Random& random_;
    uint32_t start_ = 0;
    size_t current_ = 0;
    uint64_t due_ = 0;
    // What the player had before the demo: a demo is no game of theirs.
    TProgression keptValues_;
    TPlayMode keptMode_ = pmNormal;
    int keptHammers_ = 0, keptClippers_ = 0;
};
