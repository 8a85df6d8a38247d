#pragma once
#include <bitset>
#include <vector>

#include "main/levels/LevelObjects.h"
#include "main/rules/Game.h"

// How a player reads the board: which open ends can still be closed with the pieces this
// level deals, how far the network is from what it must reach, and a value for the whole
// position that a placement should raise. Reads the game; changes nothing.
class TBotBoard {
  public:
    TBotBoard(const TGame& game, const TLevelObjects& objects);

    // The position's value; higher is better. seenTop: the highest map y the player has seen;
    // withView: ends below the view count against it (a player; not a solver).
    double Value(int seenTop, int clippers, bool withView = true) const;
    // Whether square k of the type could lie on the frag as far as the frag's own neighbours
    // tell: a quick test before the game's real one.
    bool SquareMayLie(int type, int k, int frag) const;
    // An open end no single square of the dealt types (turned any way) can close.
    bool DeadLight(const TLight& light) const;
    // The mask a square at a free frag must have (twigs in) and may have (no wall there).
    void Needs(int frag, int& must, int& may) const;
    // Single-square masks the level deals, with every turn of them.
    const std::bitset<16>& Dealt() const { return dealt_; }
    // The squares of the network that reach no twig ends of the root's group: targets.
    struct TTarget {
        int Frag = -1;
        bool Seen = false;
    };
    std::vector<TTarget> Targets(int seenTop) const;
    // Free-square steps from the open ends of the root network to every frag (-1: none), and
    // from them to the target on a frag.
    std::vector<int> NetworkDistances() const;
    int StepsTo(int frag, const std::vector<int>& dist) const;
    // Whether the walk reaches a free frag above the map y.
    bool ReachesAbove(const std::vector<int>& dist, int y) const;
    // Screen y of a board frag's top at the current scroll.
    int ScreenY(int frag) const;

    // Squares before the board's first one cannot be laid on or clipped: the board's top.
    bool OffBoard(int frag) const { return frag < geo_.FirstBoardFrag; }

  private:
    int Occupant(int frag) const; // the square index, or -1 for a free or ghost frag
    bool Ghost(int square) const;
    int LightGroup(const TLight& light) const;
    double CombinationValue() const;

    const TGame& g_;
    const TLevelObjects& objects_;
    const TGeometry& geo_;
    std::bitset<16> dealt_;
};
