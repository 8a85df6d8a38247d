#include <gtest/gtest.h>

#include "archive/Random.h"
#include "archive/SFunctions.h"

namespace {

TEST(TextHelpers, WordsSkipRunsOfBlanksAndTabs) {
    std::string line = "\tA  B";
    EXPECT_EQ(GetWord(line, 1), "A");
    EXPECT_EQ(GetWord(line, 2), "B");
    EXPECT_EQ(GetWord(line, 3), "%&");
    EXPECT_EQ(CountWords(line), 2);
    EXPECT_EQ(CountWords(""), 0);
    // Only the first 255 characters of a line count.
    std::string longLine = std::string(254, ' ') + "xy";
    EXPECT_EQ(GetWord(longLine, 1), "x");
}

TEST(TextHelpers, AttributesAreFoundBySubstring) {
    std::string line = "<Ball Name=\"Ball\" Pic=\"b.png\">";
    EXPECT_EQ(GetAttr(line, "Pic"), "b.png");
    EXPECT_EQ(GetAttr(line, "Size"), "");
    EXPECT_EQ(GetAttr("surfname=\"s\" name=\"n\"", "name"), "s"); // the first occurrence wins
    EXPECT_EQ(GetAttr("Pic=\"unclosed", "Pic"), "");
}

TEST(TextHelpers, TextBetweenNeedsBothMarkersInOrder) {
    EXPECT_EQ(TextBetween("a[bc]d", "[", "]"), "bc");
    EXPECT_EQ(TextBetween("a]bc[d", "[", "]"), "");
    EXPECT_EQ(TextBetween("a[bc", "[", "]"), "");
}

TEST(TextHelpers, NumbersReadAsFarAsTheyGo) {
    EXPECT_EQ(StrToIntVal("12ab"), 12);
    EXPECT_EQ(StrToIntVal(""), 0);
    EXPECT_EQ(StrToIntVal("  -7"), -7);
    EXPECT_EQ(StrToIntVal("$ff"), 255);
    EXPECT_EQ(StrToIntVal("0x10"), 16);
    EXPECT_EQ(StrToIntVal("abc"), 0);
    int32_t v = 0;
    EXPECT_TRUE(TryStrToInt(" 42 ", v));
    EXPECT_EQ(v, 42);
    EXPECT_FALSE(TryStrToInt("4x", v));
    EXPECT_FALSE(TryStrToInt("", v));
    EXPECT_DOUBLE_EQ(StrToFloatZero("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloatZero("2,5"), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloatZero("x"), 0.0);
    EXPECT_DOUBLE_EQ(StrToFloatZero(""), 0.0);
}

// Numbers past 32 bits used to wrap ("3000000000" read as -1294967296), and the C library
// read "nan", "inf" and hexadecimal floats: none of them is a number in a data file.
TEST(TextHelpers, NumbersPastTheirRangeAreNoNumbers) {
    int32_t v = 5;
    EXPECT_FALSE(TryStrToInt("2147483648", v));
    EXPECT_FALSE(TryStrToInt("-2147483649", v));
    EXPECT_FALSE(TryStrToInt("99999999999999999999", v));
    EXPECT_FALSE(TryStrToInt("$100000000", v));
    EXPECT_EQ(v, 5);
    EXPECT_TRUE(TryStrToInt("2147483647", v));
    EXPECT_EQ(v, 2147483647);
    EXPECT_TRUE(TryStrToInt("-2147483648", v));
    EXPECT_EQ(v, -2147483647 - 1);
    EXPECT_TRUE(TryStrToInt("$FFFFFFFF", v)); // a colour may use all 32 bits
    EXPECT_EQ(v, -1);
    EXPECT_EQ(StrToIntVal("3000000000"), 0);
    EXPECT_EQ(StrToIntVal("3000000000ab"), 0);
    EXPECT_EQ(StrToIntVal("-3000000000"), 0);
    for (const char* text : {"nan", "NaN", "inf", "-Infinity", "0x1p4", "1e999", "1e5x"})
        EXPECT_EQ(StrToFloatZero(text), 0.0) << text;
    EXPECT_DOUBLE_EQ(StrToFloatZero("-1.5e2"), -150.0);
}

TEST(IntArrays, MinMaxAndDeletion) {
    EXPECT_EQ(IntArrayMax({-5, -7}), -1);
    EXPECT_EQ(IntArrayMax({3, 9, 2}), 9);
    EXPECT_EQ(IntArrayMin({}), 2147483647);
    TIntArray a{1, 2, 3};
    IntArrayDelete(1, a);
    EXPECT_EQ(a, (TIntArray{1, 3}));
    IntArrayDelete(5, a); // out of range: left alone
    TIntArray empty;
    IntArrayDelete(0, empty);
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(IntArrayAdd(a, 7), 3);
    EXPECT_EQ(IntArrayIndexOf(a, 7), 2);
    EXPECT_FALSE(IntArrayContains(2, a));
}

TEST(RandomGenerator, FollowsTheLinearCongruentialStep) {
    Random r(0);
    // seed 0 -> 1: high 32 bits of 1 * 100 are 0
    EXPECT_EQ(r.Next(100), 0);
    EXPECT_EQ(r.Seed(), 1u);
    // seed 1 -> 134775814; 134775814 * 1000 >> 32 = 31
    EXPECT_EQ(r.Next(1000), 31);
    Random s(5);
    double d = s.NextReal();
    EXPECT_DOUBLE_EQ(d, (5u * 134775813u + 1u) / 4294967296.0);
    Random a(77), b(77);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(a.Next(37), b.Next(37));
}

TEST(RandomGenerator, WeightedIndexFollowsWeights) {
    Random r(1234);
    EXPECT_EQ(RandomWeightedIndex({}, r), -1);
    EXPECT_EQ(RandomWeightedIndex({0, 0}, r), -1);
    EXPECT_EQ(RandomWeightedIndex({0, 5, 0}, r), 1);
    int counts[3] = {};
    for (int i = 0; i < 4000; ++i)
        ++counts[RandomWeightedIndex({1, 0, 3}, r)];
    EXPECT_EQ(counts[1], 0);
    EXPECT_GT(counts[2], 2 * counts[0]);
    // The draw is Random(S) + 1 against the running sums: a draw of 0 picks the first weight.
    Random zero(0);
    EXPECT_EQ(RandomWeightedIndex({1, 1000}, zero), 0);
}

TEST(TextRotation, RoundTripsAndWrapsAtTheEnds) {
    EXPECT_EQ(EncodeText("abc"), "\x94\x95\x96");
    EXPECT_EQ(EncodeText(std::string(1, char(204))), std::string(1, char(255)));
    EXPECT_EQ(EncodeText(std::string(1, char(205))), std::string(1, char(32)));
    EXPECT_EQ(EncodeText("\r\n"), "\r\n");
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(DecodeText(EncodeText(all)), all);
}

TEST(TextHelpers, LinesSplitAtAnyLineBreak) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(PointInRect({1, 1, 3, 3}, 3, 3));
    EXPECT_FALSE(PointInRect({1, 1, 3, 3}, 4, 3));
}

} // namespace
