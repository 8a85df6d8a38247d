#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/Random.h"
#include "main/rules/BonusTypes.h"
#include "main/rules/Fishka.h"
#include "main/rules/GameHost.h"
#include "main/rules/Geometry.h"
#include "main/rules/Level.h"

enum TGameStateKind {
    gsLoading = 0,
    gsPlaying = 1,
    gsTitle = 2,
    gsBetweenLevels = 3,
    gsHalted = 4
};
enum TPlayMode { pmNormal, pmHard, pmEasy, pmNoLose };
// The feed comes faster when the game is hard and slower when it is easy.
inline double FeedPeriodFactor(TPlayMode mode) {
    return mode == pmHard ? 0.7 : mode == pmEasy ? 1.5 : 1.0;
}
enum TPutAllow { paBorderFish = 0, paAll = 1, paNearLight = 2 };
enum TTakeAllow { taDenied = 0, taBorderFish = 1 };

inline const std::string PointerNormal = "MouseCursor";
inline const std::string PointerHammer = "hammer1.png";
inline const std::string PointerClipper = "cap1.png";
constexpr TPoint HammerHotSpot{8, 25};
constexpr TPoint ClipperHotSpot{2, 9};
constexpr int FeedGap = 2;
constexpr int MaxSteck = 26;

// What the fit test found for a piece: a board frag per square and where the piece lies once
// laid (the smallest anchor x and y of those frags).
struct TFitResult {
    bool Fits = false;
    TIntArray Frags;
    int X = 0;
    int Y = 0;
};

// The six one-time introductory hints, those the rules show and those the screen shows; each
// is pending until shown.
struct THintsPending {
    bool FirstTakeFishka = true;
    bool FirstTakeBonusFishka = true;
    bool FirstTakeQuestFishka = true;
    bool FishComb = true;
    bool FirstTransparentFishka = true;
    bool LevelTop = true;
};

// The running game: pieces, feed, bumper, board links, map scroll, tools and score, with the
// rules that change them. Time comes in as `now`; chance comes from the game's Random.
class TGame {
  public:
    TGame(const TGeometry& geometry, const std::vector<TBonusType>& bonusTypes, Random& random,
          IGameHost& host);

    void SetHooks(IRuleHooks* hooks) { hooks_ = hooks ? hooks : &noHooks_; }
    const TGeometry& Geometry() const { return geo_; }
    const std::vector<TBonusType>& BonusTypes() const { return bonusTypes_; }
    Random& Rng() { return random_; }
    IGameHost& Host() { return host_; }

    // --- the state -------------------------------------------------------------------------
    TLevel Level;
    TFishkas Fishkas;
    TIntArray Steck; // feed, front first
    int BumperPiece = -1;
    bool BumperIdle = true;
    uint32_t BumperBlockedUntil = 0;
    uint32_t NextFeedTime = 0;
    int FeedStep = 0;
    double StepAccumulator = 0;
    int FeedBeltOffset = 0;
    int BumperBeltOffset = 0;
    bool FeedMoved = false;

    bool Overflowing = false;
    uint32_t OverflowSince = 0;
    uint32_t LiveUntil = 0;
    uint32_t DropAccelUntil = 0;

    int MapScroll = 9750;
    int ScrollTarget = 9750;
    int ScrollTurn = 9750;
    int ScrollSpeed = 0;    // pixels per 1/30-second step, kept within a signed byte
    double ScrollSteps = 0; // 1/30-second steps of time not yet taken by the scroll
    bool LevelFinished = false;
    int Wobble = 0;
    uint32_t WobbleTime = 0;
    int Pulse = 100;

    int HeldPiece = -1;
    int LastPlaced = -1;
    bool HeldFits = false;
    int MismatchSide = -1;
    int HintFrag = -1;
    uint32_t HintFragUntil = 0;
    bool CrossingFlag = false; // the last fit failed on a required square of another mask
    int HoveredPiece = -1;

    int PutAllow = paBorderFish;
    int TakeAllow = taDenied;
    TPlayMode Mode = pmNormal;
    int GameState = gsLoading;
    bool DemoRecording = false;
    bool DemoPlaying = false;
    THintsPending HintsPending;

    int HammerCount = 3;
    int ClipperCount = 3;
    int ScoreAtLevelStart = 0; // the score label shows this plus LevelScore
    std::string PointerImage = PointerNormal;
    // What the clipper would make under the pointer and where; -1 when nothing is shown.
    int ClipPreview = -1;
    int ClipPreviewFrag = -1;
    TPoint PointerPos;

    // Empties the per-level state before a level loads. The feed period stays: a level
    // without its own period keeps the last one.
    void ResetLevel(uint32_t now);

    // --- pieces ----------------------------------------------------------------------------
    int AddFishka(const TFishka& piece);
    // Deletes a piece; every stored index above it moves down by one. Callers clear their own
    // references to the piece first.
    void RemoveFishka(int index);
    TPoint PieceImageSize(int piece);
    int SquareCount(int piece) const;

