#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "persistence/core/saved_number.h"
#include "persistence/core/saved_responses.h"
#include "persistence_support.h"

namespace orv {
namespace {

using testing::CrLfLines;
using testing::MaryFileBytes;
using testing::ReadBytes;
using testing::TempFolder;

SavedResponses Mary() {
    SavedResponses r;
    r.qno = 3;
    r.ans[1] = -2;
    r.ans[2] = 2;
    r.scount[3] = 1;
    r.scount[7] = 1;
    return r;
}

// 261 lines: `qno`, then 250 answers, then 10 counts, all set to `fill`
// unless given.
std::vector<std::string> Lines(const std::string& qno = "1", const std::string& fill = "0") {
    std::vector<std::string> lines = {qno};
    lines.insert(lines.end(), kMaxQuestions + kScales, fill);
    return lines;
}

void ExpectSame(const SavedResponses& a, const SavedResponses& b) {
    EXPECT_EQ(a.qno, b.qno);
    for (int slot = 1; slot <= kMaxQuestions; ++slot) {
        EXPECT_EQ(a.ans[slot], b.ans[slot]) << "slot " << slot;
    }
    for (int scale = 1; scale <= kScales; ++scale) {
        EXPECT_EQ(a.scount[scale], b.scount[scale]) << "scale " << scale;
    }
}

// --- The layout.

TEST(SavedResponsesFormat, WorkedExampleMaryIs784BytesExactly) {
    const std::string bytes = FormatSavedResponses(Mary());
    EXPECT_EQ(bytes.size(), 784u);
    EXPECT_EQ(bytes, MaryFileBytes());
}

TEST(SavedResponsesFormat, ShortestDecimalAndNoSlotZero) {
    SavedResponses r;
    r.qno = 250;
    r.ans[0] = 77;  // never written
    r.ans[1] = -3000;
    r.ans[250] = 2;
    r.scount[0] = 55;  // never written
    r.scount[10] = 250;
    const std::string bytes = FormatSavedResponses(r);
    std::vector<std::string> lines = Lines("250");
    lines[1] = "-3000";
    lines[250] = "2";
    lines[260] = "250";
    EXPECT_EQ(bytes, CrLfLines(lines));
}

TEST(SavedResponsesFormat, RoundTripsThroughTheParser) {
    SavedResponses r = Mary();
    for (int slot = 1; slot <= kMaxQuestions; ++slot) {
        r.ans[slot] = static_cast<std::int16_t>(slot % 2 == 0 ? 2 - slot : -slot * 11);
    }
    for (int scale = 1; scale <= kScales; ++scale) {
        r.scount[scale] = static_cast<std::int16_t>(scale * 25);
    }
    const auto parsed = ParseSavedResponses(FormatSavedResponses(r));
    ASSERT_TRUE(parsed.has_value());
    ExpectSame(*parsed, r);
}

// --- One value: a plain decimal integer and nothing else.

TEST(SavedValue, ReadsPlainDecimalIntegersOfSixteenBits) {
    EXPECT_EQ(ToSavedValue("0"), std::int16_t{0});
    EXPECT_EQ(ToSavedValue("3"), std::int16_t{3});
    EXPECT_EQ(ToSavedValue("-2"), std::int16_t{-2});
    EXPECT_EQ(ToSavedValue("32767"), std::int16_t{32767});
    EXPECT_EQ(ToSavedValue("-32768"), std::int16_t{-32768});
}

TEST(SavedValue, AcceptsLeadingZerosAndMinusZero) {
    EXPECT_EQ(ToSavedValue("007"), std::int16_t{7});
    EXPECT_EQ(ToSavedValue("-0"), std::int16_t{0});
    EXPECT_EQ(ToSavedValue("-0032768"), std::int16_t{-32768});
    EXPECT_EQ(ToSavedValue("000"), std::int16_t{0});
}

TEST(SavedValue, RefusesAnythingButAMinusAndDigits) {
    for (const char* bad : {" 3", "3 ", "+3", "3-", "1.0", "", "-", "--3", "- 3", "\t3", "3\n",
                            "0x3", "3e1", "1,000", "three"}) {
        EXPECT_EQ(ToSavedValue(bad), std::nullopt) << "'" << bad << "'";
    }
}

TEST(SavedValue, RefusesValuesOutsideSixteenBits) {
    for (const char* big : {"32768", "-32769", "65536", "99999999999999999999", "-99999999999"}) {
        EXPECT_EQ(ToSavedValue(big), std::nullopt) << big;
    }
}

// --- Reading: a file either loads whole or not at all.

TEST(SavedResponsesParse, ReadsTheWorkedExample) {
    const auto parsed = ParseSavedResponses(MaryFileBytes());
    ASSERT_TRUE(parsed.has_value());
    ExpectSame(*parsed, Mary());
}

TEST(SavedResponsesParse, LastLineWithoutLineEndAndExtraLinesAreFine) {
    std::string bytes = MaryFileBytes();
    bytes.resize(bytes.size() - 2);
    auto parsed = ParseSavedResponses(bytes);
    ASSERT_TRUE(parsed.has_value());
    ExpectSame(*parsed, Mary());

    parsed = ParseSavedResponses(MaryFileBytes() + "junk\r\n12345678\r\n");
    ASSERT_TRUE(parsed.has_value());
    ExpectSame(*parsed, Mary());
}

TEST(SavedResponsesParse, RefusesTooFewValues) {
    EXPECT_FALSE(ParseSavedResponses("").has_value());
    EXPECT_FALSE(ParseSavedResponses("3\r\n").has_value());
    std::vector<std::string> lines = Lines();
    lines.pop_back();  // 260 values
    EXPECT_FALSE(ParseSavedResponses(CrLfLines(lines)).has_value());
}

TEST(SavedResponsesParse, RefusesLinesThatAreNotIntegers) {
    // From " 1" on, a reader that allowed blanks and signs would read 1, a
    // value every line may hold.
    for (const std::string bad :
         {"", "x", "1.5", "2a", "--1", "99999", " 1", "1 ", "+1", "1-", "1.0", "\t1", "1\n"}) {
        for (const int line : {0, 1, 250, 260}) {
            std::vector<std::string> lines = Lines();
            lines[line] = bad;
            EXPECT_FALSE(ParseSavedResponses(CrLfLines(lines)).has_value())
                << "'" << bad << "' on line " << line + 1;
        }
    }
}

TEST(SavedResponsesParse, RefusesValuesNoTestCanProduce) {
    struct Case {
        int line;  // 0-based
        const char* value;
        bool loads;
    };
    const Case cases[] = {
        {0, "0", false},   {0, "1", true},      {0, "250", true},   {0, "251", false},
        {0, "-1", false},  {1, "-3001", false}, {1, "-3000", true}, {250, "2", true},
        {250, "3", false}, {251, "-1", false},  {251, "250", true}, {260, "251", false},
        {260, "0", true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = Lines();
        lines[c.line] = c.value;
        EXPECT_EQ(ParseSavedResponses(CrLfLines(lines)).has_value(), c.loads)
            << c.value << " on line " << c.line + 1;
    }
}

TEST(SavedResponsesRead, MissingFileOrFolderGivesNothing) {
    TempFolder folder;
    EXPECT_FALSE(ReadSavedResponses(folder.file("none.0")).has_value());
    EXPECT_FALSE(ReadSavedResponses(folder.path()).has_value());
    folder.Write("Mary.1", MaryFileBytes());
    const auto parsed = ReadSavedResponses(folder.file("Mary.1"));
    ASSERT_TRUE(parsed.has_value());
    ExpectSame(*parsed, Mary());
}

// --- Writing: all of the new content, or the old file as it was.

TEST(SavedResponsesWrite, WritesANewFileAndLeavesNothingElse) {
    TempFolder folder;
    ASSERT_TRUE(WriteSavedResponses(folder.file("Mary.1"), Mary()));
    EXPECT_EQ(ReadBytes(folder.file("Mary.1")), MaryFileBytes());
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Mary.1"});
}

TEST(SavedResponsesWrite, ReplacesAnExistingFileWhole) {
    TempFolder folder;
    folder.Write("abc.0", std::string(5000, 'x'));
    ASSERT_TRUE(WriteSavedResponses(folder.file("abc.0"), Mary()));
    EXPECT_EQ(ReadBytes(folder.file("abc.0")), MaryFileBytes());
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"abc.0"});
}

TEST(SavedResponsesWrite, FailsInAFolderThatDoesNotExist) {
    TempFolder folder;
    EXPECT_FALSE(WriteSavedResponses(folder.file("gone/Mary.1"), Mary()));
    EXPECT_TRUE(folder.Names().empty());
}

TEST(SavedResponsesWrite, FailsOverAFolderOfTheSameNameAndCleansUp) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("Mary.1"));
    folder.Write("Mary.1/inside", "kept");
    EXPECT_FALSE(WriteSavedResponses(folder.file("Mary.1"), Mary()));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Mary.1"});
    EXPECT_EQ(ReadBytes(folder.file("Mary.1/inside")), "kept");
}

