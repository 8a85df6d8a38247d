#pragma once
#include <string>
#include <vector>

#include "archive/Rect.h"
#include "archive/SFunctions.h"
#include "main/rules/Fishka.h"

// The per-level part of the game state; the level loader fills it when a level starts.
struct TLevel {
    // Board occupancy, one entry per covered board frag.
    TIntArray SquareFrag;
    TIntArray SquareMask;  // 0 for a square blocked by a level picture
    TIntArray SquareGroup; // 1 for a blocked square
    TIntArray SquarePiece; // -1 for a blocked square

    TIntArray RequiredFrag; // squares the level wants covered with a given mask
    TIntArray RequiredMask;
    TIntArray FinishFrags; // finished ground
    std::vector<TLight> Lights;
    TIntArray NearLights;

    int FeedPeriod = 3000; // ms between new pieces
    TIntArray TypeWeights; // one weight per piece type
    TIntArray TypeQueue;   // dealt first, in order
    std::string QuestImage;
    double QuestProbability = 0;
    double BonusProbability = 0;
    int MapTop = 0;
    int MapBottom = 0;

    TIntArray CombSequence;
    int CombPos = -1;
    TIntArray OneCombBonusProb;
    TIntArray AllCombBonusProb;
    TIntArray FishkaBonusProb;

    int LevelScore = 0;
    int ExperiencePoints = 0;
    int BumperBlockTime = 0;
    int LoseTime = 2000;
    std::string Music;
    std::string RainEffect;
    std::vector<TRect> GhostRects; // in board coordinates
};
