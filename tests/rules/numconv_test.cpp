// Typed numbers: what counts as a number, how fractions round, the ranges,
// and that no input, however hostile, does harm.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "game/numconv.h"

using game::toInt16;
using game::toInt32;
using game::toWhole;

TEST(NumberText, acceptsDigitsWithBlanksAroundAndAnOptionalSign) {
    EXPECT_EQ(toInt32("1000"), 1000);
    EXPECT_EQ(toInt32("  42 "), 42);
    EXPECT_EQ(toInt32("\t7\t"), 7);
    EXPECT_EQ(toInt32("+15"), 15);
    EXPECT_EQ(toInt32("-15"), -15);
    EXPECT_EQ(toInt32(" -0 "), 0);
    EXPECT_EQ(toInt32("000123"), 123);
}

TEST(NumberText, roundsFractionsToTheNearestWholeAndHalvesToEven) {
    EXPECT_EQ(toInt32("2.5"), 2);
    EXPECT_EQ(toInt32("3.5"), 4);
    EXPECT_EQ(toInt32("0.5"), 0);
    EXPECT_EQ(toInt32("1,5"), 2);
    EXPECT_EQ(toInt32("-2.5"), -2);
    EXPECT_EQ(toInt32("-3.5"), -4);
    EXPECT_EQ(toInt32("2.50000001"), 3);
    EXPECT_EQ(toInt32("2.4999999999999999999"), 2);
    EXPECT_EQ(toInt32("7.6"), 8);
    EXPECT_EQ(toInt32(".5"), 0);
    EXPECT_EQ(toInt32(".51"), 1);
    EXPECT_EQ(toInt32("5."), 5);
}

TEST(NumberText, refusesWhatIsNoNumber) {
    for (const char* bad : {"", " ", "-", "+", ".", ",", "abc", "12a", "a12", "1 000", "1..2", "1.2.3", "1,2,3",
                            "1e3", "1E3", "0x10", "&H10", "--1", "+-1", "- 1", "1-", "١٢", "1\n", "\n1", "∞",
                            "nan", "inf", "1 .5", "12 34"})
        EXPECT_FALSE(toWhole(bad).has_value()) << '"' << bad << '"';
    EXPECT_FALSE(toWhole(std::string("1\0" "2", 3)).has_value());
}

TEST(NumberText, keepsToTheRangeOfItsTarget) {
    EXPECT_EQ(toInt32("2147483647"), 2147483647);
    EXPECT_EQ(toInt32("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(toInt32("2147483648"));
    EXPECT_FALSE(toInt32("-2147483649"));
    // Rounding up can carry a number out of range.
    EXPECT_EQ(toInt32("2147483646.5"), 2147483646);
    EXPECT_FALSE(toInt32("2147483647.5"));
    EXPECT_EQ(toInt16("32767"), 32767);
    EXPECT_EQ(toInt16("-32768"), -32768);
    EXPECT_FALSE(toInt16("32768"));
    EXPECT_FALSE(toInt16("32767.6"));
    EXPECT_FALSE(toInt32("99999999999999999999999999999999"));
    EXPECT_FALSE(toInt32(std::string(game::kMaxNumberText + 1, '1')));
    EXPECT_EQ(toInt32(std::string(150, '0') + "5"), 5);
}

TEST(NumberText, survivesThousandsOfRandomAndHostileTexts) {
    std::mt19937 gen(20240601);
    static const char kChars[] = "0123456789 .,+-eExX\t\n\0abЁё&H%$";
    const std::string alphabet(kChars, sizeof kChars - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string s;
        const int len = static_cast<int>(gen() % (round % 10 == 0 ? 400 : 24));
        for (int i = 0; i < len; ++i) {
            if (gen() % 7 == 0) s.push_back(static_cast<char>(gen() % 256));
            else s.push_back(alphabet[gen() % alphabet.size()]);
        }
        const auto whole = toWhole(s);
        const auto v32 = toInt32(s);
        const auto v16 = toInt16(s);
        // The narrower results agree with the wider one.
        if (v32) {
            EXPECT_EQ(whole, static_cast<std::int64_t>(*v32));
        }
        if (v16) {
            EXPECT_EQ(v32, static_cast<std::int32_t>(*v16));
        }
        // Every accepted text is made only of the characters of a number.
        if (whole) {
            for (char c : s) ASSERT_NE(std::string(" \t+-.,0123456789").find(c), std::string::npos) << s;
        }
    }
    // Well-formed numbers of every size read back as their value.
    for (int round = 0; round < 5000; ++round) {
        const std::int64_t v = static_cast<std::int32_t>(gen());
        EXPECT_EQ(toInt32(std::to_string(v)), v);
        EXPECT_EQ(toInt32(" " + std::to_string(v) + ".0 "), v);
    }
}
