// The geometry tables of the squares archive, read back the way the game reads them.
#include <algorithm>
#include <cstdint>
#include <set>
#include <tuple>

#include "ContentFixture.h"

namespace {

constexpr int TemplateFrags = 30;
constexpr int BoardColumns = 14;
constexpr int BoardRows = 250;

struct Point {
    int X, Y;
};

struct Tables {
    std::vector<Point> Points;
    std::vector<std::vector<int>> Frags; // point indexes of each frag
    std::vector<int> FragType;
    int VertexCount = 0, AnchorX = -1, AnchorY = -1, FragTypeCount = 0;
    struct Connect {
        int A, SideA, B, SideB;
    };
    std::vector<Connect> Connects;
};

Tables Load(TFileFolder& squares) {
    Tables t;
    const std::vector<uint8_t> types = ContentTest::Bytes(squares, "Squares_FragsTypes.dat");
    t.FragTypeCount = static_cast<int>(types.size() / 78);
    if (t.FragTypeCount > 0) {
        t.VertexCount = types[0];
        t.AnchorX = types[42];
        t.AnchorY = types[43];
    }
    const std::vector<uint8_t> points = ContentTest::Bytes(squares, "Squares_Points.dat");
    for (size_t at = 0; at + 4 <= points.size(); at += 4)
        t.Points.push_back({Le16(points, at), Le16(points, at + 2)});
    const std::vector<uint8_t> frags = ContentTest::Bytes(squares, "Squares_Frags.dat");
    for (size_t at = 0; at + 22 <= frags.size(); at += 22) {
        t.FragType.push_back(frags[at]);
        std::vector<int> v;
        for (int k = 0; k < t.VertexCount; ++k)
            v.push_back(LeU16(frags, at + 2 + 2 * k));
        t.Frags.push_back(v);
    }
    const std::vector<uint8_t> connects = ContentTest::Bytes(squares, "Squares_Connects.dat");
    for (size_t at = 0; at + 8 <= connects.size(); at += 8)
        t.Connects.push_back(
            {Le16(connects, at), connects[at + 2], Le16(connects, at + 4), connects[at + 6]});
    return t;
}

const Tables& Geometry() {
    static const Tables tables = Load(ContentTest::PreparedSquares());
    return tables;
}

// The game's inside test: every edge's cross product is not negative.
bool Inside(const Tables& t, int frag, int px, int py) {
    const std::vector<int>& v = t.Frags[frag];
    for (size_t i = 0; i < v.size(); ++i) {
        const Point a = t.Points[v[i]], b = t.Points[v[(i + 1) % v.size()]];
        if ((py - a.Y) * (b.X - a.X) - (px - a.X) * (b.Y - a.Y) < 0) return false;
    }
    return true;
}

Point Anchor(const Tables& t, int frag) {
    return {t.Points[t.Frags[frag][t.AnchorX]].X, t.Points[t.Frags[frag][t.AnchorY]].Y};
}

std::string MaskName(int mask) {
    std::string name;
    for (int side = 1; side <= 4; ++side)
        if (mask & (1 << (side - 1))) name += static_cast<char>('0' + side);
    return name;
}

struct FishkaType {
    std::string Name, RotatesTo, Suffix;
};

std::string ShortString(const std::vector<uint8_t>& b, size_t at, size_t width) {
    const size_t n = std::min<size_t>(b[at], width - 1);
    return std::string(b.begin() + at + 1, b.begin() + at + 1 + n);
}

std::vector<FishkaType> FishkaTypes() {
    const std::vector<uint8_t> b =
        ContentTest::Bytes(ContentTest::PreparedSquares(), "Squares_FishkasTypes.dat");
    std::vector<FishkaType> types;
    EXPECT_EQ(b.size() % 126, 0u);
    for (size_t at = 0; at + 126 <= b.size(); at += 126)
        types.push_back(
            {ShortString(b, at, 33), ShortString(b, at + 33, 33), ShortString(b, at + 66, 60)});
    return types;
}

} // namespace

TEST_F(ContentTest, FragTablesHoldTheTemplateThenTheBoardOfSquares) {
    const Tables& t = Geometry();
    ASSERT_EQ(t.FragTypeCount, 1);
    EXPECT_EQ(t.VertexCount, 4);
    EXPECT_EQ(t.AnchorX, 0);
    EXPECT_EQ(t.AnchorY, 0);
    ASSERT_EQ(t.Frags.size(), static_cast<size_t>(TemplateFrags + BoardColumns * BoardRows));
    for (size_t f = 0; f < t.Frags.size(); ++f) {
        EXPECT_EQ(t.FragType[f], 0);
        for (int p : t.Frags[f])
            ASSERT_LT(p, static_cast<int>(t.Points.size()));
    }
    // template: 15 columns by 2 rows from the origin; frag 15 lies below frag 0
    for (int f = 0; f < TemplateFrags; ++f) {
        const Point a = Anchor(t, f);
        EXPECT_EQ(a.X, 40 * (f % 15)) << f;
        EXPECT_EQ(a.Y, 40 * (f / 15)) << f;
    }
    // board: 14 columns from x 20, numbered row by row from the top, down to map y 10000
    for (int f = TemplateFrags; f < static_cast<int>(t.Frags.size()); ++f) {
        const int i = f - TemplateFrags;
        const Point a = Anchor(t, f);
        ASSERT_EQ(a.X, 20 + 40 * (i % BoardColumns)) << f;
        ASSERT_EQ(a.Y, 40 * (i / BoardColumns)) << f;
    }
    EXPECT_EQ(t.Points[t.Frags.back()[2]].Y, 10000);
}

