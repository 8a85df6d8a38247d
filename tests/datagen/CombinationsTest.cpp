// "FishCombinations.dat" and "BonusTypes.dat" read as the game reads them, and checked for
// stamps that can really be laid.
#include <array>
#include <map>
#include <set>

#include "ContentFixture.h"
#include "archive/SFunctions.h"

namespace {

struct Cell {
    int X, Y, Type;
};
using Stamp = std::vector<Cell>;
using Combination = std::vector<Stamp>;

std::vector<Combination> Combinations() {
    std::vector<Combination> out;
    for (const std::string& line :
         SplitLines(ContentTest::Text(ContentTest::PreparedSquares(), "FishCombinations.dat"))) {
        if (line.find("<FishkaCombination>") != std::string::npos) out.emplace_back();
        if (line.find("<Stamp>") != std::string::npos && !out.empty()) out.back().emplace_back();
        if (line.find("<FishkaInStamp") != std::string::npos && !out.empty() &&
            !out.back().empty()) {
            Cell c{};
            EXPECT_TRUE(TryStrToInt(GetAttr(line, "x"), c.X)) << line;
            EXPECT_TRUE(TryStrToInt(GetAttr(line, "y"), c.Y)) << line;
            EXPECT_TRUE(TryStrToInt(GetAttr(line, "type"), c.Type)) << line;
            out.back().back().push_back(c);
        }
    }
    return out;
}

// The squares of every piece type: single squares by mask, then the built-in pieces of two
// and three squares, as (column, row, twig mask).
std::vector<std::array<int, 3>> SquaresOf(int type) {
    if (type < 16) return {{0, 0, type}};
    static const std::vector<std::vector<std::array<int, 3>>> multi = {
        {{0, 0, 7}, {0, 1, 13}},             // double2
        {{0, 0, 11}, {1, 0, 14}},            // double1
        {{0, 0, 5}, {0, 1, 11}, {1, 1, 12}}, // tripl1
        {{0, 0, 7}, {1, 0, 10}, {0, 1, 9}},  // tripl2
        {{0, 0, 3}, {1, 0, 14}, {1, 1, 5}},  // tripl3
        {{1, 0, 6}, {0, 1, 10}, {1, 1, 13}}, // tripl4
        {{0, 0, 7}, {1, 0, 13}},             // adouble1
        {{0, 0, 14}, {0, 1, 11}},            // adouble2
        {{0, 0, 6}, {1, 0, 12}},             // skoba1
        {{0, 0, 12}, {0, 1, 9}},             // skoba2
        {{0, 0, 3}, {1, 0, 9}},              // skoba3
        {{0, 0, 6}, {0, 1, 3}},              // skoba4
        {{0, 0, 14}, {1, 0, 11}},            // double1a
        {{0, 0, 13}, {0, 1, 7}},             // double2a
    };
    return type - 16 < static_cast<int>(multi.size()) ? multi[type - 16]
                                                      : std::vector<std::array<int, 3>>{};
}

bool Twig(int mask, int side) {
    return mask & (1 << (side - 1));
}

} // namespace

TEST_F(ContentTest, CombinationsAreStampsOfKnownPiecesOnTheSquareGrid) {
    const std::vector<Combination> combinations = Combinations();
    EXPECT_GE(combinations.size(), 6u);
    for (size_t i = 0; i < combinations.size(); ++i) {
        SCOPED_TRACE("combination " + std::to_string(i));
        ASSERT_FALSE(combinations[i].empty());
        std::set<std::vector<std::array<int, 3>>> distinct;
        for (const Stamp& stamp : combinations[i]) {
            ASSERT_GE(stamp.size(), 2u);
            int minX = 1 << 20, minY = 1 << 20, maxX = 0, maxY = 0;
            std::vector<std::array<int, 3>> key;
            for (const Cell& c : stamp) {
                ASSERT_FALSE(SquaresOf(c.Type).empty()) << "type " << c.Type;
                ASSERT_EQ(c.X % 40, 0);
                ASSERT_EQ(c.Y % 40, 0);
                for (const auto& sq : SquaresOf(c.Type)) {
                    minX = std::min(minX, c.X + sq[0] * 40);
                    minY = std::min(minY, c.Y + sq[1] * 40);
                    maxX = std::max(maxX, c.X + sq[0] * 40 + 40);
                    maxY = std::max(maxY, c.Y + sq[1] * 40 + 40);
                }
                key.push_back({c.X, c.Y, c.Type});
            }
            EXPECT_EQ(minX, 0);
            EXPECT_EQ(minY, 0);
            // the wanted combination is shown in the frame's medallion
            EXPECT_LE(maxX, 120);
            EXPECT_LE(maxY, 120);
            std::sort(key.begin(), key.end());
            EXPECT_TRUE(distinct.insert(key).second) << "the same stamp twice";
        }
    }
}

TEST_F(ContentTest, EveryStampCanBeLaidJointToJoint) {
    // Laying refuses a twig that meets no twig, so neighbouring squares of a stamp must agree
    // on the side between them.
    for (const Combination& combination : Combinations())
        for (const Stamp& stamp : combination) {
            std::map<std::pair<int, int>, int> mask;
            for (const Cell& c : stamp)
                for (const auto& sq : SquaresOf(c.Type)) {
                    const auto at = std::make_pair(c.X / 40 + sq[0], c.Y / 40 + sq[1]);
                    ASSERT_TRUE(mask.emplace(at, sq[2]).second) << "two pieces on one square";
                }
            for (const auto& [at, m] : mask) {
                const auto right = mask.find({at.first + 1, at.second});
                if (right != mask.end()) {
                    EXPECT_EQ(Twig(m, 2), Twig(right->second, 4));
                }
                const auto below = mask.find({at.first, at.second + 1});
                if (below != mask.end()) {
                    EXPECT_EQ(Twig(m, 3), Twig(below->second, 1));
                }
            }
        }
}

TEST_F(ContentTest, BonusTypesCoverEveryKindOfReward) {
    std::set<std::string> kinds;
    int types = 0;
    for (std::string line : SplitLines(Text(PreparedGame(), "BonusTypes.dat"))) {
        line = LowerCase(line);
        if (line.find("<bonustype") == std::string::npos || line.find("/>") == std::string::npos)
            continue;
        ++types;
        bool gives = false;
        for (const char* flag : {"clearsteck", "makefisheswithbonus"})
            if (GetAttr(line, flag) == "true") {
                gives = true;
                kinds.insert(flag);
            }
        for (const char* amount :
             {"plushummers", "pluscaps", "plusscore", "speedupotb", "timetonolose"}) {
            const std::string value = GetAttr(line, amount);
            if (value.empty()) continue;
            int32_t n = 0;
            ASSERT_TRUE(TryStrToInt(value, n)) << line;
            if (n > 0) {
                gives = true;
                kinds.insert(amount);
            }
        }
        EXPECT_TRUE(gives) << "a bonus that gives nothing: " << line;
    }
    EXPECT_GE(types, 7);
    EXPECT_EQ(kinds.size(), 7u);
}
