#include "main/rules/BonusTypes.h"

#include "archive/FileFolder.h"
#include "archive/SFunctions.h"

std::vector<TBonusType> ParseBonusTypes(const std::string& text) {
    std::vector<TBonusType> out;
    for (const std::string& raw : SplitLines(text)) {
        std::string line = LowerCase(raw);
        if (line.find("<bonustype") == std::string::npos || line.find("/>") == std::string::npos)
            continue;
        TBonusType b;
        b.ClearSteck = GetAttr(line, "clearsteck") == "true";
        b.PlusHammers = StrToIntVal(GetAttr(line, "plushummers"));
        b.PlusCaps = StrToIntVal(GetAttr(line, "pluscaps"));
        b.PlusScore = StrToIntVal(GetAttr(line, "plusscore"));
        b.SpeedUpOtb = StrToIntVal(GetAttr(line, "speedupotb"));
        b.MakeFishesWithBonus = GetAttr(line, "makefisheswithbonus") == "true";
        b.TimeToNoLose = StrToIntVal(GetAttr(line, "timetonolose"));
        out.push_back(b);
    }
    return out;
}

std::vector<TBonusType> LoadBonusTypes(TFileFolder& game, const std::string& name) {
    return ParseBonusTypes(game.Read(name).Text());
}
