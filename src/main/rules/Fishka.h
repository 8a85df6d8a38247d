#pragma once
#include <cstdint>
#include <vector>

// Where a piece is and what may be done with it.
enum TFishkaState : int32_t {
    fsNotGiven = 0, // cannot be taken
    fsOnBoard = 1,  // laid by the player
    fsInSteck = 2,  // in the feed
    fsHeld = 3,     // in the hand
    fsInBumper = 4, // riding the bumper
    fsFixed = 5,    // put by the level on a bonus point; cannot be taken or hammered
    fsGhost = 6,    // marks a square the level wants; may be covered
};

// One piece. Feed, bumper and hand pieces have screen coordinates, board pieces map
// coordinates.
struct TFishka {
    uint8_t Type = 0;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Group = -1;
    int32_t State = fsNotGiven;
    bool Quest = false;
    bool Bonus = false;
    bool EffectAttached = false;
    int32_t InitialGroup = 0; // 1: the hammer refuses it
    double Phase = 0;
    bool Root = false;
    int32_t Marked = 0;
    int64_t Distance = 0; // tick of the end-of-level wave
};
using TFishkas = std::vector<TFishka>;

// An open twig end: the free frag it points into and the side it enters by.
struct TLight {
    int Frag = 0;
    int Side = 0;
    bool SameRow = false; // on the row of the highest open end
};
