#include <algorithm>
#include <numbers>

#include "main/rules/Game.h"

int TGame::AddSteckPiece(int type, bool quest, bool bonus, double phase) {
    if (static_cast<int>(Steck.size()) >= MaxSteck || !geo_.ValidType(type)) return -1;
    TFishka f;
    f.Type = static_cast<uint8_t>(type);
    f.X = 799;
    f.State = fsInSteck;
    f.Quest = quest;
    f.Bonus = bonus;
    f.Phase = phase;
    int index = AddFishka(f);
    Fishkas[index].Y = 585 - PieceImageSize(index).Y;
    Steck.push_back(index);
    return index;
}

bool TGame::NewFishkaInSteck() {
    if (static_cast<int>(Steck.size()) >= MaxSteck) return false;
    int type;
    if (!Level.TypeQueue.empty()) {
        type = Level.TypeQueue.front();
        Level.TypeQueue.erase(Level.TypeQueue.begin());
    } else {
        type = RandomWeightedIndex(Level.TypeWeights, random_);
    }
    bool quest = random_.NextReal() < Level.QuestProbability;
    double phase = random_.NextReal() * 2 * std::numbers::pi;
    bool bonus = random_.NextReal() < Level.BonusProbability;
    if (AddSteckPiece(type, quest, bonus, phase) < 0) {
        host_.DebugLog("No piece type to deal: " + std::to_string(type));
        return false;
    }
    if (DemoRecording) host_.DemoRecord("<NewFishkaInSteck>");
    return true;
}

void TGame::MoveBumper() {
    if (BumperIdle) return;
    BumperBeltOffset += 2 * FeedStep;
    if (BumperBeltOffset > 63) BumperBeltOffset = 0;
    if (BumperPiece < 0) return;
    Fishkas[BumperPiece].X += 2 * FeedStep;
    if (Fishkas[BumperPiece].X > 794) {
        int gone = BumperPiece;
        BumperPiece = -1;
        if (HoveredPiece == gone) HoveredPiece = -1;
        RemoveFishka(gone);
        BumperIdle = true;
    }
}

// Pieces never pass the left end (x 5) nor close the gap, whatever the step, so a jammed feed
// always shows its front piece exactly at the left end.
void TGame::MoveSteckPieces(int step) {
    FeedMoved = false;
    if (Steck.empty() || step <= 0) return;
    TFishka& front = Fishkas[Steck[0]];
    if (front.X > 5) {
        front.X = std::max(5, front.X - step);
        FeedMoved = true;
    }
    for (size_t i = 1; i < Steck.size(); ++i) {
        TFishka& f = Fishkas[Steck[i]];
        const TFishka& before = Fishkas[Steck[i - 1]];
        int beforeRight = before.X + PieceImageSize(Steck[i - 1]).X + FeedGap;
        if (f.X > 5 && beforeRight < f.X) {
            f.X = std::max({5, beforeRight, f.X - step}); // never into the gap

            FeedMoved = true;
        }
    }
}

void TGame::UpdateHover() {
    bool onBoard =
        PointerPos.X >= 10 && PointerPos.X <= 595 && PointerPos.Y >= 0 && PointerPos.Y <= 500;
    if (onBoard) return;
    if (PointerImage == PointerNormal)
        HoveredPiece = SteckFishkaAt(PointerPos.X, PointerPos.Y);
    else if (PointerImage == PointerHammer)
        HoveredPiece =
            SteckFishkaAt(PointerPos.X + HammerHotSpot.X, PointerPos.Y + HammerHotSpot.Y);
}

// The fraction of a pixel left over is carried to the next frame: dropping it would slow the
// feed down the more, the shorter the frames are.
void TGame::MoveFeed(double frameScale) {
    StepAccumulator += frameScale;
    FeedStep = static_cast<int>(StepAccumulator);
    FeedBeltOffset += FeedStep;
    if (FeedBeltOffset > 62) FeedBeltOffset = 0;
    if (DemoRecording && FeedStep > 0) host_.DemoRecord("<MoveSteck>");
    MoveBumper();
    MoveSteckPieces(FeedStep);
    StepAccumulator -= FeedStep;
    UpdateHover();
}

void TGame::MoveBumperOnly(double frameScale) {
    StepAccumulator += frameScale;
    FeedStep = static_cast<int>(StepAccumulator);
    FeedBeltOffset += FeedStep;
    if (FeedBeltOffset > 62) FeedBeltOffset = 0;
    MoveBumper();
    StepAccumulator -= FeedStep;
}

void TGame::StepFeed(int step) {
    FeedStep = step;
    MoveSteckPieces(step);
}
