#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Rect.h"

// Everything the rules ask of the rest of the game. The shell implements every request, so a
// request it forgets to wire fails to compile; headless tools and tests that serve only some
// derive from TQuietGameHost.
class IGameHost {
  public:
    virtual ~IGameHost() = default;

    // Starts an effect type by name. A non-zero coordinate of point replaces that axis of the
    // pieces' anchor; piece1/piece2 are piece indexes or -1.
    virtual void StartEffect(const std::string& type, TPoint point, int piece1, int piece2) = 0;
    // Stops the running effects of that type anchored to the piece.
    virtual void StopPieceEffect(const std::string& type, int piece) = 0;
    // A piece left the piece array: anchors above it move down by one, anchors on it go.
    virtual void PieceRemoved(int index) = 0;
    // Stops the current music and plays the named one.
    virtual void PlayMusic(const std::string& name) = 0;
    virtual void ShowHint(const std::string& label, uint32_t durationMs) = 0;
    virtual void SetCaption(const std::string& label, const std::string& text) = 0;
    virtual void SetVisible(const std::string& name, bool visible) = 0;
    // Shows the first (0) or second (1) picture of a button.
    virtual void SetButtonPicture(const std::string& name, int which) = 0;
    virtual void RebuildBackground() = 0;
    virtual void ShowWindow(const std::string& name) = 0;
    // Registers an image of the squares archive with the surface catalogue.
    virtual void RegisterImage(const std::string& name, const std::string& file) = 0;
    // Width (X) and height (Y) of a named image; 0 x 0 when unknown.
    virtual TPoint ImageSize(const std::string& name) = 0;
    virtual void DebugLog(const std::string& line) = 0;
    // A demo event ("<NewFishkaInSteck>", "<MoveSteck>", a "<GiveBonus " line) while recording.
    virtual void DemoRecord(const std::string& event) = 0;
};

// A host with no window, no sound and no demo: every request does nothing. For headless
// tools and tests, which override what they look at.
class TQuietGameHost : public IGameHost {
  public:
    void StartEffect(const std::string&, TPoint, int, int) override {}
    void StopPieceEffect(const std::string&, int) override {}
    void PieceRemoved(int) override {}
    void PlayMusic(const std::string&) override {}
    void ShowHint(const std::string&, uint32_t) override {}
    void SetCaption(const std::string&, const std::string&) override {}
    void SetVisible(const std::string&, bool) override {}
    void SetButtonPicture(const std::string&, int) override {}
    void RebuildBackground() override {}
    void ShowWindow(const std::string&) override {}
    void RegisterImage(const std::string&, const std::string&) override {}
    TPoint ImageSize(const std::string&) override { return {}; }
    void DebugLog(const std::string&) override {}
    void DemoRecord(const std::string&) override {}
};

// What the level objects and the effect runtime plug into the tick and into laying a piece.
// Each default does nothing, so the rules run on their own.
class IRuleHooks {
  public:
    virtual ~IRuleHooks() = default;
    // Advances running effects; true when the background must be rebuilt.
    virtual bool UpdateEffects(uint32_t now) { return (void)now, false; }
    // Advances the level pictures' images; true when the background must be rebuilt for it.
    virtual bool CyclePictures(uint32_t now) { return (void)now, false; }
    // Self-repeating effect types other than the level's rain.
    virtual void RunRepeatingEffects(uint32_t now) { (void)now; }
    virtual void RunFireSources(uint32_t now) { (void)now; }
    // Sprites bound to board pieces follow the map.
    virtual void FollowMapScroll(int mapScroll) { (void)mapScroll; }
    // A free-moving picture of the board layer covers one of the frags: it flashes and the
    // piece cannot be laid.
    virtual bool MovingPictureBlocks(const std::vector<int>& frags, uint32_t now) {
        return (void)frags, (void)now, false;
    }
    // The dry run of the bonus points: true when a reached point would set off a frag bomb.
    virtual bool DryRunFindsFragBomb() { return false; }
    virtual void CheckBonusPoints(uint32_t now) { (void)now; }
    virtual void CheckGhostGroups(uint32_t now) { (void)now; }
    // The level's animation timers restart as after a pause.
    virtual void RestartLevelTimers(uint32_t now) { (void)now; }
    virtual void GroupsRecomputed() {}
};
