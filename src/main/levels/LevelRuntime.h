#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "main/levels/LevelHost.h"
#include "main/levels/LevelImages.h"
#include "main/levels/LevelObjects.h"
#include "main/rules/Game.h"

// The level's objects at play: pictures cycle and move, fire sources emit, bonus points and
// elements run their actions, ghost groups pay out. Plugs into the rules' tick and laying.
class TLevelRuntime : public IRuleHooks {
  public:
    // effects, when given, gets the rules' effect hooks, so one object serves the game.
    TLevelRuntime(TGame& game, TLevelObjects& objects, TLevelImages& images, ILevelHost& levelHost,
                  IRuleHooks* effects = nullptr)
        : game_(game), objects_(objects), images_(images), levelHost_(levelHost),
          effects_(effects) {}

    // --- hooks of the rules ---------------------------------------------------------------
    bool UpdateEffects(uint32_t now) override { return effects_ && effects_->UpdateEffects(now); }
    void RunRepeatingEffects(uint32_t now) override {
        if (effects_) effects_->RunRepeatingEffects(now);
    }
    void FollowMapScroll(int mapScroll) override {
        if (effects_) effects_->FollowMapScroll(mapScroll);
    }
    bool CyclePictures(uint32_t now) override;
    void RunFireSources(uint32_t now) override;
    bool MovingPictureBlocks(const std::vector<int>& frags, uint32_t now) override;
    bool DryRunFindsFragBomb() override;
    void CheckBonusPoints(uint32_t now) override;
    void CheckGhostGroups(uint32_t now) override;
    void RestartLevelTimers(uint32_t now) override;
    void GroupsRecomputed() override;

    // --- pictures ---------------------------------------------------------------------------
    // One motion step of a moving picture along its curve (called when it is drawn).
    void MovePicture(int picture, uint32_t now);
    void ShowPicture(const std::string& name);
    void RemovePicture(const std::string& name);

    // --- actions ---------------------------------------------------------------------------
    void PictureBomb(int x, int y, const std::string& bombImage, const std::string& effect, int r);
    void FragBomb(int frag, int r, const std::string& effect, bool ghost);
    void PutPiece(int frag, int type, bool ghost);
    // Whether a laid piece at (x, y) lies in a ghost rectangle.
    bool InGhostRect(int x, int y) const;

  private:
    bool PointReached(const TBonusPoint& point) const;
    void RunActions(const TLevelActions& actions, const TStartEffect& start, uint32_t now);
    void StartEffect(const std::string& name, const std::string& surface, TPoint at);
    void LiftToGhost(int piece, int frag);
    void JoinRootGroup(const TGhostFishGroup& g);
    TPoint FirstImageSize(const TLevelPicture& p) const;

    TGame& game_;
    TLevelObjects& objects_;
    TLevelImages& images_;
    ILevelHost& levelHost_;
    IRuleHooks* effects_;
};