    // --- the tick and the feed (per frame) --------------------------------------------------
    // frameScale: the last frame's length in 1/30-second steps. The map scroll moves in whole
    // steps of 1/30 s, so it takes the same time at any frame rate.
    void GameTick(uint32_t now, double frameScale = 1.0);
    void MoveFeed(double frameScale);
    void MoveBumperOnly(double frameScale);
    void StepFeed(int step);
    // Appends a piece to the feed unless it holds 26; false when refused.
    bool NewFishkaInSteck();
    // Appends a given piece to the feed (also the demo player's way); the piece index or -1.
    int AddSteckPiece(int type, bool quest, bool bonus, double phase);
    void PauseSkillTimers(uint32_t now);
    void ResumeSkillTimers(uint32_t now);
    void RefreshSkillLabels(uint32_t now);

    // --- board queries -----------------------------------------------------------------------
    int SquareIndexOfFrag(int frag) const;
    // The same for every frag at once, for walks that ask it of each square's neighbours.
    std::vector<int> SquareIndexByFrag() const;
    bool IsRequired(int frag) const { return IntArrayContains(frag, Level.RequiredFrag); }
    int RequiredMaskOf(int frag) const;
    bool IsFinishFrag(int frag) const { return IntArrayContains(frag, Level.FinishFrags); }
    int NewGroupNumber() const;
    void RecomputeGroups();
    // Rebuilds the lights; true when the level is finished. highestFrag gets the frag of the
    // highest open end, or -1.
    bool FindOpenEnds(int* highestFrag = nullptr);
    bool GroupIsClosed(int group) const;
    bool TouchesOnlyOnce(int piece);
    bool CoversLight(const TIntArray& frags) const;
    bool ReachesLight(const TIntArray& frags, int piece) const;
    void DistanceWalk(int piece, int64_t distance);
    // Adds a covered square and merges the groups its twig reaches (smallest wins); returns
    // the square's group. merged tells whether any neighbour group was reached; with
    // connectEffects, pieces renumbered into group 1 get "ConnectLink".
    int AddSquareJoined(int frag, int mask, int piece, bool connectEffects, bool* merged = nullptr);
    // Gives an occupancy entry the group its twig reaches, merging those groups.
    int JoinSquare(int square, bool connectEffects, bool* merged = nullptr);
    // Removes the occupancy entry of this piece on this frag (the piece stays).
    void RemoveSquare(int frag, int piece);
    void UpdateScrollTarget(int highestFrag);
    // A level starts: the map stands above its bottom and pans down to the lowest open end.
    void PlaceMap();

    // --- hit tests and fitting ---------------------------------------------------------------
    int FishkaAt(int x, int y);
    // The same restricted to the feed and bumper (screen coordinates) or to board pieces (map
    // coordinates), so a board piece never answers a click on the feed and the other way round.
    int SteckFishkaAt(int x, int y);
    int BoardFishkaAt(int x, int y);
    TIntArray BoardFragsOf(int piece);
    TFitResult FitTest(int piece);
    int MapY(int screenY) const { return screenY + MapScroll - 245; }

    // --- acting on pieces ---------------------------------------------------------------------
    void PlaceHeld(uint32_t now);
    void TakeOffBoard(int piece);
    bool TakePiece(int piece, TPoint pointer, uint32_t now);
    bool PutInBumper(uint32_t now);
    // The wheel turns the piece quietly: withEffect false plays no effect.
    void Rotate(bool forward, TPoint pointer, bool withEffect = true);
    void HammerBoard(TPoint pointer, uint32_t now);
    void HammerSteck(TPoint pointer, uint32_t now);
    void Clip(TPoint pointer, uint32_t now);
    // The single-square type the clipper makes at frag, or -1.
    int ClipperFittedType(int frag) const;
    // What the clipper makes at a frag, as its pointer previews it and its click does: -1
    // where it does nothing.
    int ClipPreviewType(int frag) const;
    void SetPointer(const std::string& image);

    // --- rewards and the end of a level ---------------------------------------------------------
    void GiveBonus(int number, uint32_t now);
    void GiveWeightedBonus(const TIntArray& weights, uint32_t now);
    void CheckCombination(int piece, uint32_t now);
    void FinishLevel(uint32_t now);
    void RefreshScoreLabel();

  private:
    bool JointsMatch(int frag, int mask, TIntArray& sides);
    void MoveBumper();
    void MoveSteckPieces(int step);
    void UpdateHover();
    void ScrollTowardTarget();
    void ScrollFor(double frameScale);
    void PanFinishedMap(uint32_t now);
    void LoseTest(uint32_t now);
    void FinishNow(int piece, uint32_t now);
    bool ClosedLinkRefused(int group, int firstFrag, bool dryRun);
    int AfterLaying(int piece, uint32_t now); // the piece's index afterwards
    void DeletePieceNow(int piece); // off the board (no ghost comes back) and out of the array
    void HammerPiece(int piece, uint32_t now);
    void ShowTakeHints(const TFishka& piece, bool wasQuest);
    void ClearSteck();
    void SaveGroups();
    void RestoreGroups();

    const TGeometry& geo_;
    const std::vector<TBonusType>& bonusTypes_;
    Random& random_;
    IGameHost& host_;
    IRuleHooks noHooks_;
    IRuleHooks* hooks_ = &noHooks_;
    uint32_t livePauseStart_ = 0, dropPauseStart_ = 0;
    bool skillsPaused_ = false;
    int64_t maxWalkDistance_ = 0;
    TIntArray pinned_; // indexes kept right across deletions
    TIntArray savedSquareGroups_;
    std::vector<int32_t> savedPieceGroups_;
};
