// The image catalogues ("surfaces.dat"), the shipped form and the piece pictures.
#include <array>
#include <map>
#include <set>

#include "ContentFixture.h"
#include "archive/SFunctions.h"

namespace {

struct Line {
    std::string Surface, File;
};

std::vector<Line> Catalogue(TFileFolder& archive) {
    std::vector<Line> out;
    const std::string text = ContentTest::Text(archive, "surfaces.dat");
    for (const std::string& line : SplitLines(text)) {
        EXPECT_EQ(CountWords(line), 2) << "\"" << line << "\"";
        out.push_back({GetWord(line, 1), GetWord(line, 2)});
    }
    return out;
}

bool IsImageEntry(const std::string& name) {
    return name.size() > 4 && LowerCase(name.substr(name.size() - 4)) == ".png";
}

const Line* FindLine(const std::vector<Line>& lines, const std::string& surface) {
    for (const Line& l : lines)
        if (l.Surface == surface) return &l;
    return nullptr;
}

struct PieceImage {
    const char* File;
    int Columns, Rows;
    std::vector<std::array<int, 3>> Squares; // column, row, twig mask
};

// The piece pictures the game registers, with the twig each square must show.
const std::vector<PieceImage>& MultiSquarePieces() {
    static const std::vector<PieceImage> pieces = {
        {"123_134_1.png", 1, 2, {{0, 0, 7}, {0, 1, 13}}},
        {"124_234_1.png", 2, 1, {{0, 0, 11}, {1, 0, 14}}},
        {"13_124_34_1.png", 2, 2, {{0, 0, 5}, {0, 1, 11}, {1, 1, 12}}},
        {"123_24_14_1.png", 2, 2, {{0, 0, 7}, {1, 0, 10}, {0, 1, 9}}},
        {"12_234_13_1.png", 2, 2, {{0, 0, 3}, {1, 0, 14}, {1, 1, 5}}},
        {"23_24_134_1.png", 2, 2, {{1, 0, 6}, {0, 1, 10}, {1, 1, 13}}},
        {"a123_134_1.png", 2, 1, {{0, 0, 7}, {1, 0, 13}}},
        {"a234_124_1.png", 1, 2, {{0, 0, 14}, {0, 1, 11}}},
        {"skoba1.png", 2, 1, {{0, 0, 6}, {1, 0, 12}}},
        {"skoba2.png", 1, 2, {{0, 0, 12}, {0, 1, 9}}},
        {"skoba3.png", 2, 1, {{0, 0, 3}, {1, 0, 9}}},
        {"skoba4.png", 1, 2, {{0, 0, 6}, {0, 1, 3}}},
        {"124_234_1a.png", 2, 1, {{0, 0, 14}, {1, 0, 11}}},
        {"123_134_1a.png", 1, 2, {{0, 0, 13}, {0, 1, 7}}},
    };
    return pieces;
}

// Whether the twig crosses the point 17 pixels out from a square's centre towards a side:
// bark is warm brown, the stone plate is grey.
bool TwigAt(const TImage& image, int column, int row, int side) {
    const int dx[] = {0, 0, 17, 0, -17}, dy[] = {0, -17, 0, 17, 0};
    const int x = column * 40 + 20 + dx[side], y = row * 40 + 20 + dy[side];
    const uint8_t* p = image.Pixel(x, y);
    return p[2] - p[0] > 40; // red well above blue
}

void ExpectTwigFollowsMask(const TImage& image, int column, int row, int mask,
                           const std::string& what) {
    for (int side = 1; side <= 4; ++side)
        EXPECT_EQ(TwigAt(image, column, row, side), (mask & (1 << (side - 1))) != 0)
            << what << " square " << column << "," << row << " side " << side;
}

} // namespace

TEST_F(ContentTest, EveryCatalogueLineNamesAPictureOfItsOwnArchive) {
    for (TFileFolder* archive : {&PreparedGame(), &PreparedSquares()}) {
        SCOPED_TRACE(archive->Path());
        std::set<std::string> surfaces;
        for (const Line& line : Catalogue(*archive)) {
            EXPECT_TRUE(surfaces.insert(line.Surface).second) << "listed twice: " << line.Surface;
            // the catalogue loads a file only by its exact lower-case ending
            EXPECT_EQ(line.File.substr(line.File.size() - 3), "png") << line.File;
            const TImage image = Image(*archive, line.File);
            EXPECT_FALSE(image.Empty()) << line.File;
        }
    }
}