// Root ignores permission bits, so failures are made by process limits: no
// file may be created (open files limited to none), or a file may not grow
// past a few bytes. The limit is lifted again at the end of the scope.
class ProcessLimit {
  public:
    ProcessLimit(int resource, rlim_t soft) : resource_(resource) {
        getrlimit(resource_, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = soft;
        setrlimit(resource_, &limit);
        old_handler_ = signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
    }
    ~ProcessLimit() {
        setrlimit(resource_, &saved_);
        signal(SIGXFSZ, old_handler_);
    }

  private:
    int resource_;
    rlimit saved_{};
    sighandler_t old_handler_;
};

TEST(SavedResponsesWrite, WhenNoFileCanBeCreatedTheOldFileStaysByteForByte) {
    TempFolder folder;
    const std::string old = FormatSavedResponses(SavedResponses{});
    folder.Write("Mary.1", old);
    bool written = true;
    {
        ProcessLimit no_files(RLIMIT_NOFILE, 0);
        written = WriteSavedResponses(folder.file("Mary.1"), Mary());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(folder.file("Mary.1")), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Mary.1"});
}

TEST(SavedResponsesWrite, WhenAWriteFailsTheOldFileStaysAndNoPartialFileIsLeft) {
    TempFolder folder;
    const std::string old = "old content\r\n";
    folder.Write("Mary.1", old);
    bool written = true;
    {
        ProcessLimit small_files(RLIMIT_FSIZE, 100);
        written = WriteSavedResponses(folder.file("Mary.1"), Mary());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(folder.file("Mary.1")), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Mary.1"});
}

// A folder marked immutable refuses new files even to root. Not every file
// system has the mark; where it is missing the case is skipped.
TEST(SavedResponsesWrite, InAnImmutableFolderTheOldFileStaysByteForByte) {
    TempFolder folder;
    const std::string old = FormatSavedResponses(Mary());
    folder.Write("Mary.1", old);
    const int fd = open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
        close(fd);
        GTEST_SKIP() << "no file attributes on this file system";
    }
    const int immutable = flags | FS_IMMUTABLE_FL;
    if (ioctl(fd, FS_IOC_SETFLAGS, &immutable) != 0) {
        close(fd);
        GTEST_SKIP() << "cannot mark a folder immutable here";
    }
    SavedResponses other;
    other.qno = 9;
    const bool written = WriteSavedResponses(folder.file("Mary.1"), other);
    ioctl(fd, FS_IOC_SETFLAGS, &flags);
    close(fd);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(folder.file("Mary.1")), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Mary.1"});
}

}  // namespace
}  // namespace orv
