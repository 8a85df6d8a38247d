#include "main/rules/Game.h"

TGame::TGame(const TGeometry& geometry, const std::vector<TBonusType>& bonusTypes, Random& random,
             IGameHost& host)
    : geo_(geometry), bonusTypes_(bonusTypes), random_(random), host_(host) {}

int TGame::AddFishka(const TFishka& piece) {
    Fishkas.push_back(piece);
    return static_cast<int>(Fishkas.size()) - 1;
}

void TGame::RemoveFishka(int index) {
    if (index < 0 || index >= static_cast<int>(Fishkas.size())) return;
    Fishkas.erase(Fishkas.begin() + index);
    auto renumber = [index](int& i) {
        if (i > index) --i;
    };
    renumber(HeldPiece);
    renumber(LastPlaced);
    renumber(BumperPiece);
    renumber(HoveredPiece);
    for (int32_t& i : Steck)
        renumber(i);
    for (int32_t& i : Level.SquarePiece)
        renumber(i);
    for (int32_t& i : pinned_)
        renumber(i);
    host_.PieceRemoved(index);
}

TPoint TGame::PieceImageSize(int piece) {
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size())) return {};
    const TFishka& f = Fishkas[piece];
    if (f.Quest && f.State == fsInSteck) return host_.ImageSize(Level.QuestImage);
    if (!geo_.ValidType(f.Type)) return {};
    return host_.ImageSize(geo_.CompFishkaTypes[f.Type].ImageName);
}

int TGame::SquareCount(int piece) const {
    if (piece < 0 || piece >= static_cast<int>(Fishkas.size())) return 0;
    int type = Fishkas[piece].Type;
    return geo_.ValidType(type) ? static_cast<int>(geo_.CompFishkaTypes[type].TypeSquares.size())
                                : 0;
}

void TGame::SetPointer(const std::string& image) {
    PointerImage = image;
    if (image != PointerClipper) ClipPreview = ClipPreviewFrag = -1;
}

void TGame::RefreshScoreLabel() {
    host_.SetCaption("LScoreCountWGame", std::to_string(ScoreAtLevelStart + Level.LevelScore));
}

int TGame::SquareIndexOfFrag(int frag) const {
    return IntArrayIndexOf(Level.SquareFrag, frag);
}

std::vector<int> TGame::SquareIndexByFrag() const {
    std::vector<int> index(geo_.Frags.size(), -1);
    for (int i = static_cast<int>(Level.SquareFrag.size()) - 1; i >= 0; --i) {
        const int frag = Level.SquareFrag[i];
        if (frag >= 0 && frag < static_cast<int>(index.size())) index[frag] = i;
    }
    return index;
}

int TGame::RequiredMaskOf(int frag) const {
    int i = IntArrayIndexOf(Level.RequiredFrag, frag);
    return i < 0 || i >= static_cast<int>(Level.RequiredMask.size()) ? -1 : Level.RequiredMask[i];
}

void TGame::RemoveSquare(int frag, int piece) {
    TLevel& L = Level;
    for (size_t i = 0; i < L.SquareFrag.size(); ++i) {
        if (L.SquareFrag[i] != frag || L.SquarePiece[i] != piece) continue;
        L.SquareFrag.erase(L.SquareFrag.begin() + i);
        L.SquareMask.erase(L.SquareMask.begin() + i);
        L.SquareGroup.erase(L.SquareGroup.begin() + i);
        L.SquarePiece.erase(L.SquarePiece.begin() + i);
        return;
    }
}

void TGame::ResetLevel(uint32_t now) {
    TLevel& L = Level;
    L.CombSequence.clear();
    L.CombPos = 0;
    L.OneCombBonusProb.clear();
    L.AllCombBonusProb.clear();
    L.FishkaBonusProb.clear();
    L.SquareFrag.clear();
    L.SquareMask.clear();
    L.SquareGroup.clear();
    L.SquarePiece.clear();
    L.RequiredFrag.clear();
    L.RequiredMask.clear();
    L.FinishFrags.clear();
    L.Lights.clear();
    L.NearLights.clear();
    L.GhostRects.clear();
    L.LevelScore = 0;
    L.ExperiencePoints = 0;
    savedSquareGroups_.clear();
    savedPieceGroups_.clear();
    Fishkas.clear();
    Steck.clear();
    WobbleTime = now;
    LevelFinished = false;
    Overflowing = false;
    BumperPiece = HeldPiece = LastPlaced = HoveredPiece = -1;
}
