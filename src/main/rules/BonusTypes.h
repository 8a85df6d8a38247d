#pragma once
#include <string>
#include <vector>

class TFileFolder;

// One reward: any mix of tools, score, a faster bumper, a cleared feed, bonus marks on the
// feed and time without losing.
struct TBonusType {
    bool ClearSteck = false;
    int PlusHammers = 0;
    int PlusCaps = 0;
    int PlusScore = 0;
    int SpeedUpOtb = 0; // ms of faster bumper
    bool MakeFishesWithBonus = false;
    int TimeToNoLose = 0; // ms without losing
};

// One bonus type per line that holds both "<bonustype" and "/>" (read in lower case).
std::vector<TBonusType> ParseBonusTypes(const std::string& text);
// Reads the named entry of the game archive; a missing entry raises the archive's GameError.
std::vector<TBonusType> LoadBonusTypes(TFileFolder& game, const std::string& name);
