// quorrel-tool level check on the built game folder: the shipped levels are clean, and an
// author's file with one of each trap gets each finding on its own line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "levels_content/ShippedLevelList.h"
#include "tool/ToolRunner.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

TEST(LevelCheckTest, EveryShippedLevelIsClean) {
    std::vector<std::string> levels = ShippedLevelList();
    ASSERT_GE(levels.size(), 3u);
    for (const std::string& level : levels) {
        ToolResult r = RunTool("level check --dir " + std::string(QUORREL_GAME_DIR) + " " + level);
        EXPECT_EQ(r.Status, 0) << level;
        EXPECT_EQ(r.Out, "") << level;
    }
}

// Frag 3392 lies at (100, 9600); the boulder's opaque part covers the frags below and below
// right of it, 3406 and 3407.
const char* const BadLevel[] = {
    "<!-- One of each trap. -->",
    "<Image name=\"Ferns.png\" t=\"0\"/>",
    "<Level CurrentY=\"9750\"/>",
    "<Generator period=\"fast\"/>",
    "<PlayMusic name=\"NoSuchTune.mo3\"/>",
    "<RainEffect name=\"NoSuchRain\"/>",
    "<HidenFishkaPicture name=\"nosuch.png\" prob=\"0.1\"/>",
    "<FishkaWithBonus prob=\"0.1\">",
    "<FProb name=\"13\" prob=\"0\"/>",
    "<FProb name=\"99\" prob=\"2\"/>",
    "<!-- <FProb name=\"24\" prob=\"0\"/> -->",
    "<FishTypeSequence>1 2",
    "<FishkaBonusProb>1 1 1</FishkaBonusProb>",
    "<OneCombBonusProb>1 1 1 1 1 1 1 1 1 1 1</OneCombBonusProb>",
    "<CombSequence>1 42</CombSequence>",
    "<GGBonusProb>1 1 1 1 1 1 1 1 1</GGBonusProb>",
    "<BonusElement>",
    "<Point border=\"2\" x=\"120\" y=\"9590\">",
    "<RemovePicture name=\"NoSuchPicture\"/>",
    "<Bomb x=\"5000\" y=\"9700\" r=\"1\"/>",
    "</Point>",
    "<Fishka type=\"6\" frag=\"3392\" unhammer=\"True\"/>",
    "<Picture name=\"Boulder\" x=\"90\" y=\"9630\" z=\"0\">",
    "<FireEffect name=\"Fireflies\" runevery=\"500\" x=\"440\" y=\"9680\"/>",
    "<Image name=\"Boulder.png\" t=\"0\"/>",
    "</Picture>",
    "<Image name=\"Ferns.png\" t=\"0\"/>",
    "<LevelEffect surfname=\"Ferns.png\" x=\"100\" y=\"9700\" name=\"PictureVanish\"/>",
    "<Point border=\"1\" x=\"120\" y=\"9735\">",
    "</Point>",
    "<GhostFishka x=\"160\" y=\"9675\" type=\"5\"/>",
    "<GhostGroup>",
    "</GhostGroup>",
    "<Fishk type=\"4\" frag=\"3394\"/>",
    "<Images>Ferns.png</Images>",
    "<Picture name=\"Moss\" x=\"300\" y=\"9000\" z=\"0\">",
    "<PictureMap x=\"0\" y=\"8800\" z=\"0\" OneWidth=\"40\" OneHeight=\"40\">",
    "<Images>Ferns.png</Images>",
    "<map>1 2</map>",
    "</PictureMap>",
    "<Image name=\"Ferns.png\" t=\"0\"/>",
    "<Picture x=\"300\" y=\"9000\" z=\"0\" name=\"a>b\">",
    "</Picture>",
    "<RainEffect name=\"SoftRain\"/><FireEffect name=\"Fireflies\" x=\"1\" y=\"2\" "
    "runevery=\"100\"/>",
};

// Each finding: its line and kind, and a text it holds.
const char* const Expected[] = {
    "0: warning: no <Generator", // its line is refused
    "0: error: no <FProb> has a positive weight and there is no <FishTypeSequence>",
    "2: error: the loader skips this line: image without a picture",
    "4: error: 'fast' is not a valid integer value (period)",
    "5: error: music \"NoSuchTune.mo3\" is not in the audio list musics.dat",
    "6: error: effect \"NoSuchRain\" is not in EffectsType.dat",
    "7: error: image \"nosuch.png\" is in neither archive",
    "8: error: <FishkaWithBonus needs \"/>\" on the same line",
    "10: error: no piece type is named \"99\"",
    "11: error: the loader reads \"<FProb\" inside a comment",
    "12: error: no \"</FishTypeSequence>\" after \"<FishTypeSequence>\"",
    "13: warning: <FishkaBonusProb> holds 3 weights; BonusTypes.dat has 9",
    "14: error: <OneCombBonusProb> holds 11 weights; BonusTypes.dat has 9",
    "15: error: combination 42 is not in FishCombinations.dat",
    "16: error: the loader skips this line: bonus weights before any ghost group",
    "18: error: the first square laid is a bonus point: it becomes group 1",
    "18: warning: the loader makes this bonus point the root",
    "19: error: no picture of the level is named \"NoSuchPicture\"",
    "20: error: the loader skips this line: bomb on no board frag",
    "22: warning: unhammer=\"True\" is neither \"true\" nor \"false\"",
    "22: error: the twig leaving the bottom of this piece ends under picture \"Boulder\"",
    "24: error: \"y\" is read inside the name \"runevery\": the loader reads \"500\", the tag says "
    "\"9680\"",
    "25: warning: <FireEffect (line 24) stands between <Image and its <Picture> (line 23)",
    "27: warning: <Image after </Picture> (line 26)",
    "28: error: \"name\" is read inside the name \"surfname\": the loader reads \"Ferns.png\", the "
    "tag says \"PictureVanish\"",
    "28: error: effect \"Ferns.png\" is not in EffectsType.dat",
    "29: error: no path of free squares leads from the starting twig to this bonus point",
    "31: error: this ghost lies under the opaque part of picture \"Boulder\"",
    "32: warning: no ghost is left in this ghost group",
    "34: warning: the loader reads no tag <Fishk",
    "35: error: <Images> is read only inside a <PictureMap",
    "36: warning: the picture has no <Image>",
    "39: error: the loader skips this line: map value 2 has no image",
    "41: error: the map row of line 39 stands between <Image and its <Picture> (line 36)",
    "42: error: the loader reads name=\"\", the tag says \"a>b\"",
    "42: warning: the picture has no <Image>",
    "44: error: \"name\" is read from the \"name\" of another tag on the line",
};

TEST(LevelCheckTest, AnAuthorsFileWithEveryTrapGetsEachFindingOnItsLine) {
    std::string path = ::testing::TempDir() + "/Traps.txt";
    {
        std::ofstream out(path, std::ios::binary);
        for (const char* line : BadLevel)
            out << line << "\r\n";
    }
    ToolResult r = RunTool("level check --dir " + std::string(QUORREL_GAME_DIR) + " --file " +
                           path + " Traps.txt");
    EXPECT_EQ(r.Status, 1);
    std::vector<std::string> found = Lines(r.Out);
    size_t next = 0; // findings come sorted by line, in this order
    for (const char* want : Expected) {
        size_t at = next;
        while (at < found.size() && found[at].rfind(want, 0) != 0)
            ++at;
        EXPECT_LT(at, found.size()) << "missing or out of order: " << want << "\n" << r.Out;
        if (at < found.size()) next = at + 1;
    }
    EXPECT_EQ(found.size(), std::size(Expected)) << r.Out;
}

} // namespace
