// The tag table of level files: every line is tested against every tag text in this order,
// and each tag that matches acts.
#include <cmath>
#include <numbers>

#include "main/levels/LevelLoader.h"
#include "main/levels/LevelReadState.h"
#include "main/levels/LevelText.h"

void TLevelLoader::ReadLine(TReadState& s, const TLevelLine& line) {
    if (s.InsideMap) ReadMapLine(s, line);
    ReadSettingLine(s, line);
    ReadPieceLine(s, line);
    ReadPictureLine(s, line);
    ReadPointLine(s, line);
    ReadActionLine(s, line);
    ReadListLine(s, line);
}

void TLevelLoader::ReadMapLine(TReadState& s, const TLevelLine& line) {
    if (line.Has("<Images>", "</Images>"))
        for (const std::string& name : line.Cut("<Images>", "</Images>").Tokens())
            s.Map.Images.push_back(name);
    if (line.Has("<MapMovingCurve ")) {
        TLevelLine c = line.Cut("<MapMovingCurve", "/>");
        s.MapCurve = {
            c.Real("alX"), c.Real("beX"), c.Real("gaX"), 0, 0, c.Real("alY"), c.Real("beY"),
            c.Real("gaY"), c.Real("laY"), c.Real("lbY")};
        s.MapCurveGiven = true;
        objects_.AnimatedBackground = true;
    }
    if (line.Has("<map>", "</map>")) {
        MapRow(s, line.Cut("<map>", "</map>"));
        ++s.MapRowCounter;
    }
}

void TLevelLoader::ReadSettingLine(TReadState& s, const TLevelLine& line) {
    TLevel& L = game_.Level;
    if (line.Has("<Generator", "/>")) {
        int period = line.Strict("period", PeriodRange);
        if (const double factor = FeedPeriodFactor(game_.Mode); factor != 1.0)
            period = RoundEven(period * factor);
        L.FeedPeriod = period;
        game_.NextFeedTime = now_ + period;
    }
    if (line.Has("<PlayMusic ", "/>")) L.Music = line.Text("name");
    if (line.Has("<RainEffect ", "/>")) L.RainEffect = line.Text("name");
    if (line.Has("<HidenFishkaPicture", "/>")) {
        L.QuestImage = line.Text("name");
        if (!L.QuestImage.empty()) game_.Host().RegisterImage(L.QuestImage, L.QuestImage);
        L.QuestProbability = line.Real("prob");
    }
    if (line.Has("<FishkaWithBonus", "/>"))
        L.BonusProbability = line.Real("prob") + 0.02 * std::sqrt(std::max(0, skills_.LuckyTwig));
    if (line.Has("<Level ", "/>"))
        game_.MapScroll = game_.ScrollTarget = line.Strict("CurrentY", s.MapY);
}

void TLevelLoader::ReadPieceLine(TReadState& s, const TLevelLine& line) {
    TLevel& L = game_.Level;
    if (line.Has("<Fishka ", "/>")) PlaceLevelPiece(line.Cut("<Fishka", "/>"));
    if (line.Has("<GhostGroup", ">")) objects_.GhostGroups.emplace_back();
    if (line.Has("<GhostFishka", "/>")) PlaceGhost(s, line.Cut("<GhostFishka", "/>"));
    if (line.Has("<FProb ")) {
        TLevelLine c = line.Cut("<FProb", ">");
        int type = geo_.FindFishkaType(c.Text("name"));
        int prob = c.Strict("prob");
        if (type >= 0 && type < static_cast<int>(L.TypeWeights.size())) L.TypeWeights[type] = prob;
    }
    if (line.Has("<MakeGhostRect ")) {
        TLevelLine c = line.Cut("<MakeGhostRect", "/>");
        L.GhostRects.push_back({c.Lenient("left", s.MapX), c.Lenient("top", s.MapY),
                                c.Lenient("right", s.MapX), c.Lenient("bottom", s.MapY)});
    }
}

void TLevelLoader::ReadPictureLine(TReadState& s, const TLevelLine& line) {
    std::vector<TLevelPicture>& pictures = objects_.Pictures;
    if (line.Has("<Picture ")) {
        TLevelLine c = line.Cut("<Picture", ">");
        TLevelLine lower(s.File, 0, LowerCase(c.Text()));
        TLevelPicture p;
        p.X = c.Strict("x", s.MapX) + 5;
        p.Y = c.Strict("y", s.MapY);
        p.Z = c.Strict("z", DepthRange);
        p.Name = c.Text("name");
        p.Visible = lower.Flag("visible", true);
        p.BonusElementPicture = lower.Flag("bonuselem", false);
        pictures.push_back(p);
        s.CurrentPicture = static_cast<int>(pictures.size()) - 1;
    }
    bool current = s.CurrentPicture >= 0 && s.CurrentPicture < static_cast<int>(pictures.size());
    if (line.Has("<MovingCurve ") && !current) Skip(line, "curve without a picture");
    if (line.Has("<MovingCurve ") && current) {
        TLevelLine c = line.Cut("<MovingCurve", "/>");
        TLevelPicture& p = pictures[s.CurrentPicture];
        p.Curves.push_back({c.Real("alX"), c.Real("beX"), c.Real("gaX"), c.Real("laX"),
                            c.Real("lbX"), c.Real("alY"), c.Real("beY"), c.Real("gaY"),
                            c.Real("laY"), c.Real("lbY")});
        p.SegmentTimes.push_back(c.Lenient("t", TimeRange));
        p.SpeedFactor = 1;
        p.TimeInSegment = 0;
        p.LastUpdate = now_;
        p.FreeMover = p.Moving = true;
        if (pictures.back().Z != 0) objects_.AnimatedBackground = true;
    }
    if (line.Has("<Image ") && !current) Skip(line, "image without a picture");
    if (line.Has("<Image ") && current) {
        TLevelLine c = line.Cut("<Image", "/>");
        TLevelPicture& p = pictures[s.CurrentPicture];
        p.Images.push_back(c.Text("name"));
        p.ImageTimes.push_back(c.Lenient("t", TimeRange));
        images_.Ensure(p.Images.back());
    }
    if (line.Has("</Picture>") && !current) Skip(line, "picture end without a picture");
    if (line.Has("</Picture>") && current) {
        TLevelPicture& p = pictures[s.CurrentPicture];
        if (!p.ImageTimes.empty()) p.NextImageTime = now_ + p.ImageTimes[0];
    }
    if (line.Has("<PictureMap ")) {
        TLevelLine c = line.Cut("<PictureMap", ">");
        std::vector<std::string> images = std::move(s.Map.Images); // kept for the whole load
        s.Map = {c.Strict("x", s.MapX) + 5,
                 c.Strict("y", s.MapY),
                 c.Strict("z", DepthRange),
                 std::move(images),
                 c.Strict("OneWidth", PlaceSizeRange),
                 c.Strict("OneHeight", PlaceSizeRange),
                 {}};
        s.MapRowCounter = 0;
        s.InsideMap = true;
    }
    if (line.Has("</PictureMap>")) s.InsideMap = false;
}

