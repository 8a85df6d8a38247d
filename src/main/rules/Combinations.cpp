#include "main/rules/Game.h"

namespace {

// The laid piece (state 1) of that type at exactly that place, or -1.
int LaidPieceAt(const TFishkas& pieces, int type, int x, int y) {
    for (size_t i = 0; i < pieces.size(); ++i) {
        const TFishka& f = pieces[i];
        if (f.State == fsOnBoard && f.Type == type && f.X == x && f.Y == y)
            return static_cast<int>(i);
    }
    return -1;
}

// The pieces that make up the stamp when cell `anchor` is the given piece, or empty.
TIntArray MatchStamp(const TFishkas& pieces, const TOneStamp& stamp, size_t anchor, int piece) {
    const TFishka& f = pieces[piece];
    int dx = f.X - stamp[anchor].X, dy = f.Y - stamp[anchor].Y;
    TIntArray matched;
    for (size_t i = 0; i < stamp.size(); ++i) {
        if (i == anchor) {
            matched.push_back(piece);
            continue;
        }
        int other = LaidPieceAt(pieces, stamp[i].Type, stamp[i].X + dx, stamp[i].Y + dy);
        if (other < 0) return {};
        matched.push_back(other);
    }
    return matched;
}

} // namespace

void TGame::CheckCombination(int piece, uint32_t now) {
    TLevel& L = Level;
    if (L.CombPos < 0 || L.CombPos >= static_cast<int>(L.CombSequence.size())) return;
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size())) return;
    int comb = L.CombSequence[L.CombPos];
    if (comb < 0 || comb >= static_cast<int>(geo_.Combinations.size())) return;
    TIntArray matched;
    for (const TOneStamp& stamp : geo_.Combinations[comb]) {
        for (size_t c = 0; c < stamp.size() && matched.empty(); ++c)
            if (stamp[c].Type == Fishkas[piece].Type)
                matched = MatchStamp(Fishkas, stamp, c, piece);
        if (!matched.empty()) break;
    }
    if (matched.empty()) return;
    int total = static_cast<int>(L.CombSequence.size());
    L.CombPos += 1;
    host_.SetCaption("LCombCountWGame",
                     std::to_string(L.CombPos + 1) + " / " + std::to_string(total));
    L.ExperiencePoints += 100;
    size_t pinAt = pinned_.size(); // a cleared feed moves the indexes down
    pinned_.insert(pinned_.end(), matched.begin(), matched.end());
    if (L.CombPos >= total) {
        L.CombPos = -1;
        if (!DemoPlaying) GiveWeightedBonus(L.AllCombBonusProb, now);
        L.ExperiencePoints += 200;
        host_.SetVisible("LCombCountWGame", false);
        host_.SetVisible("LCombDoneWGame", true);
    }
    host_.RebuildBackground();
    matched.assign(pinned_.begin() + pinAt, pinned_.end());
    pinned_.resize(pinAt);
    for (int p : matched)
        host_.StartEffect("TwinkleFishka", {}, p, -1);
    host_.StartEffect("CombinationSound", {}, -1, -1);
    if (!DemoPlaying) GiveWeightedBonus(L.OneCombBonusProb, now);
    host_.RebuildBackground();
    if (HintsPending.FishComb) {
        host_.ShowHint("LHintFishComb", 10000);
        HintsPending.FishComb = false;
    }
}
