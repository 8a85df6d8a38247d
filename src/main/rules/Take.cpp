#include <cmath>
#include <numbers>

#include "main/rules/Game.h"

void TGame::TakeOffBoard(int piece) {
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size())) return;
    const TFishka f = Fishkas[piece];
    for (const TTypeSquare& sq : geo_.TypeOf(f.Type).TypeSquares) {
        TPoint v = geo_.FirstVertex(sq.Frag);
        int frag = geo_.FragForProbe(f.X + v.X - 5, f.Y + v.Y);
        if (frag < 0) {
            host_.DebugLog("Error in TakeFishka");
            return;
        }
        RemoveSquare(frag, piece);
        int required = RequiredMaskOf(frag);
        if (required < 0 || !geo_.ValidType(required)) continue;
        // The square the level wants shows its ghost again.
        TFishka ghost;
        ghost.Type = static_cast<uint8_t>(required);
        TPoint anchor = geo_.FragAnchor(frag);
        ghost.X = anchor.X;
        ghost.Y = anchor.Y;
        ghost.State = fsGhost;
        ghost.Phase = random_.NextReal() * 2 * std::numbers::pi;
        int index = AddFishka(ghost);
        AddSquareJoined(frag, required, index, true);
    }
}

void TGame::ShowTakeHints(const TFishka& piece, bool wasQuest) {
    if (DemoPlaying) return;
    if (wasQuest && HintsPending.FirstTakeQuestFishka && !HintsPending.FirstTakeFishka) {
        host_.ShowHint("LHintFirstTakeQuestFishka", 10000);
        HintsPending.FirstTakeQuestFishka = false;
    }
    if (piece.Bonus && HintsPending.FirstTakeBonusFishka && !HintsPending.FirstTakeFishka) {
        host_.ShowHint("LHintFirstTakeBonusFishka", 10000);
        HintsPending.FirstTakeBonusFishka = false;
    }
    if (HintsPending.FirstTakeFishka) {
        host_.ShowHint("LHintFirstTakeFishka", 10000);
        HintsPending.FirstTakeFishka = false;
    }
}

bool TGame::TakePiece(int piece, TPoint pointer, uint32_t now) {
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size()) || HeldPiece >= 0) return false;
    int state = Fishkas[piece].State;
    if (state == fsNotGiven || state == fsFixed || state == fsGhost || state == fsHeld)
        return false;
    if (state == fsOnBoard && piece != LastPlaced &&
        !(TakeAllow == taBorderFish && TouchesOnlyOnce(piece)))
        return false;
    HeldFits = FitTest(piece).Fits;
    if (state == fsInSteck) IntArrayDelete(IntArrayIndexOf(Steck, piece), Steck);
    if (state == fsOnBoard && piece == LastPlaced) {
        TakeOffBoard(piece);
        RecomputeGroups();
        LastPlaced = -1;
        // Exactly what laying it gave, so laying and taking back earns nothing.
        for (const TTypeSquare& sq : geo_.TypeOf(Fishkas[piece].Type).TypeSquares) {
            int sides = geo_.TwigSideCount(sq.Mask);
            if (Mode == pmHard) Level.LevelScore -= 1;
            if (Mode != pmNoLose) Level.LevelScore -= sides;
            Level.ExperiencePoints -= sides;
        }
        RefreshScoreLabel();
    } else if (state == fsOnBoard) {
        TakeOffBoard(piece);
    }
    if (state == fsInBumper) {
        BumperPiece = -1;
        BumperBlockedUntil = now;
    }
    TFishka& f = Fishkas[piece];
    f.State = fsHeld;
    f.Group = -1;
    bool wasQuest = f.Quest;
    f.Quest = false;
    TPoint size = PieceImageSize(piece);
    f.X = pointer.X - size.X / 2;
    f.Y = pointer.Y - size.Y / 2;
    HeldPiece = piece;
    host_.StartEffect(wasQuest ? "TakeQuestFishka" : "TakeFishka", {}, piece, -1);
    ShowTakeHints(f, wasQuest);
    FindOpenEnds();
    host_.RebuildBackground();
    return true;
}

bool TGame::PutInBumper(uint32_t now) {
    if (HeldPiece < 0 || BumperPiece >= 0 || now < BumperBlockedUntil) return false;
    int piece = HeldPiece;
    TFishka& f = Fishkas[piece];
    f.X = 615;
    f.Y = 480 - PieceImageSize(piece).Y;
    f.State = fsInBumper;
    BumperPiece = piece;
    HeldPiece = -1;
    BumperIdle = false;
    int block = Level.BumperBlockTime;
    if (now < DropAccelUntil) block = RoundEven(block / 1.5);
    BumperBlockedUntil = now + block;
    host_.StartEffect("PutFishkaInOtboynik", {}, piece, -1);
    return true;
}

void TGame::Rotate(bool forward, TPoint pointer, bool withEffect) {
    int piece = HeldPiece;
    if (piece < 0) return;
    if (withEffect) host_.StartEffect("RotateFishka", {}, piece, -1);
    int start = Fishkas[piece].Type;
    int type = start;
    if (forward) {
        int next = geo_.FindFishkaType(geo_.TypeOf(start).RotatesTo);
        if (next >= 0) type = next;
    } else {
        // Step forward until the next step would come back: the type that turns into this one.
        for (size_t guard = 0; guard < geo_.CompFishkaTypes.size(); ++guard) {
            int next = geo_.FindFishkaType(geo_.TypeOf(type).RotatesTo);
            if (next < 0 || next == start) break;
            type = next;
        }
    }
    Fishkas[piece].Type = static_cast<uint8_t>(type);
    TPoint size = PieceImageSize(piece);
    Fishkas[piece].X = pointer.X - size.X / 2;
    Fishkas[piece].Y = pointer.Y - size.Y / 2;
    HeldFits = FitTest(piece).Fits;
}
