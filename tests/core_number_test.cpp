#include <gtest/gtest.h>

#include "testing/core/number.h"

namespace orv {
namespace {

TEST(ToInt16, ReadsPlainAndSignedNumbers) {
    EXPECT_EQ(ToInt16("0"), 0);
    EXPECT_EQ(ToInt16("40"), 40);
    EXPECT_EQ(ToInt16("-3"), -3);
    EXPECT_EQ(ToInt16("+7"), 7);
    EXPECT_EQ(ToInt16("007"), 7);
}

TEST(ToInt16, TakesTheSignAfterTheDigits) {
    EXPECT_EQ(ToInt16("3-"), -3);
    EXPECT_EQ(ToInt16("10-"), -10);
    EXPECT_EQ(ToInt16(" 4 - "), -4);
    EXPECT_EQ(ToInt16("5+"), 5);
}

TEST(ToInt16, IgnoresBlanksAround) {
    EXPECT_EQ(ToInt16(" 4 "), 4);
    EXPECT_EQ(ToInt16("   250"), 250);
    EXPECT_EQ(ToInt16("- 12"), -12);
}

TEST(ToInt16, HoldsTheWhole16BitRange) {
    EXPECT_EQ(ToInt16("32767"), 32767);
    EXPECT_EQ(ToInt16("-32768"), -32768);
    EXPECT_EQ(ToInt16("32768-"), -32768);
    EXPECT_EQ(ToInt16("32768"), std::nullopt);
    EXPECT_EQ(ToInt16("-32769"), std::nullopt);
    EXPECT_EQ(ToInt16("99999999999999999999"), std::nullopt);
}

TEST(ToInt16, RefusesWhatIsNotANumber) {
    for (const char* text : {"", " ", "-", "x", "3x", "1,2", "1.5", "1 2", "-3-", "--3", "3--",
                             "\t3", "0x10", "1e3"}) {
        EXPECT_EQ(ToInt16(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace orv
