#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <tuple>

#include "persistence/core/durable_file.h"
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

// What a folder holds, sorted: each name (up to 12 characters) with its link
// target, "/" for a folder, or its permission bits and bytes ("new" for `fresh`).
std::string Listing(const std::string& folder, const std::string& fresh) {
    namespace fs = std::filesystem;
    std::set<std::string> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string().substr(0, 12);
        if (entry.is_symlink()) {
            entries.insert(name + " -> " + fs::read_symlink(entry).string());
        } else if (entry.is_directory()) {
            entries.insert(name + "/");
        } else {
            const std::string bytes = ReadBytes(entry.path().string());
            char mode[8];
            std::snprintf(mode, sizeof mode, " %03o ", unsigned(entry.status().permissions()));
            entries.insert(name + mode + (bytes == fresh ? "new" : bytes));
        }
    }
    std::string joined;
    for (const std::string& entry : entries) joined += entry + "|";
    return joined;
}

// Each case prepares the folder of "Mary.1", saves, and compares what the
// folder holds afterwards; a file outside it must never change. Mode 0444
// is read-only for the superuser too; 0464 only for any other owner (ctest
// runs this as an unprivileged user too).
TEST(SavedFiles, ASaveReplacesOnlyAPlainWritableFileAndWritesNothingElse) {
    namespace fs = std::filesystem;
    TempFolder outside;
    outside.Write("victim", "outside");
    const std::string victim = outside.file("victim");
    const std::string fresh = FormatSavedResponses(SavedResponses{});
    const bool root = geteuid() == 0;
    const mode_t old_umask = umask(022);
    rlimit no_limit{};
    getrlimit(RLIMIT_FSIZE, &no_limit);
    const auto old_file = [](mode_t mode) {
        return [mode](const TempFolder& f) {
            f.Write("Mary.1", "old");
            chmod(f.file("Mary.1").c_str(), mode);
        };
    };
    // What, the name saved under, the folder before, whether written, the folder after.
    const std::tuple<const char*, std::string, std::function<void(const TempFolder&)>, bool,
                     std::string>
        cases[] = {
            {"keeps the mode", "Mary.1", old_file(0640), true, "Mary.1 640 new|"},
            {"new file", "Mary.1", [](const TempFolder&) {}, true, "Mary.1 644 new|"},
            {"planted link", "Mary.1",
             [&](const TempFolder& f) {
                 old_file(0644)(f);
                 fs::create_symlink(victim, f.file(".Mary.1.saving"));
             },
             true, ".Mary.1.savi -> " + victim + "|Mary.1 644 new|"},
            {"read-only", "Mary.1", old_file(0444), false, "Mary.1 444 old|"},
            {"not its owner's to write", "Mary.1", old_file(0464), root,
             std::string("Mary.1 464 ") + (root ? "new|" : "old|")},
            {"link as target", "Mary.1",
             [&](const TempFolder& f) { fs::create_symlink(victim, f.file("Mary.1")); }, false,
             "Mary.1 -> " + victim + "|"},
            {"folder in the way", "Mary.1",
             [](const TempFolder& f) { fs::create_directory(f.file("Mary.1")); }, false,
             "Mary.1/|"},
            {"size limit", "Mary.1",
             [&](const TempFolder& f) {
                 old_file(0644)(f);
                 const rlimit small{100, no_limit.rlim_max};
                 setrlimit(RLIMIT_FSIZE, &small);
             },
             false, "Mary.1 644 old|"},
            {"longest name", std::string(253, 'n') + ".1", [](const TempFolder&) {}, true,
             "nnnnnnnnnnnn 644 new|"},
        };
    for (const auto& [what, name, prepare, written, after] : cases) {
        TempFolder folder;
        prepare(folder);
        EXPECT_EQ(WriteSavedResponses(folder.file(name), SavedResponses{}), written) << what;
        setrlimit(RLIMIT_FSIZE, &no_limit);
        EXPECT_EQ(Listing(folder.path, fresh), after) << what;
        EXPECT_EQ(ReadBytes(victim), "outside") << what;
    }
    umask(old_umask);
}

// The bytes process `pid` has written so far; -1 once it has ended.
long long BytesWritten(pid_t pid) {
    std::ifstream io("/proc/" + std::to_string(pid) + "/io");
    std::string key;
    long long value = -1;
    while (io >> key >> value && key != "wchar:") {
    }
    return key == "wchar:" ? value : -1;
}

// A write stopped halfway, then killed, as by a crash or a power cut, in
// either way of writing: the folder never shows the new file but for a
// hidden name the next start clears, while a copy still writing keeps it.
TEST(SavedFiles, AWriteKilledHalfwayLeavesNothingAfterTheNextStart) {
    const std::string bytes(128 << 20, 'x');
    const std::pair<const char*, std::function<void(const TempFolder&)>> writes[] = {
        {"replace (a saved test, a PDF)",
         [&](const TempFolder& f) { ReplaceFile(f.file("Mary.1"), bytes); }},
        {"new file (a kept result)",
         [&](const TempFolder& f) { CreateNewFile(f.file("new.result"), bytes, 0600); }},
    };
    const auto names = [](const TempFolder& f) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(f.path)) {
            const std::string name = entry.path().filename().string();
            names.insert(name.starts_with(".saving-") ? ".saving-" : name);
        }
        std::string joined;
        for (const std::string& name : names) joined += name + "|";
        return joined + ReadBytes(f.file("Mary.1"));
    };
    for (const bool unnamed : {true, false}) {
        for (const auto& [what, write] : writes) {
            SCOPED_TRACE(std::string(what) + (unnamed ? ", unnamed" : ", hidden name"));
            TempFolder folder;
            folder.Write("Mary.1", "old");
            AllowUnnamedTemporaries(unnamed);
            const pid_t writer = fork();
            if (writer == 0) {
                write(folder);
                _exit(0);
            }
            while (BytesWritten(writer) >= 0 && BytesWritten(writer) < (16 << 20)) {
            }
            kill(writer, SIGSTOP);
            const std::string hidden = unnamed ? "" : ".saving-|";
            EXPECT_EQ(names(folder), hidden + "Mary.1|old");
            EXPECT_EQ(RemoveStaleTemporaries(folder.path), 0);  // another copy starts
            kill(writer, SIGKILL);
            waitpid(writer, nullptr, 0);
            EXPECT_EQ(names(folder), hidden + "Mary.1|old");
            EXPECT_EQ(RemoveStaleTemporaries(folder.path), unnamed ? 0 : 1);  // the next start
            EXPECT_EQ(names(folder), "Mary.1|old");
        }
    }
    AllowUnnamedTemporaries(UnnamedTemporariesByDefault());
}

}  // namespace
}  // namespace orv
