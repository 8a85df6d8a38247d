#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "archive/Rect.h"
#include "main/rules/Game.h"
#include "main/rules/PlayInputHost.h"
#include "platform/VirtualKeys.h"

// Mouse buttons as the interface engine numbers them.
enum TInputButton { ibLeft = 0, ibRight = 1, ibMiddle = 2 };

// The play-time cheat codes: F5, then a few of F5 to F8 within a second and a half.
class TKeySequences {
  public:
    static constexpr uint32_t EntryTime = 1500;
    struct TSequence {
        int Allowed = 0;
        int Used = 0;
        std::vector<int> Keys; // begins with F5
    };

    TKeySequences();
    bool Active() const { return active_; }
    void Start(uint32_t now);
    // Feeds a key while entry is active. Returns the number (1 to 4) of a sequence that was
    // completed and may still be used (its use is counted), else 0.
    int Feed(int key, uint32_t now);
    // A new level: every sequence may be used again.
    void ResetUses();
    const std::array<TSequence, 4>& Table() const { return table_; }

  private:
    std::array<TSequence, 4> table_;
    bool active_ = false;
    std::vector<int> typed_; // the keys of this entry so far, F5 first
    uint32_t start_ = 0;
};

// The mouse and the keys during play: what goes to the interface, what to the rules, the tool
// pointers, the shortcuts, and the demo reports.
class TPlayInput {
  public:
    TPlayInput(TGame& game, IPlayInputHost& host) : game_(game), host_(host) {}

    // The form's handlers. Positions are frame coordinates; shift carries shiftstate bits.
    void FormMouseMove(int x, int y, uint32_t now);
    void FormMouseDown(int button, int x, int y, uint32_t now);
    void FormMouseUp(int button, int x, int y);
    // delta > 0: turned away from the player.
    void FormMouseWheel(int delta);
    void FormKeyDown(int key, unsigned shift, uint32_t now);
    void FormKeyUp(int key);
    void FormKeyPress(uint8_t ch);

    // A demo's recorded hand: the pointer (the held piece and the clipper preview follow it)
    // and the presses, which act on the board only.
    void ReplayMove(int x, int y);
    void ReplayPress(int button, int x, int y, uint32_t now);

    // The published button handlers.
    void BMenuWGameMouseUp(uint32_t now);
    void BResumeWMenuMouseUp(uint32_t now);
    void BGenerateFishWGameMouseUp();

    // Registers the published handlers by name; clock gives the time of the call.
    template <class TTable> void RegisterHandlers(TTable& table, std::function<uint32_t()> clock) {
        table.RegisterMethod("BMenuWGameMouseUp", [this, clock] { BMenuWGameMouseUp(clock()); });
        table.RegisterMethod("BResumeWMenuMouseUp",
                             [this, clock] { BResumeWMenuMouseUp(clock()); });
        table.RegisterMethod("BGenerateFishWGameMouseUp", [this] { BGenerateFishWGameMouseUp(); });
    }

    // The developer keys answer when the setting DebugMode is 527.
    void SetDeveloperKeys(bool on) { DeveloperKeys = on; }
    // A level starts: the key sequences may be used again.
    void ResetKeySequences() { sequences_.ResetUses(); }
    // Chooses a pointer image; any but the clipper ends the clipper preview.
    void SetPointer(const std::string& image);

    bool DeveloperKeys = false;
    bool ShiftDown = false;
    uint32_t LastInputTime = 0;
    const TKeySequences& Sequences() const { return sequences_; }

    // Screen areas; every edge belongs to its area.
    static constexpr TRect BoardTakeArea{10, 0, 595, 500};
    static constexpr TRect BoardLayArea{0, 0, 600, 500};
    static constexpr TRect BumperDropArea{600, 400, 800, 500};
    static constexpr TRect HammerButton{630, 300, 695, 365};
    static constexpr TRect ClipperButton{710, 300, 775, 365};

  private:
    bool DemoInterrupts(int x, int y);
    int TurnsInCycle() const;
    void RecordForwardTurns(int turns);
    void UpdateHover(int x, int y);
    void UpdateClipPreview(int x, int y, bool force);
    void FollowPointer(int x, int y);
    void LeftClick(int x, int y, uint32_t now);
    void RightClick(int x, int y);
    void ClickOffBoard(int x, int y, uint32_t now);
    void TakeFromSteck(int position, uint32_t now);
    void ToolKey(const std::string& image, int stock, uint32_t now);
    void DeveloperKey(int key, unsigned shift, uint32_t now);
    void SequenceActs(int sequence, uint32_t now);
    void Record(const char* event);

    TGame& game_;
    IPlayInputHost& host_;
    TKeySequences sequences_;
    uint32_t menuOpenedAt_ = 0;
    bool menuOpen_ = false;
    bool clipPreviewValid_ = false;
};
