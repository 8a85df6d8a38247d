#include <algorithm>
// The loaded board as a player meets it.
#include <deque>

#include "main/levels/LevelCheckParts.h"
#include "main/levels/LevelObjects.h"
#include "main/rules/Game.h"

namespace {

const char* const SideNames[] = {"", "top", "right", "bottom", "left"};

std::string PieceKind(const TFishka& f) {
    return f.State == fsFixed ? "bonus point" : f.State == fsGhost ? "ghost piece" : "piece";
}

struct TBoardCheck {
    TGame& Game;
    const TLevel& L;
    const TGeometry& Geo;
    const TLevelObjects& Objects;
    const TLevelReadLog& Log;
    TLevelFindings& Out;

    int SquareLine(int i) const {
        return Log.LineOf(i, [](const TLevelCounts& c) { return c.Squares; });
    }
    int PieceLine(int i) const {
        return Log.LineOf(i, [](const TLevelCounts& c) { return c.Pieces; });
    }

    // The visible board-layer picture whose opaque part covers the frag, or null.
    const TLevelPicture* CoveringPicture(int frag) const {
        for (const TLevelPicture& p : Objects.Pictures)
            if (p.Visible && IntArrayContains(frag, p.CoveredFrags)) return &p;
        return nullptr;
    }

    // Group 1 is the network that reaches bonus points, finishes the level and keeps the
    // hammer off its pieces: it is the group of the first square laid.
    void Root() {
        int first = -1;
        for (size_t i = 0; i < L.SquareFrag.size() && first < 0; ++i)
            if (L.SquareMask[i] != 0) first = static_cast<int>(i);
        if (first < 0) return Out.Error(0, "no piece on the board: there is no twig to grow");
        const TFishka& f = Game.Fishkas[L.SquarePiece[first]];
        if (f.State != fsOnBoard)
            Out.Error(SquareLine(first),
                      "the first square laid is a " + PieceKind(f) +
                          ": it becomes group 1, the network that reaches bonus points and "
                          "finishes the level; lay the starting <Fishka> before it");
        size_t top = 0;
        for (size_t i = 1; i < Game.Fishkas.size(); ++i)
            if (Game.Fishkas[i].Y < Game.Fishkas[top].Y) top = i;
        // The root only keeps the hammer off; the warning below tells when that matters.
        if (Game.Fishkas[top].State != fsOnBoard)
            Out.Warning(PieceLine(static_cast<int>(top)),
                        "the loader makes this " + PieceKind(Game.Fishkas[top]) +
                            " the root (it is the highest piece), not a starting <Fishka>");
        // A piece left breakable on purpose stands apart (a stray for the hammer); one linked
        // to pieces the hammer cannot take was most likely meant to be like them.
        for (size_t i = 0; i < Game.Fishkas.size(); ++i) {
            const TFishka& p = Game.Fishkas[i];
            if (p.State != fsOnBoard || p.InitialGroup == 1 || p.Root) continue;
            const bool linkedToKept =
                std::any_of(Game.Fishkas.begin(), Game.Fishkas.end(), [&](const TFishka& o) {
                    return &o != &p && o.State == fsOnBoard && o.Root && o.Group == p.Group;
                });
            if (linkedToKept)
                Out.Warning(PieceLine(static_cast<int>(i)),
                            "the hammer can take this starting piece though the pieces it is "
                            "linked to are kept: give it unhammer=\"true\"");
        }
    }

