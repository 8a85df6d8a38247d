#include "LevelFixture.h"

namespace {

const std::string Root = "<Fishka type=\"4\" frag=\"30\" unhammer=\"true\"/>";

std::string Picture(const std::string& name, int x, int y, int z, const std::string& extra = "") {
    return "<Picture name=\"" + name + "\" x=\"" + std::to_string(x) + "\" y=\"" +
           std::to_string(y) + "\" z=\"" + std::to_string(z) + "\"" + extra + ">";
}

TEST_F(LevelTest, PicturesSortFarthestFirstKeepingFileOrder) {
    Load({Picture("A", 0, 0, 0), Picture("B", 0, 0, 5), Picture("C", 0, 0, 5), Root});
    ASSERT_EQ(objects.Pictures.size(), 3u);
    EXPECT_EQ(objects.Pictures[0].Name, "B");
    EXPECT_EQ(objects.Pictures[1].Name, "C");
    EXPECT_EQ(objects.Pictures[2].Name, "A");
    EXPECT_EQ(objects.Pictures[2].X, 5); // the file's x plus 5
}

TEST_F(LevelTest, PictureFieldsImagesAndCurves) {
    Load({Picture("A", 1, 2, 0, " visible=\"FALSE\" bonuselem=\"True\"") +
              "<Image name=\"Rock\" t=\"300\"/></Picture>",
          Picture("B", 0, 0, 4), "<Image name=\"Rock\" t=\"100\"/>",
          "<Image name=\"Glass\" t=\"200\"/>",
          "<MovingCurve alX=\"2.5\" beX=\"0.5\" lbY=\"7\" t=\"400\"/>", "</Picture>", Root});
    const TLevelPicture& b = objects.Pictures[0];
    EXPECT_EQ(b.Images, (std::vector<std::string>{"Rock", "Glass"}));
    EXPECT_EQ(b.ImageTimes, (TIntArray{100, 200}));
    ASSERT_EQ(b.Curves.size(), 1u);
    EXPECT_DOUBLE_EQ(b.Curves[0].alX, 2.5);
    EXPECT_DOUBLE_EQ(b.Curves[0].lbY, 7);
    EXPECT_EQ(b.SegmentTimes, (TIntArray{400}));
    EXPECT_TRUE(b.Moving && b.FreeMover);
    EXPECT_TRUE(objects.AnimatedBackground);  // a moving far picture
    EXPECT_EQ(b.NextImageTime, 1000u + 1000); // reset by the finishing step: two images
    const TLevelPicture& a = objects.Pictures[1];
    EXPECT_FALSE(a.Visible); // booleans of a picture ignore letter case
    EXPECT_TRUE(a.BonusElementPicture);
    EXPECT_EQ(a.NextImageTime, 1000u + 300); // "<Picture " and "</Picture>" on one line
}

TEST_F(LevelTest, FlatMapRowMakesAPicturePerValue) {
    Load({"<PictureMap x=\"10\" y=\"20\" z=\"0\" OneWidth=\"40\" OneHeight=\"30\">",
          "<Images> Rock Wide </Images>", "<map> 0 2 </map>", "<map> 1 3 -1 </map>",
          "</PictureMap>", "<map> 1 </map>", Root});
    ASSERT_EQ(objects.Pictures.size(), 2u);
    const TLevelPicture& p = objects.Pictures[0];
    EXPECT_EQ(p.Name, "MapPicture0");
    EXPECT_EQ(p.Images, (std::vector<std::string>{"Wide"}));
    EXPECT_EQ(p.X, 40 + 15);
    EXPECT_EQ(p.Y, 20);
    EXPECT_FALSE(p.Moving);
    EXPECT_EQ(objects.Pictures[1].Name, "MapPicture1");
    EXPECT_EQ(objects.Pictures[1].Y, 50);
    EXPECT_TRUE(host.Has("log Skipped level \"test.lvl\", line 4")); // 3 > two images
    EXPECT_FALSE(objects.AnimatedBackground);
}

TEST_F(LevelTest, ParallaxMapRowAndMapCurve) {
    Load({"<PictureMap x=\"0\" y=\"50\" z=\"100\" OneWidth=\"40\" OneHeight=\"40\">",
          "<Images>Rock</Images>", "<MapMovingCurve alX=\"3\" beX=\"0.01\" laY=\"0.5\"/>",
          "<map>0</map>", "<map>1</map>", "</PictureMap>", Root});
    ASSERT_EQ(objects.Pictures.size(), 1u);
    const TLevelPicture& p = objects.Pictures[0];
    EXPECT_EQ(p.Y, 130); // K = 25, round((40 + 25) * 2)
    ASSERT_EQ(p.Curves.size(), 1u);
    EXPECT_DOUBLE_EQ(p.Curves[0].lbX, p.X);
    EXPECT_DOUBLE_EQ(p.Curves[0].lbY, 130);
    EXPECT_DOUBLE_EQ(p.Curves[0].laX, 0);
    EXPECT_EQ(p.SegmentTimes, (TIntArray{20000000}));
    EXPECT_TRUE(p.Moving);
    EXPECT_FALSE(p.FreeMover);
    EXPECT_TRUE(objects.AnimatedBackground);
}

TEST_F(LevelTest, OpaquePicturesBlockTheFragsTheyCover) {
    Load({Picture("Stone", PictureX(2), PictureY(1), 0) + "<Image name=\"Rock\"/></Picture>",
          Picture("Pane", PictureX(3), PictureY(1), 0) + "<Image name=\"Glass\"/></Picture>",
          Picture("Wall", PictureX(0), PictureY(3), 0, " bonuselem=\"true\"") +
              "<Image name=\"Wide\"/></Picture>",
          Picture("Far", PictureX(4), PictureY(1), 3) + "<Image name=\"Rock\"/></Picture>", Root});
    EXPECT_TRUE(Blocked(Frag(1, 2)));
    EXPECT_FALSE(Blocked(Frag(1, 1)));
    EXPECT_FALSE(Blocked(Frag(1, 3))); // see-through
    EXPECT_FALSE(Blocked(Frag(1, 4))); // far layers block nothing
    EXPECT_TRUE(Blocked(Frag(3, 0)) && Blocked(Frag(3, 1)));
    EXPECT_FALSE(Blocked(Frag(3, 2)));
    EXPECT_TRUE(IntArrayContains(Frag(3, 1), game.Level.FinishFrags));
    EXPECT_EQ(objects.Pictures[objects.FindPicture("Stone")].CoveredFrags, (TIntArray{Frag(1, 2)}));
}

TEST_F(LevelTest, HiddenPictureRecordsItsFragsAndShowingItBlocksThem) {
    Load({Picture("Gate", PictureX(2), PictureY(2), 0, " visible=\"false\"") +
              "<Image name=\"Wide\"/></Picture>",
          Root});
    const TLevelPicture& gate = objects.Pictures[0];
    EXPECT_EQ(gate.CoveredFrags, (TIntArray{Frag(2, 2), Frag(2, 3)}));
    EXPECT_FALSE(Blocked(Frag(2, 2)));
    runtime.ShowPicture("Gate");
    EXPECT_TRUE(Blocked(Frag(2, 2)) && Blocked(Frag(2, 3)));
    size_t squares = game.Level.SquareFrag.size();
    runtime.ShowPicture("Gate"); // showing a shown picture changes nothing
    EXPECT_EQ(game.Level.SquareFrag.size(), squares);
    runtime.RemovePicture("Gate");
    EXPECT_FALSE(Blocked(Frag(2, 2)));
    EXPECT_FALSE(objects.Pictures[0].Visible);
    runtime.RemovePicture("Gate");
    EXPECT_EQ(game.Level.SquareFrag.size(), squares - 2);
}

TEST_F(LevelTest, RemovingAPictureKeepsPiecesAndClearsFinishedGround) {
    Load({Picture("Wall", PictureX(0), PictureY(0), 0, " bonuselem=\"true\"") +
              "<Image name=\"Wide\"/></Picture>",
          "<Fishka type=\"4\" frag=\"32\"/>"});
    // Frag (0, 0) and (0, 1) are blocked and finished ground.
    game.Level.SquareFrag.push_back(Frag(4, 0)); // a piece's square under the picture's list
    game.Level.SquareMask.push_back(4);
    game.Level.SquareGroup.push_back(2);
    game.Level.SquarePiece.push_back(0);
    objects.Pictures[0].CoveredFrags.push_back(Frag(4, 0));
    runtime.RemovePicture("Wall");
    EXPECT_FALSE(Blocked(Frag(0, 0)));
    EXPECT_FALSE(IntArrayContains(Frag(0, 1), game.Level.FinishFrags));
    EXPECT_GE(game.SquareIndexOfFrag(Frag(4, 0)), 0);
}

TEST_F(LevelTest, RemovePictureOnTakesTheLastPictureUnderThePoint) {
    Load({Picture("Under", PictureX(1), PictureY(1), 0) + "<Image name=\"Wide\"/></Picture>",
          Picture("Over", PictureX(1), PictureY(1), 0) + "<Image name=\"Rock\"/></Picture>",
          Picture("Far", PictureX(1), PictureY(1), 2) + "<Image name=\"Rock\"/></Picture>", Root,
          "<BonusElement>", "<RemovePictureOn " + At(1, 1) + "/>",
          "<RemovePictureOn " + At(1, 2) + "/>", "<RemovePictureOn " + At(4, 4) + "/>"});
    EXPECT_EQ(objects.BonusElements[0].Actions.RemovePictures,
              (std::vector<std::string>{"Over", "Under"}));
}

TEST_F(LevelTest, SameNamedPicturesAnswerWithTheFirst) {
    Load({Picture("Twin", PictureX(0), PictureY(2), 0) + "<Image name=\"Rock\"/></Picture>",
          Picture("Twin", PictureX(3), PictureY(2), 0) + "<Image name=\"Rock\"/></Picture>",
          "<FireEffect name=\"Smoke\" x=\"1\" y=\"2\" runevery=\"0\" followpic=\"Twin\"/>", Root});
    runtime.RemovePicture("Twin");
    EXPECT_FALSE(objects.Pictures[0].Visible);
    EXPECT_TRUE(objects.Pictures[1].Visible);
    EXPECT_TRUE(Blocked(Frag(2, 3)));
    objects.Pictures[0].CurrentX = 100;
    objects.Pictures[1].CurrentX = 900;
    runtime.RunFireSources(2000);
    EXPECT_TRUE(host.Has("surface effect Smoke  101,2"));
}

TEST_F(LevelTest, ImagesCycleByTheirTimes) {
    Load({Picture("Lamp", 0, 0, 0), "<Image name=\"Rock\" t=\"100\"/>",
          "<Image name=\"Glass\" t=\"50\"/>", "</Picture>", Root});
    TLevelPicture& p = objects.Pictures[0];
    EXPECT_FALSE(runtime.CyclePictures(2000)); // due at 2000: not yet earlier than now
    EXPECT_TRUE(runtime.CyclePictures(2001));
    EXPECT_EQ(p.CurrentImage, 1);
    EXPECT_EQ(p.NextImageTime, 2050u);
    EXPECT_TRUE(runtime.CyclePictures(2051));
    EXPECT_EQ(p.CurrentImage, 0); // after the last, the first again
    EXPECT_EQ(p.NextImageTime, 2150u);
    runtime.RestartLevelTimers(5000);
    EXPECT_EQ(p.NextImageTime, 6000u);
    // Pictures drawn every frame (a level with moving far pictures) need no new background.
    objects.AnimatedBackground = true;
    EXPECT_FALSE(runtime.CyclePictures(6001));
    EXPECT_EQ(p.CurrentImage, 1);
}

TEST_F(LevelTest, MotionTakesOneSegmentStepPerUpdateBothWays) {
    Load({Picture("Bird", 0, 0, 0), "<Image name=\"Rock\"/>",
          "<MovingCurve laX=\"1\" lbX=\"0\" lbY=\"5\" t=\"100\"/>",
          "<MovingCurve laX=\"0\" lbX=\"500\" laY=\"1\" t=\"100\"/>", "</Picture>", Root});
    TLevelPicture& p = objects.Pictures[0];
    EXPECT_EQ(p.LastUpdate, 1000u);
    runtime.MovePicture(0, 1040);
    EXPECT_EQ(p.CurrentX, 40);
    EXPECT_EQ(p.CurrentY, 5);
    runtime.MovePicture(0, 1390); // 390 ms in segment 0: one step only, 290 into segment 1
    EXPECT_EQ(p.CurrentSegment, 1);
    EXPECT_EQ(p.CurrentX, 500);
    EXPECT_EQ(p.CurrentY, 290);
    runtime.MovePicture(0, 1391); // still too long: the next step wraps to the first segment
    EXPECT_EQ(p.CurrentSegment, 0);
    EXPECT_EQ(p.CurrentX, 191);
    p.SpeedFactor = -1;
    runtime.MovePicture(0, 1591); // 191 - 200 < 0: back to the last segment
    EXPECT_EQ(p.CurrentSegment, 1);
    EXPECT_EQ(p.CurrentY, 91);
}

TEST_F(LevelTest, FreeMoverOverATargetFragRefusesAndFlashes) {
    Load({Picture("Bird", 0, 0, 0), "<Image name=\"Rock\"/>",
          "<MovingCurve lbX=\"" + std::to_string(BoardX + 45) + "\" lbY=\"1005\" t=\"100\"/>",
          "</Picture>", Root});
    runtime.MovePicture(0, 1010);
    EXPECT_TRUE(runtime.MovingPictureBlocks({Frag(0, 1)}, 1010));
    EXPECT_EQ(objects.Pictures[0].FlashUntil, 1510u);
    EXPECT_FALSE(runtime.MovingPictureBlocks({Frag(3, 3)}, 1010));
}

} // namespace