TEST_F(ContentTest, EverySquareIsWoundSoTheGamesInsideTestWorks) {
    const Tables& t = Geometry();
    for (size_t f = 0; f < t.Frags.size(); ++f) {
        const std::vector<int>& v = t.Frags[f];
        const Point tl = t.Points[v[0]], tr = t.Points[v[1]], br = t.Points[v[2]],
                    bl = t.Points[v[3]];
        ASSERT_TRUE(tr.X == tl.X + 40 && tr.Y == tl.Y && br.X == tl.X + 40 && br.Y == tl.Y + 40 &&
                    bl.X == tl.X && bl.Y == tl.Y + 40)
            << "frag " << f << " is not top-left, top-right, bottom-right, bottom-left";
        const int f2 = static_cast<int>(f);
        ASSERT_TRUE(Inside(t, f2, tl.X + 20, tl.Y + 20)) << f;
        ASSERT_TRUE(Inside(t, f2, tl.X + 40, tl.Y + 13)) << "edge point of " << f;
        ASSERT_TRUE(Inside(t, f2, tl.X, tl.Y)) << "corner of " << f;
        ASSERT_FALSE(Inside(t, f2, tl.X + 41, tl.Y + 20)) << f;
        ASSERT_FALSE(Inside(t, f2, tl.X + 20, tl.Y - 1)) << f;
    }
}

TEST_F(ContentTest, ConnectsJoinEveryPairOfBoardNeighboursOnceWithMatchingSides) {
    const Tables& t = Geometry();
    std::set<std::tuple<int, int, int, int>> seen;
    for (const auto& c : t.Connects) {
        ASSERT_GE(c.A, TemplateFrags);
        ASSERT_GE(c.B, TemplateFrags);
        ASSERT_TRUE(seen.insert({c.A, c.SideA, c.B, c.SideB}).second) << "twice";
        const Point a = Anchor(t, c.A), b = Anchor(t, c.B);
        const int opposite[] = {0, 3, 4, 1, 2};
        ASSERT_EQ(c.SideB, opposite[c.SideA]);
        const int dx[] = {0, 0, 40, 0, -40}, dy[] = {0, -40, 0, 40, 0};
        ASSERT_EQ(b.X - a.X, dx[c.SideA]) << c.A << "-" << c.B;
        ASSERT_EQ(b.Y - a.Y, dy[c.SideA]) << c.A << "-" << c.B;
    }
    const size_t pairs = (BoardColumns - 1) * BoardRows + BoardColumns * (BoardRows - 1);
    EXPECT_EQ(t.Connects.size(), pairs);
}

TEST_F(ContentTest, BoardSearchesFromAnyFirstFragMeetAllOfItsConnects) {
    // A level starts its connect searches at the first connect touching its first board frag
    // and runs to the end of the table: no connect between later frags may lie before it.
    const Tables& t = Geometry();
    const int frags = static_cast<int>(t.Frags.size());
    std::vector<size_t> firstTouching(frags, SIZE_MAX), earliestFrom(frags + 1, SIZE_MAX);
    for (size_t i = 0; i < t.Connects.size(); ++i) {
        const auto& c = t.Connects[i];
        firstTouching[c.A] = std::min(firstTouching[c.A], i);
        firstTouching[c.B] = std::min(firstTouching[c.B], i);
        const int low = std::min(c.A, c.B);
        earliestFrom[low] = std::min(earliestFrom[low], i);
    }
    for (int f = frags - 1; f >= 0; --f)
        earliestFrom[f] = std::min(earliestFrom[f], earliestFrom[f + 1]);
    for (int f = TemplateFrags; f < frags; ++f) {
        ASSERT_NE(firstTouching[f], SIZE_MAX) << "frag " << f << " has no connect";
        ASSERT_GE(earliestFrom[f], firstTouching[f]) << "first board frag " << f;
    }
}

TEST_F(ContentTest, SingleSquareTypesSpellTheirTwigAndTurnClockwise) {
    const std::vector<FishkaType> types = FishkaTypes();
    ASSERT_EQ(types.size(), 16u);
    EXPECT_FALSE(types[0].Name.empty());
    EXPECT_EQ(types[0].Name.find_first_of("0123456789"), std::string::npos);
    EXPECT_EQ(types[0].RotatesTo, types[0].Name);
    for (int mask = 1; mask < 16; ++mask) {
        EXPECT_EQ(types[mask].Name, MaskName(mask));
        const int turned = ((mask << 1) | (mask >> 3)) & 15;
        EXPECT_EQ(types[mask].RotatesTo, MaskName(turned)) << types[mask].Name;
    }
    // four turns come back; "124" turns into "123"
    EXPECT_EQ(types[11].Name, "124");
    EXPECT_EQ(types[11].RotatesTo, "123");
    for (int mask = 0; mask < 16; ++mask) {
        std::string name = types[mask].Name;
        for (int k = 0; k < 4; ++k)
            for (const FishkaType& type : types)
                if (type.Name == name) {
                    name = type.RotatesTo;
                    break;
                }
        EXPECT_EQ(name, types[mask].Name);
    }
}

TEST_F(ContentTest, EverySingleSquareTypeHasItsPictureOfOneSquare) {
    for (const FishkaType& type : FishkaTypes()) {
        std::string file = type.Name + type.Suffix + ".png";
        file = file.substr(0, 41);
        const TImage image = Image(PreparedSquares(), file);
        EXPECT_EQ(image.Width, 40) << file;
        EXPECT_EQ(image.Height, 40) << file;
        EXPECT_TRUE(image.HasAlpha) << file;
    }
}