    // Open ends and wanted squares hidden under scenery.
    void UnderPictures() {
        for (size_t i = 0; i < L.SquareFrag.size(); ++i) {
            const int piece = L.SquarePiece[i];
            if (L.SquareMask[i] == 0 || piece < 0 || Game.Fishkas[piece].State != fsOnBoard)
                continue;
            Geo.ForEachConnectAt(L.SquareFrag[i], [&](int side, int other, int) {
                int j = Game.SquareIndexOfFrag(other);
                if (!Geo.SquareHasTwig(L.SquareMask[i], side) || j < 0 || L.SquareMask[j] != 0)
                    return;
                if (const TLevelPicture* p = CoveringPicture(other))
                    Out.Error(SquareLine(static_cast<int>(i)),
                              std::string("the twig leaving the ") + SideNames[side] +
                                  " of this piece ends under picture \"" + p->Name +
                                  "\": that open end can never be closed");
            });
        }
        for (size_t r = 0; r < L.RequiredFrag.size(); ++r)
            if (const TLevelPicture* p = CoveringPicture(L.RequiredFrag[r]))
                Out.Error(Log.LineOf(static_cast<int>(r),
                                     [](const TLevelCounts& c) { return c.Required; }),
                          "this ghost lies under the opaque part of picture \"" + p->Name + "\"");
    }

    // Pictures that some action may take away during play.
    bool Removable(const TLevelPicture& picture) const {
        auto removes = [&](const TLevelActions& a) {
            for (const std::string& name : a.RemovePictures)
                if (name == picture.Name) return true;
            for (const TBombs& b : a.Bombs)
                if (b.PictureBomb && picture.Z == 0 &&
                    (b.BombImage.empty() ||
                     (!picture.Images.empty() && picture.Images[0] == b.BombImage)))
                    return true;
            return false;
        };
        for (const TBonusPoint& p : Objects.BonusPoints)
            if (removes(p.Actions)) return true;
        for (const TBonusElement& e : Objects.BonusElements)
            if (removes(e.Actions)) return true;
        return false;
    }

    // A frag the player may lay on, now or once scenery is taken away.
    bool Free(int frag) const {
        int j = Game.SquareIndexOfFrag(frag);
        if (j < 0) return true;
        if (L.SquarePiece[j] >= 0) return Game.Fishkas[L.SquarePiece[j]].State == fsGhost;
        for (const TLevelPicture& p : Objects.Pictures)
            if (p.Visible && IntArrayContains(frag, p.CoveredFrags) && !Removable(p)) return false;
        return true;
    }

    // Bonus points that no run of free frags joins to the starting pieces (a reached point
    // carries the network on through its own twigs).
    void Reach() {
        std::vector<char> seen(Geo.Frags.size(), 0);
        std::deque<int> todo;
        auto visit = [&](int frag) {
            if (Geo.ValidFrag(frag) && !seen[frag]) seen[frag] = 1, todo.push_back(frag);
        };
        for (size_t i = 0; i < L.SquareFrag.size(); ++i)
            if (L.SquarePiece[i] >= 0 && Game.Fishkas[L.SquarePiece[i]].State == fsOnBoard)
                visit(L.SquareFrag[i]);
        while (!todo.empty()) {
            int frag = todo.front();
            todo.pop_front();
            int j = Game.SquareIndexOfFrag(frag);
            bool square = j >= 0 && L.SquareMask[j] != 0 && !Free(frag);
            Geo.ForEachConnectAt(frag, [&](int side, int other, int otherSide) {
                if (square && !Geo.SquareHasTwig(L.SquareMask[j], side)) return;
                if (Free(other)) return visit(other);
                int k = Game.SquareIndexOfFrag(other);
                // A laid square joins through a twig on its side.
                if (k >= 0 && L.SquareMask[k] != 0 && !square &&
                    Geo.SquareHasTwig(L.SquareMask[k], otherSide))
                    visit(other);
            });
        }
        for (size_t i = 0; i < Objects.BonusPoints.size(); ++i) {
            int frag = Objects.BonusPoints[i].Frag;
            if (Geo.ValidFrag(frag) && !seen[frag])
                Out.Error(
                    Log.LineOf(static_cast<int>(i), [](const TLevelCounts& c) { return c.Points; }),
                    "no path of free squares leads from the starting twig to this bonus "
                    "point's twig");
        }
    }

