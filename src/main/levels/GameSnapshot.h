#pragma once
#include "main/levels/LevelObjects.h"
#include "main/rules/Game.h"

// What laying a piece, a clipper or a hammer can change in a game and its level objects, kept
// so that a trial move can be taken back exactly, the random draws included.
struct TGameSnapshot {
    TLevel Level;
    TFishkas Fishkas;
    TIntArray Steck;
    int HeldPiece, LastPlaced, ClipperCount, HammerCount, MapScroll, ScrollTarget, ScrollTurn;
    int BumperPiece, HoveredPiece, MismatchSide, HintFrag;
    bool LevelFinished, HeldFits, CrossingFlag;
    uint32_t Seed, HintFragUntil, LiveUntil, DropAccelUntil;
    THintsPending Hints;
    std::string Pointer;
    TLevelObjects Objects;

    static TGameSnapshot Take(TGame& g, const TLevelObjects& objects) {
        return {g.Level,          g.Fishkas,      g.Steck,        g.HeldPiece,     g.LastPlaced,
                g.ClipperCount,   g.HammerCount,  g.MapScroll,    g.ScrollTarget,  g.ScrollTurn,
                g.BumperPiece,    g.HoveredPiece, g.MismatchSide, g.HintFrag,      g.LevelFinished,
                g.HeldFits,       g.CrossingFlag, g.Rng().Seed(), g.HintFragUntil, g.LiveUntil,
                g.DropAccelUntil, g.HintsPending, g.PointerImage, objects};
    }
    void Restore(TGame& g, TLevelObjects& objects) const {
        g.Level = Level;
        g.Fishkas = Fishkas;
        g.Steck = Steck;
        g.HeldPiece = HeldPiece;
        g.LastPlaced = LastPlaced;
        g.ClipperCount = ClipperCount;
        g.HammerCount = HammerCount;
        g.MapScroll = MapScroll;
        g.ScrollTarget = ScrollTarget;
        g.ScrollTurn = ScrollTurn;
        g.BumperPiece = BumperPiece;
        g.HoveredPiece = HoveredPiece;
        g.MismatchSide = MismatchSide;
        g.HintFrag = HintFrag;
        g.LevelFinished = LevelFinished;
        g.HeldFits = HeldFits;
        g.CrossingFlag = CrossingFlag;
        g.Rng().SetSeed(Seed);
        g.HintFragUntil = HintFragUntil;
        g.LiveUntil = LiveUntil;
        g.DropAccelUntil = DropAccelUntil;
        g.HintsPending = Hints;
        g.PointerImage = Pointer;
        objects = Objects;
    }
};
