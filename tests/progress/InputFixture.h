#pragma once
#include "main/rules/PlayInput.h"
#include "rules/RulesFixture.h"

// Remembers what the input asks of the interface, the renderer and the rest of the game.
class TRecordingInputHost : public TQuietInputHost {
  public:
    std::vector<std::string> Log;
    std::string TopWindow;

    void InterfaceMouseMove(int x, int y) override { Add("ui move", x, y); }
    void InterfaceMouseDown(int b, int x, int y) override { Add("ui down " + N(b), x, y); }
    void InterfaceMouseUp(int b, int x, int y) override { Add("ui up " + N(b), x, y); }
    void InterfaceKeyDown(int key, unsigned) override { Log.push_back("ui key " + N(key)); }
    void InterfaceKeyPress(uint8_t ch) override { Log.push_back("ui char " + N(ch)); }
    void ShowModal(const std::string& w) override { Log.push_back("show " + w); }
    std::string TopWindowName() override { return TopWindow; }
    bool CallMethod(const std::string& name) override {
        Log.push_back("call " + name);
        return true;
    }
    void HighlightPictureAt(TPoint at, uint32_t) override { Add("highlight", at.X, at.Y); }
    void SwitchDisplayMode() override { Log.push_back("display"); }
    void RestartLevelTimers(uint32_t now) override { Log.push_back("timers " + N(now)); }
    void StopDemo() override { Log.push_back("stop demo"); }
    void ToggleDemoRecording(uint32_t) override { Log.push_back("demo toggle"); }
    void ToggleFrameRate() override { Log.push_back("fps"); }

    bool Has(const std::string& line) const {
        return std::find(Log.begin(), Log.end(), line) != Log.end();
    }
    int CountPrefix(const std::string& prefix) const {
        int n = 0;
        for (const std::string& l : Log)
            n += l.rfind(prefix, 0) == 0;
        return n;
    }

  private:
    static std::string N(int v) { return std::to_string(v); }
    void Add(const std::string& what, int x, int y) {
        Log.push_back(what + " " + N(x) + "," + N(y));
    }
};

// The rules' synthetic board with the play input on top.
class InputTest : public RulesTest {
  protected:
    InputTest() { game.Level.MapBottom = 3000; }
    // Puts n new pieces in the feed.
    void Feed(int n) {
        for (int i = 0; i < n; ++i)
            game.AddSteckPiece(5, false, false, 0);
    }
    TRecordingInputHost ui;
    TPlayInput input{game, ui};
};
