#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "orvtool_runner.h"

namespace orv {
namespace {

using testing::RunOrvtool;
using testing::TempFolder;

std::string Records(int first, int last, const char* scale = "1") {
    std::string text;
    for (int i = first; i <= last; ++i) {
        text += std::to_string(i) + "\tphrase " + std::to_string(i) + "\t0\t" + scale + "\t.Q\r\n";
    }
    return text;
}

TEST(OrvtoolCheck, PassesAGoodDatabase) {
    TempFolder folder;
    const std::string db = folder.Write("orv0.dll", "3\t.Copyright x\r\n" + Records(1, 3));
    const auto result = RunOrvtool("check '" + db + "'");
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, db + ": 3 questions\n");
}

TEST(OrvtoolCheck, PassesBothShippedDatabasesWithoutWarnings) {
    for (const char* name : {"orv0.dll", "orv1.dll"}) {
        const std::string db = std::string(ORV_DATA_DIR) + "/" + name;
        const auto result = RunOrvtool("check '" + db + "'");
        EXPECT_EQ(result.exit_code, 0) << name;
        EXPECT_EQ(result.out, db + ": 150 questions\n");
    }
}

TEST(OrvtoolCheck, NamesTheLineAndMessageOfTheFirstFailure) {
    struct Case {
        std::string text;
        std::string where_and_message;
    };
    const Case cases[] = {
        {"", ":1: E02B: Invalid Database Contents."},
        {"3\t.copyright\r\n", ":1: E01: Invalid Database File"},
        {"x\t.Copyright\r\n", ":1: E01A: Invalid Database Contents."},
        {"3\t.Copyright\r\n" + Records(1, 1) + "\r\n", ":3: E02: Invalid Database Contents"},
        {"3\t.Copyright\r\n" + Records(1, 2) + "3\tx\t0\t12\t.Q\r\n",
         ":4: E03: Invalid Database Contents"},
        {"3\t.Copyright\r\n" + Records(1, 2), ":4: E03B: Invalid Database Contents."},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string db = folder.Write("orv0.dll", c.text);
        const auto result = RunOrvtool("check '" + db + "'");
        EXPECT_EQ(result.exit_code, 1) << c.where_and_message;
        EXPECT_EQ(result.out, db + c.where_and_message + "\n");
    }
}

TEST(OrvtoolCheck, WarnsAboutWhatAuthorsShouldFix) {
    TempFolder folder;
    const std::string db = folder.Write(
        "orv0.dll",
        "4\t.Copyright\r\n"
        "1\t\t0\t1\t.Q\r\n"     // empty phrase
        "3\tb\t5,3\t0\t.Q\r\n"  // number skips 2; related outside 1..4 and to itself; scale 0
        "4\tc\t1\t2\t.Q\r\n");
    const auto result = RunOrvtool("check '" + db + "'");
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, db + ":1: warning: header total 4 differs from the 3 questions read\n" +
                              db + ":2: warning: empty trait phrase\n" + db +
                              ":3: warning: question number 3 follows 1\n" + db +
                              ":3: warning: scale 0 is never reported\n" + db +
                              ":3: warning: related question 5 outside 1..4\n" + db +
                              ":3: warning: question 3 relates to itself\n" + db +
                              ": 3 questions\n");
}

TEST(OrvtoolCheck, WarnsOnceAboutMoreThanSixtyQuestionsOnAScale) {
    TempFolder folder;
    const std::string db = folder.Write("orv0.dll", "62\t.Copyright\r\n" + Records(1, 62, "7-"));
    const auto result = RunOrvtool("check '" + db + "'");
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              db + ":62: warning: more than 60 questions on scale 7\n" + db + ": 62 questions\n");
}

TEST(OrvtoolCheck, StopsAtTheRecordThatEndsTheTest) {
    TempFolder folder;
    const std::string db =
        folder.Write("orv0.dll", "2\t.Copyright\r\n" + Records(1, 2) + "garbage after the end\r\n");
    const auto result = RunOrvtool("check '" + db + "'");
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, db + ": 2 questions\n");
}

TEST(OrvtoolCheck, ReportsAMissingFileAndBadArguments) {
    const auto missing = RunOrvtool("check /nonexistent/orv9.dll");
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_EQ(missing.out, "/nonexistent/orv9.dll: File not found.\n");

    EXPECT_EQ(RunOrvtool("").exit_code, 2);
    EXPECT_EQ(RunOrvtool("check").exit_code, 2);
    EXPECT_EQ(RunOrvtool("check a b").exit_code, 2);
    EXPECT_EQ(RunOrvtool("frobnicate x").exit_code, 2);
}

}  // namespace
}  // namespace orv