TEST_F(ContentTest, EveryPictureInAnArchiveIsCatalogued) {
    for (TFileFolder* archive : {&PreparedGame(), &PreparedSquares()}) {
        std::set<std::string> files;
        for (const Line& line : Catalogue(*archive))
            files.insert(LowerCase(line.File));
        for (const TDirItem& item : archive->Dir) {
            if (!IsImageEntry(item.FileName())) continue;
            EXPECT_TRUE(files.count(LowerCase(item.FileName())))
                << item.FileName() << " is in " << archive->Path() << " but not catalogued";
        }
    }
}

TEST_F(ContentTest, ShippedArchivesHoldSplitPicturesAndStoredScripts) {
    for (const std::string& path : {ShippedGame(), ShippedSquares()}) {
        TFileFolder shipped = TFileFolder::Open(path);
        ASSERT_TRUE(shipped.Fault().empty()) << path;
        int scripts = 0;
        for (const TDirItem& item : shipped.Dir) {
            const std::string name = item.FileName();
            const std::string ext = name.substr(name.find('.') + 1);
            EXPECT_NE(ext, "PNG") << name << " ships whole";
            EXPECT_NE(ext, "aim") << name << " ships unprotected";
            if (ext == "_JPG") {
                EXPECT_GE(shipped.Find(name.substr(0, name.size() - 3) + "PNG"), 0);
            }
            if (ext == "_aim") ++scripts;
        }
        EXPECT_GT(scripts, 0) << path << " exercises no image script";
    }
}

TEST_F(ContentTest, PlayScreenPicturesArePresentWithUsableSizes) {
    const std::vector<Line> game = Catalogue(PreparedGame());
    const std::map<std::string, std::pair<int, int>> minimum = {{"GamePlay1", {800, 600}},
                                                                {"lenta", {853, 8}},
                                                                {"BlackBar.png", {303, 20}},
                                                                {"hammer1.png", {1, 1}},
                                                                {"cap1.png", {1, 1}},
                                                                {"MouseCursor", {1, 1}},
                                                                {"x", {1, 1}},
                                                                {"under", {40, 40}},
                                                                {"LeftArrow", {1, 1}},
                                                                {"UpArrow", {1, 1}},
                                                                {"LiveIcon.png", {1, 1}},
                                                                {"DropAxelIcon.png", {1, 1}},
                                                                {"ProgressOTT.png", {1, 1}}};
    for (const auto& [surface, size] : minimum) {
        const Line* line = FindLine(game, surface);
        ASSERT_NE(line, nullptr) << surface;
        const TImage image = Image(PreparedGame(), line->File);
        EXPECT_GE(image.Width, size.first) << surface;
        EXPECT_GE(image.Height, size.second) << surface;
    }
    // the renderer clips all four lights and arrows by the size of the first
    for (const char* family : {"Light", "Ar"}) {
        const TImage first = Image(PreparedGame(), FindLine(game, std::string(family) + "1")->File);
        for (int side = 2; side <= 4; ++side) {
            const Line* line = FindLine(game, family + std::to_string(side));
            ASSERT_NE(line, nullptr) << family << side;
            const TImage image = Image(PreparedGame(), line->File);
            EXPECT_EQ(image.Width, first.Width) << family << side;
            EXPECT_EQ(image.Height, first.Height) << family << side;
        }
    }
    const std::vector<Line> squares = Catalogue(PreparedSquares());
    for (const char* rain : {"MidRain", "SmRain", "RainDrop"})
        EXPECT_NE(FindLine(squares, rain), nullptr) << rain;
}

TEST_F(ContentTest, PiecePicturesShowTheTwigOfTheirTypes) {
    for (int mask = 1; mask < 16; ++mask) {
        std::string name;
        for (int side = 1; side <= 4; ++side)
            if (mask & (1 << (side - 1))) name += static_cast<char>('0' + side);
        const TImage image = Image(PreparedSquares(), name + "_1.png");
        if (!image.Empty()) ExpectTwigFollowsMask(image, 0, 0, mask, name);
    }
    // multi-square pieces, drawn or turned by image scripts: the twig runs through the joins
    for (const PieceImage& piece : MultiSquarePieces()) {
        const TImage image = Image(PreparedSquares(), piece.File);
        ASSERT_EQ(image.Width, piece.Columns * 40) << piece.File;
        ASSERT_EQ(image.Height, piece.Rows * 40) << piece.File;
        for (const auto& sq : piece.Squares)
            ExpectTwigFollowsMask(image, sq[0], sq[1], sq[2], piece.File);
        // the square a three-square piece leaves empty is see-through
        if (piece.Squares.size() == 3) {
            int empty = 0;
            for (int c = 0; c < 2; ++c)
                for (int r = 0; r < 2; ++r) {
                    bool used = false;
                    for (const auto& sq : piece.Squares)
                        used |= sq[0] == c && sq[1] == r;
                    if (!used) empty += image.Alpha[(r * 40 + 20) * image.Width + c * 40 + 20] == 0;
                }
            EXPECT_EQ(empty, 1) << piece.File;
        }
    }
}

