#include "RulesFixture.h"

#include "archive/GameError.h"

namespace {

TGeometry Load(int extraBytes, TRecordingHost& host) {
    TFileFolder archive = TSyntheticGeometry::BuildArchive("", extraBytes);
    TGeometry g;
    LoadGeometry(g, archive, "Squares", host);
    return g;
}

} // namespace

TEST(GeometryLoading, ReadsWholeRecordsAndDropsPartialOnes) {
    TRecordingHost host;
    TGeometry exact = Load(0, host);
    TGeometry partial = Load(3, host);
    int frags = 30 + TSyntheticGeometry::Rows * TSyntheticGeometry::Cols;
    EXPECT_EQ(exact.Frags.size(), static_cast<size_t>(frags));
    EXPECT_EQ(partial.Frags.size(), exact.Frags.size());
    EXPECT_EQ(partial.Points.size(), exact.Points.size());
    EXPECT_EQ(partial.Connects.size(), exact.Connects.size());
    EXPECT_EQ(partial.FragTypes.size(), 1u);
    EXPECT_EQ(partial.CompFishkaTypes.size(), 16u + 14u);
    EXPECT_EQ(exact.FragTypes[0].VertexCount, 4);
    const TConnect& c = exact.Connects[0];
    EXPECT_EQ(c.FragA, TSyntheticGeometry::Frag(0, 0));
    EXPECT_EQ(c.SideA, 2);
    EXPECT_EQ(c.FragB, TSyntheticGeometry::Frag(0, 1));
    EXPECT_EQ(c.SideB, 4);
}

TEST(GeometryLoading, BuildsPieceTypesAndRegistersTheirImages) {
    TRecordingHost host;
    TGeometry g = Load(0, host);
    // Single squares in mask order, named by their twig sides, then the built-in types.
    EXPECT_EQ(g.CompFishkaTypes[11].Name, "124");
    EXPECT_EQ(g.CompFishkaTypes[11].TypeSquares[0].Mask, 11);
    EXPECT_EQ(g.FindFishkaType("double2"), 16);
    EXPECT_EQ(g.FindFishkaType("double2a"), 29);
    EXPECT_EQ(g.FindFishkaType("nothing"), -1);
    const TComplexFishkaType& tripl1 = g.CompFishkaTypes[g.FindFishkaType("tripl1")];
    EXPECT_EQ(tripl1.ImageName, "13_124_34");
    ASSERT_EQ(tripl1.SquareCount, 3);
    EXPECT_EQ(tripl1.TypeSquares[1].Frag, 15);
    EXPECT_EQ(tripl1.TypeSquares[1].Joins, (std::vector<int>{1, 2}));
    auto registered = [&](const std::string& name, const std::string& file) {
        for (auto& image : host.Images)
            if (image.first == name) return image.second == file;
        return false;
    };
    EXPECT_TRUE(registered("124", "124_1.png"));
    EXPECT_TRUE(registered("123_134a", "123_134_1a.png"));
    EXPECT_TRUE(registered("skoba3", "skoba3.png"));
    EXPECT_TRUE(registered("RainDrop", "RainDrop.png"));
}

TEST(GeometryLoading, MissingTableIsAnArchiveError) {
    TFileFolder archive = TFileFolder::CreateNew("/nonexistent/squares.zxc");
    archive.Add("FishCombinations.dat", 0, TMemoryStream(std::string()));
    TGeometry g;
    TRecordingHost host;
    EXPECT_THROW(LoadGeometry(g, archive, "Squares", host), GameError);
}

TEST(GeometryLoading, CombinationFileBuildsStampsAndSkipsStrayCells) {
    auto combs = ParseFishCombinations("<FishkaInStamp x=\"1\" y=\"1\" type=\"1\"/>\r\n"
                                       "<FishkaCombination>\r\n<Stamp>\r\n"
                                       "<FishkaInStamp x=\"40\" y=\"-40\" type=\"7\"/>\r\n"
                                       "<Stamp>\r\n<FishkaCombination>\r\n");
    ASSERT_EQ(combs.size(), 2u);
    ASSERT_EQ(combs[0].size(), 2u);
    ASSERT_EQ(combs[0][0].size(), 1u);
    EXPECT_EQ(combs[0][0][0].X, 40);
    EXPECT_EQ(combs[0][0][0].Y, -40);
    EXPECT_EQ(combs[0][0][0].Type, 7);
    EXPECT_TRUE(combs[1].empty());
}

