#include <algorithm>

#include "main/rules/Game.h"

void TGame::ClearSteck() {
    TIntArray pieces = Steck;
    for (int p : pieces)
        host_.StartEffect("HammerFishka", {}, p, -1);
    Steck.clear();
    std::sort(pieces.begin(), pieces.end());
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
        if (HoveredPiece == *it) HoveredPiece = -1;
        RemoveFishka(*it);
    }
    host_.StartEffect("HammerFishkaSound", {}, -1, -1);
    // An empty feed is no jam: a countdown already running stops with it.
    Overflowing = false;
}

void TGame::GiveBonus(int number, uint32_t now) {
    if (number < 0 || number >= static_cast<int>(bonusTypes_.size())) return;
    if (DemoRecording) host_.DemoRecord("<GiveBonus ind=\"" + std::to_string(number) + "\">");
    const TBonusType& b = bonusTypes_[number];
    if (b.ClearSteck) ClearSteck();
    if (b.PlusHammers > 0) {
        HammerCount += b.PlusHammers;
        host_.SetCaption("LHammerCountWGame", std::to_string(HammerCount));
        host_.StartEffect("GiveHammer", {}, -1, -1);
    }
    if (b.PlusCaps > 0) {
        ClipperCount += b.PlusCaps;
        host_.SetCaption("LClipperCountWGame", std::to_string(ClipperCount));
        host_.StartEffect("GiveClipper", {}, -1, -1);
    }
    if (b.PlusScore > 0) {
        if (Mode != pmNoLose) Level.LevelScore += b.PlusScore;
        RefreshScoreLabel();
        host_.StartEffect("GiveScore", {}, -1, -1);
    }
    if (b.SpeedUpOtb > 0) {
        DropAccelUntil = now + b.SpeedUpOtb;
        host_.StartEffect("GiveSpeedUpOtb", {}, -1, -1);
    }
    if (b.MakeFishesWithBonus) {
        for (int p : Steck) {
            Fishkas[p].Bonus = true;
            host_.StartEffect("MakeFishkaBonused", {}, p, -1);
        }
        host_.StartEffect("GiveBonusFishka", {}, -1, -1);
    }
    if (b.TimeToNoLose > 0) {
        LiveUntil = now + b.TimeToNoLose;
        host_.StartEffect("GiveTimeToNoLoose", {}, -1, -1);
    }
}

void TGame::GiveWeightedBonus(const TIntArray& weights, uint32_t now) {
    int number = RandomWeightedIndex(weights, random_);
    if (number >= 0) GiveBonus(number, now);
}
