#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "persistence/core/file_names.h"
#include "persistence/core/saved_files.h"
#include "persistence_support.h"

namespace orv {
namespace {

using testing::TempFolder;

// --- The name check of the save chooser.

TEST(SaveNameCheck, LettersDigitsAndLaterFullStopsPass) {
    for (const char* name : {"results", "RESULTS", "r.e.s", "Results.0", "abc.def.ghi", "7up", "a",
                             "Z9", "x..", "AbCxYz0123456789"}) {
        EXPECT_TRUE(CheckSaveName(name).passed) << name;
    }
}

TEST(SaveNameCheck, EverythingElseFails) {
    for (const char* name : {".results", "my results", "-x", "r\xe9sum\xe9", "r?sum?", "a/b", "..",
                             "a_b", "a-b", " a", "a ", "\xc9T\xc9", "[x", "x@", "a\tb"}) {
        EXPECT_FALSE(CheckSaveName(name).passed) << name;
    }
}

TEST(SaveNameCheck, EmptyNameIsNotChecked) {
    const NameCheck check = CheckSaveName("");
    EXPECT_TRUE(check.passed);
    EXPECT_EQ(check.cpos, 0);
    EXPECT_EQ(check.cchar, 0);
}

TEST(SaveNameCheck, StopsAtTheFirstRefusedCharacterInUpperCase) {
    NameCheck check = CheckSaveName("my results");
    EXPECT_FALSE(check.passed);
    EXPECT_EQ(check.cpos, 3);
    EXPECT_EQ(check.cchar, ' ');

    check = CheckSaveName(".results");
    EXPECT_EQ(check.cpos, 1);
    EXPECT_EQ(check.cchar, '.');

    check = CheckSaveName("r.e.s");
    EXPECT_TRUE(check.passed);
    EXPECT_EQ(check.cpos, 5);
    EXPECT_EQ(check.cchar, 'S');
}

TEST(SaveNameCheck, EveryListedNameCanBePickedAgain) {
    EXPECT_TRUE(CheckSaveName(SavedFileName("Results", 0)).passed);
    EXPECT_TRUE(CheckSaveName(SavedFileName("Results", 1)).passed);
}

// --- The name a save writes.

TEST(SavedFileNameRule, CutsAtTheFirstFullStopAndAppendsTheTestNumber) {
    EXPECT_EQ(SavedFileName("abc.def.ghi", 0), "abc.0");
    EXPECT_EQ(SavedFileName("abc", 0), "abc.0");
    EXPECT_EQ(SavedFileName("abc.0", 0), "abc.0");
    EXPECT_EQ(SavedFileName("Results", 1), "Results.1");
    EXPECT_EQ(SavedFileName("Results.txt", 1), "Results.1");
    EXPECT_EQ(SavedFileName("Results.old.0", 1), "Results.1");
    EXPECT_EQ(SavedFileName("Mary", 1), "Mary.1");
    EXPECT_EQ(SavedFileName("abc.", 0), "abc.0");
}

// --- The saved files of one test in one folder.

TEST(SavedFileNames, MatchOnlyTheirOwnTest) {
    EXPECT_TRUE(IsSavedFileName("abc.0", 0));
    EXPECT_FALSE(IsSavedFileName("abc.0", 1));
    EXPECT_TRUE(IsSavedFileName("abc.1", 1));
    EXPECT_FALSE(IsSavedFileName("abc.10", 1));
    EXPECT_FALSE(IsSavedFileName("abc.01", 1));
    EXPECT_FALSE(IsSavedFileName("abc0", 0));
    EXPECT_FALSE(IsSavedFileName(".0", 0));
    EXPECT_FALSE(IsSavedFileName(".hidden.0", 0));
    EXPECT_FALSE(IsSavedFileName("", 0));
}

TEST(SavedFileNames, ListsPlainVisibleFilesOfTheTestSorted) {
    TempFolder folder;
    for (const char* name : {"zed.0", "Mary.0", "abc.0", "abc.1", "orv0.dll", ".hid.0", "x.00"}) {
        folder.Write(name, "1\r\n");
    }
    std::filesystem::create_directory(folder.file("dir.0"));
    EXPECT_EQ(ListSavedFiles(folder.path(), 0),
              (std::vector<std::string>{"Mary.0", "abc.0", "zed.0"}));
    EXPECT_EQ(ListSavedFiles(folder.path(), 1), std::vector<std::string>{"abc.1"});
    EXPECT_TRUE(AnySavedFile(folder.path(), 1));
}

TEST(SavedFileNames, NoFilesOrNoFolderListNothing) {
    TempFolder folder;
    folder.Write("abc.1", "");
    std::filesystem::create_directory(folder.file("only.0"));
    EXPECT_FALSE(AnySavedFile(folder.path(), 0));
    EXPECT_TRUE(ListSavedFiles(folder.file("missing"), 1).empty());
}

}  // namespace
}  // namespace orv
