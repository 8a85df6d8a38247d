#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "main/levels/LevelSandbox.h"

// One game of a level by the play bot.
struct TBotRun {
    uint32_t Seed = 0;
    bool Won = false;
    uint32_t Ms = 0;    // game time at the end
    int Placements = 0; // pieces laid from the hand
    int Drops = 0;      // pieces given to the bumper
    int Hammers = 0;
    int Clippers = 0;
    std::string End; // "won", "lost" (the feed jammed) or "timeout"
};

// A player for level authors: it plays a loaded sandbox level through the game's own input
// and rules, at a human pace (one action - take, turn, lay, drop, tool - per 600 ms of game
// time), knowing only what a player sees: the feed, the board in view and the map it has
// scrolled through. It grows the root network towards bonus points and ghosts, keeps an end
// open while it still needs one, closes ends it can, drops what it cannot use and repairs
// ends nothing dealt can close with the clipper or the hammer.
TBotRun PlayLevel(TLevelSandbox& sandbox, const TSandboxLevel& level, uint32_t limitMs);

// Where the player's presses go. In a sandbox straight into the game's input; a demo's author
// moves a visible pointer there first and writes the events down.
class IBotHand {
  public:
    virtual ~IBotHand() = default;
    // A click of the button at the screen point, with Shift held when asked.
    virtual void Press(int button, TPoint at, bool shift) = 0;
};

// What the player reads and tries its moves on: a game with its level objects, the image
// sizes, and the game's time. Trial moves are laid and taken back here, so a game with a
// window gets a quiet copy of itself to think in.
struct TBotWorld {
    TGame& Game;
    TLevelObjects& Objects;
    IGameHost& Host;
    std::function<uint32_t()> Now;
};

// The play bot's mind, for a loop that drives it: each frame Watch, and when an action is due
// Act, which presses through the hand and says whether it did anything.
class TBotPlayer {
  public:
    TBotPlayer(TBotWorld world, IBotHand& hand);
    ~TBotPlayer();
    void Watch();
    bool Act();
    // The placements, drops and tools so far.
    TBotRun Tally() const;

  private:
    class TMind;
    std::unique_ptr<TMind> mind_;
};
