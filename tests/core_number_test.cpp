#include <gtest/gtest.h>

#include "testing/core/number.h"

namespace orv {

// The sign may follow the digits; blanks around are ignored; nothing else is a number.
TEST(ToInt16, ReadsOnlyA16BitNumber) {
    const std::pair<const char*, int> cases[] = {
        {"0", 0},         {"+7", 7},          {"007", 7},        {"-3", -3},    {"3-", -3},
        {"10-", -10},     {" 4 - ", -4},      {"5+", 5},         {"- 12", -12}, {"   250", 250},
        {"32767", 32767}, {"-32768", -32768}, {"32768-", -32768}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ToInt16(text), value) << '"' << text << '"';
    for (const char* text : {"", " ", "-", "x", "3x", "1,2", "1.5", "1 2", "-3-", "--3", "3--",
                             "\t3", "0x10", "1e3", "32768", "-32769", "99999999999999999999"}) {
        EXPECT_EQ(ToInt16(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace orv
