#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Rect.h"

// Everything the rules ask of the rest of the game. The shell implements it; tests record it.
// Every request has a do-nothing default, so a host only overrides what it serves.
class IGameHost {
  public:
    virtual ~IGameHost() = default;

    // Starts an effect type by name. A non-zero coordinate of point replaces that axis of the
    // pieces' anchor; piece1/piece2 are piece indexes or -1.
    virtual void StartEffect(const std::string& type, TPoint point, int piece1, int piece2) {
        (void)type, (void)point, (void)piece1, (void)piece2;
    }
    // Stops the running effects of that type anchored to the piece.
    virtual void StopPieceEffect(const std::string& type, int piece) { (void)type, (void)piece; }
    // A piece left the piece array: anchors above it move down by one, anchors on it go.
    virtual void PieceRemoved(int index) { (void)index; }
    // Stops the current music and plays the named one.
    virtual void PlayMusic(const std::string& name) { (void)name; }
    virtual void ShowHint(const std::string& label, uint32_t durationMs) {
        (void)label, (void)durationMs;
    }
    virtual void SetCaption(const std::string& label, const std::string& text) {
        (void)label, (void)text;
    }
    virtual void SetVisible(const std::string& name, bool visible) { (void)name, (void)visible; }
    // Shows the first (0) or second (1) picture of a button.
    virtual void SetButtonPicture(const std::string& name, int which) { (void)name, (void)which; }
    virtual void SetPointerImage(const std::string& name) { (void)name; }
    virtual void RebuildBackground() {}
    virtual void ShowWindow(const std::string& name) { (void)name; }
    // Registers an image of the squares archive with the surface catalogue.
    virtual void RegisterImage(const std::string& name, const std::string& file) {
        (void)name, (void)file;
    }
    // Width (X) and height (Y) of a named image; 0 x 0 when unknown.
    virtual TPoint ImageSize(const std::string& name) {
        (void)name;
        return {};
    }
    virtual void DebugLog(const std::string& line) { (void)line; }
    // A demo event ("<NewFishkaInSteck>", "<MoveSteck>", a "<GiveBonus " line) while recording.
    virtual void DemoRecord(const std::string& event) { (void)event; }
};

// What the level objects and the effect runtime plug into the tick and into laying a piece.
// Each default does nothing, so the rules run on their own.
class IRuleHooks {
  public:
    virtual ~IRuleHooks() = default;
    // Advances running effects; true when the background must be rebuilt.
    virtual bool UpdateEffects(uint32_t now) { return (void)now, false; }
    // Advances the level pictures' images; true when any changed.
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
