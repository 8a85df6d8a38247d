#include "main/levels/LevelLoader.h"

#include <algorithm>
#include <cmath>

#include "archive/FileFolder.h"
#include "main/levels/LevelReadState.h"
#include "main/levels/LevelText.h"

void TLevelLoader::ResetLevel(uint32_t now) {
    game_.ResetLevel(now);
    objects_.Clear();
    levelHost_.ClearSprites();
}

bool TLevelLoader::LoadLevel(TFileFolder& squares, const std::string& fileName,
                             const TLevelSkills& skills, uint32_t now) {
    now_ = now;
    BeginLoad();
    TMemoryStream* entry = squares.ReadIfPresent(fileName);
    if (!entry) return false;
    LoadLevelText(fileName, entry->Text(), skills, now);
    return true;
}

void TLevelLoader::BeginLoad() {
    TLevel& L = game_.Level;
    L.RainEffect.clear();
    geo_.FirstBoardFrag = 0;
    geo_.FirstBoardConnect = 0;
    game_.LastPlaced = -1;
    L.TypeWeights.assign(geo_.CompFishkaTypes.size(), 0);
    L.TypeQueue.clear();
    objects_.FireEffects.clear();
    L.GhostRects.clear();
    objects_.AnimatedBackground = false;
}

namespace {

// The extent of every point of the map, widened by the largest picture on each side.
void SetMapRanges(const TGeometry& geo, TLevelRange& x, TLevelRange& y) {
    int left = 0, right = 0, top = 0, bottom = 0;
    for (size_t i = 0; i < geo.Points.size(); ++i) {
        const TPoint& p = geo.Points[i];
        left = i ? std::min(left, p.X) : p.X;
        right = i ? std::max(right, p.X) : p.X;
        top = i ? std::min(top, p.Y) : p.Y;
        bottom = i ? std::max(bottom, p.Y) : p.Y;
    }
    x = {left - MaxImageSide, right + MaxImageSide};
    y = {top - MaxImageSide, bottom + MaxImageSide};
}

} // namespace

void TLevelLoader::LoadLevelText(const std::string& fileName, const std::string& text,
                                 const TLevelSkills& skills, uint32_t now) {
    now_ = now;
    skills_ = skills;
    BeginLoad();
    std::vector<std::string> lines = SplitLines(text);
    TReadState s;
    s.File = fileName;
    SetMapRanges(geo_, s.MapX, s.MapY);
    int n = static_cast<int>(lines.size());
    for (int i = 0; i < n; ++i) {
        // A one-line file is read whole at once: its bar jumps to the middle.
        Progress(s, n > 1 ? RoundEven(i * 50.0 / (n - 1)) : 50);
        if (observer_) observer_->LineStarts(i + 1);
        ReadLine(s, TLevelLine(s.File, i + 1, lines[i], observer_));
    }
    Finish(s, skills);
}

void TLevelLoader::Progress(TReadState& s, int position) {
    if (!levelHost_.HasProgressBar()) return;
    levelHost_.SetProgress(position);
    if (position > s.Position) levelHost_.RepaintScreen();
    s.Position = std::max(s.Position, position);
}

void TLevelLoader::Skip(const TLevelLine& line, const std::string& why) {
    game_.Host().DebugLog("Skipped " + line.Where() + ": " + why);
}

// Farthest first; pictures of equal depth keep their file order.
void TLevelLoader::SortPictures() {
    std::stable_sort(objects_.Pictures.begin(), objects_.Pictures.end(),
                     [](const TLevelPicture& a, const TLevelPicture& b) { return a.Z > b.Z; });
}

void TLevelLoader::Finish(TReadState& s, const TLevelSkills& skills) {
    TLevel& L = game_.Level;
    SortPictures();
    CoverFrags(s);
    geo_.FirstBoardFrag = L.SquareFrag.empty() ? 0 : IntArrayMin(L.SquareFrag);
    game_.RecomputeGroups();
    levelHost_.ResetKeySequences();
    for (size_t i = 0; i < geo_.Connects.size(); ++i) {
        const TConnect& c = geo_.Connects[i];
        if (c.FragA == geo_.FirstBoardFrag || c.FragB == geo_.FirstBoardFrag) {
            geo_.FirstBoardConnect = static_cast<int>(i);
            break;
        }
    }
    if (!game_.Fishkas.empty()) {
        size_t top = 0;
        for (size_t i = 1; i < game_.Fishkas.size(); ++i)
            if (game_.Fishkas[i].Y < game_.Fishkas[top].Y) top = i;
        int group = game_.Fishkas[top].Group;
        for (TFishka& f : game_.Fishkas)
            if (f.Group == group) f.Root = true;
    }
    L.MapTop = geo_.FragAnchor(geo_.FirstBoardFrag).Y;
    int last = L.SquareFrag.empty() ? geo_.FirstBoardFrag : IntArrayMax(L.SquareFrag);
    L.MapBottom = geo_.FragAnchor(last).Y + 40;
    game_.Host().PlayMusic(L.Music);
    levelHost_.RestartEmitters(now_);
    L.LoseTime = RoundEven(skills.Live * 1000.0 / 30) + 2000;
    if (game_.Mode == pmNoLose)
        L.BumperBlockTime = 0;
    else
        L.BumperBlockTime =
            RoundEven((2 - 0.06 * std::sqrt(std::max(0, skills.DropAccel))) * L.FeedPeriod);
    for (TLevelPicture& p : objects_.Pictures) {
        if (p.Moving) p.LastUpdate = now_;
        if (p.Images.size() > 1) p.NextImageTime = now_ + 1000;
    }
}