TEST_F(RulesTest, TwigSidesComeFromTheTypeName) {
    for (int side = 1; side <= 4; ++side)
        EXPECT_FALSE(geometry.SquareHasTwig(0, side));
    EXPECT_TRUE(geometry.SquareHasTwig(11, 4));
    EXPECT_FALSE(geometry.SquareHasTwig(11, 3));
    EXPECT_FALSE(geometry.SquareHasTwig(99, 1));
}

TEST_F(RulesTest, PolygonEdgesCountAsInside) {
    std::vector<TPoint> square{{0, 0}, {40, 0}, {40, 40}, {0, 40}};
    EXPECT_TRUE(InsidePolygon(square, 0, 20));
    EXPECT_TRUE(InsidePolygon(square, 40, 40));
    EXPECT_FALSE(InsidePolygon(square, 41, 20));
    EXPECT_FALSE(InsidePolygon(square, 20, -1));
}

TEST_F(RulesTest, ProbeMatchesWithinNineteenPixelsOnly) {
    int frag = TSyntheticGeometry::Frag(1, 1);
    TPoint v = geometry.FirstVertex(frag);
    EXPECT_EQ(geometry.FragForProbe(v.X - 19, v.Y), frag);
    EXPECT_EQ(geometry.FragForProbe(v.X - 20, v.Y), -1);
    EXPECT_EQ(geometry.FragForProbe(v.X, v.Y + 19), frag);
    // 12/16 from the vertex is 20 when rounded: no match.
    EXPECT_EQ(geometry.FragForProbe(v.X - 12, v.Y - 16), -1);
}

TEST_F(RulesTest, FragUnderPointSearchesTheBoardOnly) {
    int frag = TSyntheticGeometry::Frag(2, 3);
    TPoint a = geometry.FragAnchor(frag);
    EXPECT_EQ(geometry.FragUnderMapPoint(a.X + 20, a.Y + 20), frag);
    // Template frags lie before the first board frag and are never found.
    EXPECT_EQ(geometry.FragUnderMapPoint(20, 20), -1);
}

TEST_F(RulesTest, RotationCyclesReturnToTheStart) {
    int tripl1 = TypeOf("tripl1");
    Hold(tripl1, TSyntheticGeometry::Frag(0, 0));
    game.Rotate(false, {100, 100});
    EXPECT_EQ(game.Fishkas[game.HeldPiece].Type, TypeOf("tripl4"));
    game.Rotate(true, {100, 100});
    for (int i = 0; i < 4; ++i)
        game.Rotate(true, {100, 100});
    EXPECT_EQ(game.Fishkas[game.HeldPiece].Type, tripl1);
    game.Fishkas[game.HeldPiece].Type = static_cast<uint8_t>(TypeOf("double1a"));
    game.Rotate(true, {100, 100});
    EXPECT_EQ(game.Fishkas[game.HeldPiece].Type, TypeOf("double2a"));
    game.Rotate(true, {100, 100});
    EXPECT_EQ(game.Fishkas[game.HeldPiece].Type, TypeOf("double1a"));
    // Re-centred on the pointer: double1a is 80 x 40.
    EXPECT_EQ(game.Fishkas[game.HeldPiece].X, 60);
    EXPECT_EQ(game.Fishkas[game.HeldPiece].Y, 80);
    EXPECT_EQ(host.Count("effect RotateFishka " + std::to_string(game.HeldPiece)), 8);
}

TEST(GeometryLoading, CombinationCellBeyondAnyBoardIsRefusedNamingItsLine) {
    const std::string head = "<FishkaCombination>\r\n<Stamp>\r\n";
    EXPECT_EQ(ParseFishCombinations(head + "<FishkaInStamp x=\"-100000\" y=\"100000\" "
                                           "type=\"5\"/>\r\n")[0][0][0]
                  .X,
              -100000);
    for (const char* cell : {"x=\"-2147483648\" y=\"0\"", "x=\"0\" y=\"100001\""}) {
        try {
            ParseFishCombinations(head + "<FishkaInStamp " + cell + " type=\"5\"/>\r\n");
            ADD_FAILURE() << cell;
        } catch (const GameError& e) {
            EXPECT_STREQ(e.what(), "FishCombinations.dat, line 3: a stamp cell more than 100000 "
                                   "pixels from its stamp");
        }
    }
}