TEST_F(ContentTest, TurnedPicturesAreTurnsOfTheirSource) {
    const TImage light1 = Image(PreparedGame(), "Light1.png");
    const TImage light3 = Image(PreparedGame(), "Light3.png");
    const TImage skoba1 = Image(PreparedSquares(), "skoba1.png");
    const TImage skoba2 = Image(PreparedSquares(), "skoba2.png");
    ASSERT_FALSE(light1.Empty() || light3.Empty() || skoba1.Empty() || skoba2.Empty());
    // half a turn is made of two mirrorings; the script's alpha merge rounds by a step or two
    for (int y = 0; y < light1.Height; ++y)
        for (int x = 0; x < light1.Width; ++x) {
            const size_t a = y * light1.Width + x;
            const size_t b = (light1.Height - 1 - y) * light1.Width + (light1.Width - 1 - x);
            ASSERT_NEAR(light1.Alpha[a], light3.Alpha[b], 2) << x << "," << y;
            if (light1.Alpha[a] == 0) continue; // no colour where nothing shows
            for (int c = 0; c < 3; ++c)
                ASSERT_NEAR(light1.Bgr[a * 3 + c], light3.Bgr[b * 3 + c], 2);
        }
    // a quarter turn clockwise, within rounding
    for (int y = 0; y < skoba2.Height; ++y)
        for (int x = 0; x < skoba2.Width; ++x) {
            const size_t a = y * skoba2.Width + x;
            const size_t b = (skoba1.Height - 1 - x) * skoba1.Width + y;
            ASSERT_NEAR(skoba2.Alpha[a], skoba1.Alpha[b], 2) << x << "," << y;
            if (skoba1.Alpha[b] == 0) continue;
            for (int c = 0; c < 3; ++c)
                ASSERT_NEAR(skoba2.Bgr[a * 3 + c], skoba1.Bgr[b * 3 + c], 2);
        }
}

TEST_F(ContentTest, EveryPictureTheEffectTypesNameIsCatalogued) {
    const std::vector<Line> game = Catalogue(PreparedGame());
    int named = 0;
    for (const std::string& line : SplitLines(Text(PreparedGame(), "EffectsType.dat"))) {
        const std::string key = GetWord(line, 1);
        if (key.size() < 10 || key.compare(key.size() - 9, 9, "surfname]") != 0) continue;
        const std::string picture = GetWord(line, 2);
        if (picture.empty() || picture[0] == '%') continue; // a piece's own picture
        ++named;
        EXPECT_NE(FindLine(game, picture), nullptr) << picture;
    }
    EXPECT_GT(named, 0);
}

TEST_F(ContentTest, EveryPictureTheInterfaceAndTheLevelsNameIsCatalogued) {
    const std::vector<Line> game = Catalogue(PreparedGame());
    const std::vector<Line> squares = Catalogue(PreparedSquares());
    // interface pictures: "Picture" properties, fields separated by ";"
    for (const std::string& line : SplitLines(Text(PreparedGame(), "Quorrel.li"))) {
        const std::string value = TextBetween(line, "<p n=\"Picture\">", "</p>");
        size_t start = 0;
        while (!value.empty() && start <= value.size()) {
            const size_t end = std::min(value.find(';', start), value.size());
            const std::string picture = value.substr(start, end - start);
            if (!picture.empty()) {
                EXPECT_NE(FindLine(game, picture), nullptr) << picture;
            }
            start = end + 1;
        }
    }
    // level pictures, the quest picture and the heroes come from the squares archive
    const std::string levels = Text(PreparedSquares(), "levels.dat");
    for (const std::string& entry : SplitLines(levels)) {
        EXPECT_NE(FindLine(squares, GetWord(entry, 2)), nullptr) << GetWord(entry, 2);
        for (const std::string& line : SplitLines(Text(PreparedSquares(), GetWord(entry, 1)))) {
            if (line.find("<Image ") == std::string::npos &&
                line.find("<HidenFishkaPicture") == std::string::npos)
                continue;
            const std::string picture = GetAttr(line, "name");
            EXPECT_NE(FindLine(squares, picture), nullptr) << picture << " in " << entry;
        }
    }
}
