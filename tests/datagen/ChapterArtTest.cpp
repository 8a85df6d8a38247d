// The chapters' scenery as levels use it: exact sizes, and board pictures without faint fringes.
#include <string>

#include "ContentFixture.h"

namespace {

struct Part {
    const char* Name;
    int Width, Height;
    bool Board; // drawn at z 0, where every opaque pixel blocks its square
};

const Part Parts[] = {
    {"Sky", 598, 1100, false},  {"Tile1", 200, 300, false}, {"Tile2", 200, 300, false},
    {"Tile3", 200, 300, false}, {"Block1", 76, 76, true},   {"Block2", 116, 76, true},
    {"Block3", 156, 116, true}, {"Block4", 36, 116, true},  {"Breakable", 76, 76, true},
    {"Seal", 60, 60, true},     {"Anim1", 64, 64, false},   {"Anim2", 64, 64, false},
    {"Anim3", 64, 64, false},   {"Mover", 48, 32, false}};

} // namespace

// A pixel of alpha 1..63 is all but invisible yet blocks the square it lies in; the shipped
// form (JPEG colour plus grey mask) must keep the masks exact through the game's preparation.
TEST_F(ContentTest, ChapterPicturesHaveTheirSizesAndBoardPicturesNoFaintFringe) {
    for (int chapter = 1; chapter <= 4; ++chapter)
        for (const Part& part : Parts) {
            const std::string name = "C" + std::to_string(chapter) + part.Name + ".png";
            const TImage image = Image(PreparedSquares(), name);
            EXPECT_EQ(image.Width, part.Width) << name;
            EXPECT_EQ(image.Height, part.Height) << name;
            if (!part.Board) continue;
            ASSERT_TRUE(image.HasAlpha) << name;
            int faint = 0, opaque = 0;
            for (uint8_t a : image.Alpha) {
                faint += a > 0 && a < 64;
                opaque += a >= 64;
            }
            EXPECT_EQ(faint, 0) << name;
            EXPECT_GT(opaque, static_cast<int>(image.Alpha.size()) / 8) << name;
        }
}
