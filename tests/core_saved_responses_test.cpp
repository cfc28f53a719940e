#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "persistence/core/file_names.h"
#include "persistence/core/saved_files.h"
#include "persistence/core/saved_responses.h"
#include "persistence_support.h"

namespace orv {
namespace {

using namespace orv::testing;

// Each name with the position at which the check refuses it, 0 when it
// passes. Listed names ("Results.0") pass, so that they can be replaced.
TEST(SavedFiles, SaveNameCheckStopsAtTheFirstRefusedCharacter) {
    const std::pair<const char*, int> cases[] = {
        {"results", 0}, {"RESULTS", 0},      {"r.e.s", 0},      {"Results.0", 0},
        {"", 0},        {".results", 1},     {"my results", 3}, {"-x", 1},
        {"a/b", 2},     {"r\xe9sum\xe9", 2}, {"a_b", 2},        {"x@", 2}};
    for (const auto& [name, refused_at] : cases) {
        const NameCheck check = CheckSaveName(name);
        EXPECT_EQ(check.passed ? 0 : check.cpos, refused_at) << name;
    }
    EXPECT_EQ(CheckSaveName("r.e.s").cchar, 'S');
}

TEST(SavedFiles, ListsThePlainVisibleFilesOfOneTestSorted) {
    TempFolder folder;
    for (const char* name : {"zed.0", "Mary.0", "abc.0", "abc.1", "orv0.dll", ".hid.0", "x.00"}) {
        folder.Write(name, "1\r\n");
    }
    std::filesystem::create_directory(folder.file("dir.0"));
    EXPECT_EQ(ListSavedFiles(folder.path, 0),
              (std::vector<std::string>{"Mary.0", "abc.0", "zed.0"}));
    EXPECT_EQ(ListSavedFiles(folder.path, 1), std::vector<std::string>{"abc.1"});
}

// The bytes a file reads back as, written again; "refused" when refused.
std::string Reread(const std::string& bytes) {
    const auto read = ParseSavedResponses(bytes);
    return read ? FormatSavedResponses(*read) : "refused";
}

TEST(SavedFiles, TheExtremesATestCanReachRoundTrip) {
    SavedResponses r;
    r.qno = kMaxQuestions;
    r.ans.fill(kMinSavedAnswer);
    r.ans[kMaxQuestions] = kMaxSavedAnswer;
    r.scount.fill(kMaxQuestions);
    EXPECT_EQ(Reread(FormatSavedResponses(r)), FormatSavedResponses(r));
}

TEST(SavedFiles, NeedAll261ValuesButNotTheLastLineEndAndIgnoreMore) {
    const std::string bytes = MaryFileBytes();
    EXPECT_EQ(Reread(bytes.substr(0, bytes.size() - 2)), bytes);
    EXPECT_EQ(Reread(bytes + "junk\r\n-99999\r\n"), bytes);
    EXPECT_EQ(Reread(bytes.substr(0, bytes.size() - 3)), "refused");  // 260 values
}

// Each case puts a value on one line (1-based) of "Mary.1".
TEST(SavedFiles, LoadOnlyPlainDecimalValuesATestCanProduce) {
    const std::tuple<int, const char*, bool> cases[] = {
        {1, "1", true},      {1, "250", true},   {1, "0", false},     {1, "251", false},
        {1, "65539", false}, {2, "-3000", true}, {2, "-3001", false}, {251, "2", true},
        {251, "3", false},   {252, "-1", false}, {261, "250", true},  {261, "251", false},
        {2, "002", true},    {2, "-0", true},    {1, " 3", false},    {1, "+3", false},
        {1, "3-", false},    {3, "1 ", false},   {130, "x", false},   {261, "", false},
        {2, "1.0", false},   {2, "-", false},    {2, "0x1", false},   {2, "1\n", false}};
    for (const auto& [line, value, loads] : cases) {
        std::vector<std::string> lines = MaryLines();
        lines[line - 1] = value;
        EXPECT_EQ(Reread(CrLfLines(lines)) != "refused", loads) << "'" << value << "' on " << line;
    }
}

// Root ignores permission bits, so the write is made to fail by a limit on
// the size of files, as on a full disk.
TEST(SavedFiles, AFailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    TempFolder folder;
    folder.Write("Mary.1", "old content\r\n");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{100, saved.rlim_max};
    const auto old_handler = signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed test
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteSavedResponses(folder.file("Mary.1"), SavedResponses{});
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(folder.file("Mary.1")), "old content\r\n");
    EXPECT_EQ(folder.Count(), 1);
}

}  // namespace
}  // namespace orv