void TLevelLoader::MapRow(TReadState& s, const TLevelLine& row) {
    TIntArray values = row.StrictTokens();
    const TPictureMap& m = s.Map;
    for (size_t j = 0; j < values.size(); ++j) {
        int v = values[j];
        if (v <= 0) continue;
        if (v > static_cast<int>(m.Images.size())) {
            Skip(row, "map value " + std::to_string(v) + " has no image");
            continue;
        }
        TLevelPicture p;
        p.Name = "MapPicture" + std::to_string(objects_.Pictures.size());
        p.Images.push_back(m.Images[v - 1]);
        p.ImageTimes.push_back(0);
        // Wide arithmetic: a long map of tall places must land off the map, not wrap onto it.
        const int64_t x = static_cast<int64_t>(j) * m.OneWidth + m.X;
        const int64_t top = int64_t{s.MapRowCounter} * m.OneHeight;
        int64_t y = top + m.Y;
        if (m.Z != 0) {
            double k = m.Y * 100.0 / (m.Z + 100);
            // Rows and depths are bounded, so this stays far inside 64 bits.
            y = static_cast<int64_t>(
                std::nearbyint((static_cast<double>(top) + k) * (m.Z + 100) / 100.0));
        }
        row.Require(x, s.MapX, "x of map place " + std::to_string(j + 1));
        row.Require(y, s.MapY, "y of map row " + std::to_string(s.MapRowCounter + 1));
        p.X = static_cast<int>(x);
        p.Y = static_cast<int>(y);
        p.Z = m.Z;
        if (s.MapCurveGiven) {
            PictureCurve curve = s.MapCurve;
            curve.lbX = p.X;
            curve.lbY = p.Y;
            p.Curves.push_back(curve);
            p.SegmentTimes.push_back(20000000);
            p.LastUpdate = now_;
            p.Moving = true;
        }
        images_.Ensure(p.Images[0]);
        objects_.Pictures.push_back(p);
        s.CurrentPicture = static_cast<int>(objects_.Pictures.size()) - 1;
    }
}

void TLevelLoader::ReadPointLine(TReadState& s, const TLevelLine& line) {
    if (line.Has("<BonusElement")) {
        objects_.BonusElements.emplace_back();
        s.CurrentElement = static_cast<int>(objects_.BonusElements.size()) - 1;
    }
    if (line.Has("</Point>")) s.InsidePoint = false;
    if (line.Has("<Point")) {
        PlacePoint(s, line.Cut("<Point", ">"));
        s.InsidePoint = true;
    }
}

void TLevelLoader::ReadListLine(TReadState& s, const TLevelLine& line) {
    TLevel& L = game_.Level;
    auto list = [&](const std::string& open, const std::string& close) {
        return line.Has(open, close);
    };
    if (list("<CombSequence>", "</CombSequence>"))
        for (int v : line.Cut("<CombSequence>", "</CombSequence>").LenientTokens()) {
            // Combinations count from 1; a 0 would ask for one that can never be made.
            if (v < 1)
                Skip(line, "combination " + std::to_string(v) + " (they count from 1)");
            else
                L.CombSequence.push_back(v - 1);
        }
    auto append = [&](TIntArray& to, const std::string& open, const std::string& close) {
        for (int v : line.Cut(open, close).LenientTokens())
            to.push_back(v);
    };
    if (list("<OneCombBonusProb>", "</OneCombBonusProb>"))
        append(L.OneCombBonusProb, "<OneCombBonusProb>", "</OneCombBonusProb>");
    if (list("<AllCombBonusProb>", "</AllCombBonusProb>"))
        append(L.AllCombBonusProb, "<AllCombBonusProb>", "</AllCombBonusProb>");
    if (list("<FishkaBonusProb>", "</FishkaBonusProb>"))
        append(L.FishkaBonusProb, "<FishkaBonusProb>", "</FishkaBonusProb>");
    if (list("<GGBonusProb>", "</GGBonusProb>")) {
        if (objects_.GhostGroups.empty())
            Skip(line, "bonus weights before any ghost group");
        else
            append(objects_.GhostGroups.back().BonusWeights, "<GGBonusProb>", "</GGBonusProb>");
    }
    if (line.Has("<FishTypeSequence>"))
        append(L.TypeQueue, "<FishTypeSequence>", "</FishTypeSequence>");
    (void)s;
}