    // One weight per bonus type: a longer list draws bonuses that do not exist (nothing is
    // given); a shorter one never gives the types it leaves out.
    void Weights(int line, const TIntArray& weights, const std::string& what) {
        const size_t types = Game.BonusTypes().size();
        if (!types || weights.empty() || weights.size() == types) return;
        const std::string counts = what + " holds " + std::to_string(weights.size()) +
                                   " weights; BonusTypes.dat has " + std::to_string(types) +
                                   " bonus types";
        if (weights.size() > types)
            Out.Error(line, counts + ": a draw of the extra ones gives nothing");
        else
            Out.Warning(line, counts + ": bonus types " + std::to_string(weights.size()) +
                                  " and up are never given");
    }

    void GhostGroups() {
        for (size_t g = 0; g < Objects.GhostGroups.size(); ++g) {
            int line = Log.LineOf(static_cast<int>(g),
                                  [](const TLevelCounts& c) { return c.GhostGroups; });
            const TGhostFishGroup& group = Objects.GhostGroups[g];
            if (group.GhostFrags.empty())
                Out.Warning(line, "no ghost is left in this ghost group: it never pays a bonus");
            else if (group.BonusWeights.empty())
                Out.Warning(line, "this ghost group has no <GGBonusProb>: it pays no bonus");
            else
                Weights(line, group.BonusWeights, "the group's <GGBonusProb>");
        }
    }

    void Feed() {
        bool weighted = false;
        for (int w : L.TypeWeights)
            weighted = weighted || w > 0;
        if (!weighted && L.TypeQueue.empty())
            Out.Error(0, "no <FProb> has a positive weight and there is no <FishTypeSequence>: "
                         "the feed deals nothing");
        else if (!weighted)
            Out.Warning(0, "no <FProb> has a positive weight: after the <FishTypeSequence> the "
                           "feed deals nothing");
        for (size_t q = 0; q < L.TypeQueue.size(); ++q)
            if (!Geo.ValidType(L.TypeQueue[q]))
                Out.Error(
                    Log.LineOf(static_cast<int>(q), [](const TLevelCounts& c) { return c.Queue; }),
                    "piece type " + std::to_string(L.TypeQueue[q]) + " does not exist (0 to " +
                        std::to_string(Geo.CompFishkaTypes.size() - 1) + ")");
    }

    void Lists() {
        const std::pair<const TIntArray*, const char*> lists[] = {
            {&L.OneCombBonusProb, "<OneCombBonusProb>"},
            {&L.AllCombBonusProb, "<AllCombBonusProb>"},
            {&L.FishkaBonusProb, "<FishkaBonusProb>"}};
        for (auto [list, tag] : lists) {
            int line = 0;
            for (size_t n = 1; n < Log.Lines().size(); ++n)
                if (Log.Lines()[n].Acted(tag)) line = static_cast<int>(n);
            Weights(line, *list, tag);
        }
        for (size_t c = 0; c < L.CombSequence.size(); ++c)
            if (L.CombSequence[c] >= static_cast<int>(Geo.Combinations.size()))
                Out.Error(
                    Log.LineOf(static_cast<int>(c), [](const TLevelCounts& k) { return k.Combs; }),
                    "combination " + std::to_string(L.CombSequence[c] + 1) +
                        " is not in FishCombinations.dat (it has " +
                        std::to_string(Geo.Combinations.size()) + ")");
    }

    void Settings() {
        bool generator = false, level = false;
        for (const TLineRead& line : Log.Lines()) {
            generator = generator || line.Acted("<Generator");
            level = level || line.Acted("<Level ");
        }
        if (!generator)
            Out.Warning(0, "no <Generator period=...>: the feed keeps the last level's period");
        if (!level)
            Out.Warning(0, "no <Level CurrentY=...>: the map keeps the last level's scroll");
    }
};

} // namespace

void CheckLoadedLevel(TGame& game, const TLevelObjects& objects, const TLevelReadLog& log,
                      TLevelFindings& out) {
    TBoardCheck check{game, game.Level, game.Geometry(), objects, log, out};
    check.Settings();
    check.Root();
    if (game.FindOpenEnds() || game.Level.Lights.empty())
        out.Error(0, "no open twig end: the level is finished before the first piece");
    check.UnderPictures();
    check.Reach();
    check.GhostGroups();
    check.Feed();
    check.Lists();
}
