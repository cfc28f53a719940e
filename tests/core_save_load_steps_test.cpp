#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

#include "fake_test_view.h"
#include "persistence/core/save_load_steps.h"
#include "persistence_support.h"
#include "testing/core/test_steps.h"

namespace orv {
namespace {

using namespace orv::testing;

// Test 1 with `answers` questions answered as in "Mary.1".
struct Session {
    TempFolder folder;
    std::unique_ptr<TestRecord> record = std::make_unique<TestRecord>();
    FakeTestView view;
    LineReader database;

    explicit Session(int answers = 0) {
        folder.Write("orv.dll", kFourQuestions);
        StartTest(database, *record, view, folder.file("orv.dll"));
        for (int i = 0; i < answers; ++i) {
            ChooseAnswer(*record, i == 0 ? 0 : 2);
            ProcessAnswer(database, *record, view);
        }
    }
    // The question on screen, the messages and which of Load and Save are enabled.
    std::string Shown() const {
        std::string text = view.status[2] + ": " + view.question + " |";
        for (const std::string& message : view.messages) {
            text += " " + message + " |";
        }
        return text + (view.load_enabled ? " Load" : " -") + (view.save_enabled ? " Save" : " -");
    }
};

// "Mary.1.old" is cut at its first full stop and replaces the older "Mary.1";
// a folder named "Keep.1" stands in the way. A failed save changes nothing,
// so that Save can be tried again and closing the window still offers to save.
TEST(SaveLoad, SaveWritesTheProgressAs261LinesOrSaysWhyNot) {
    const std::string no_name = "No file was selected OR invalid file name was input. |";
    const std::tuple<const char*, std::string, int> cases[] = {
        {"Mary.1.old", " - -", 3},
        {"", " " + no_name + " - Save", 0},
        {"my results", " " + no_name + " - Save", 0},
        {"Keep", " File could not be saved. | - Save", 0}};
    EXPECT_EQ(MaryFileBytes().size(), 784u);
    for (const auto& [chosen, shown, savedq] : cases) {
        Session s(2);
        s.folder.Write("Mary.1", "older\r\n");
        std::filesystem::create_directory(s.folder.file("Keep.1"));
        s.record->loadfn = chosen;
        SaveChosenFile(*s.record, s.view, s.folder.path, 1);
        EXPECT_EQ(s.Shown(), "Question No. 3: People count on me. |" + shown);
        EXPECT_EQ(s.record->savedq, savedq);
        EXPECT_EQ(ReadBytes(s.folder.file("Mary.1")), savedq ? MaryFileBytes() : "older\r\n");
        EXPECT_EQ(s.folder.Count(), 3);
    }
    // A missing folder is made by the first save with a name, not before.
    Session s(2);
    const std::string data = s.folder.file("share/app");
    SaveChosenFile(*s.record, s.view, data, 1);
    EXPECT_FALSE(std::filesystem::exists(s.folder.file("share")));
    s.record->loadfn = "Mary";
    SaveChosenFile(*s.record, s.view, data, 1);
    EXPECT_EQ(ReadBytes(data + "/Mary.1"), MaryFileBytes());
}

// At question 1, "Mary.1" reads questions 2 and 3. Only a whole saved file in
// the folder is read; a refused file changes nothing. A question never
// reached ends the test.
TEST(SaveLoad, LoadResumesTheTestOrSaysWhyNot) {
    const std::string first = "Question No. 1: I am always on time. |";
    const std::string refused = first + " File could not be opened. | - -";
    const std::tuple<const char*, std::string, int> cases[] = {
        {"Mary.1", "Question No. 3: People count on me. | - -", 3},
        {"", first + " No file was selected. | Load -", 42},
        {"short.1", refused, 42},
        {"sub/Mary.1", refused, 42},
        {"early.1",
         "Question No. 4: My desk is in order. | E03B: Invalid Database Contents. | End of file "
         "during Load | - -",
         1}};
    for (const auto& [chosen, shown, savedq] : cases) {
        Session s;
        std::vector<std::string> lines = MaryLines();
        lines[250] = lines[260] = "1";  // the last question and the last scale
        std::string bytes = CrLfLines(lines);
        s.folder.Write("Mary.1", bytes);
        s.folder.Write("short.1", bytes.substr(0, bytes.size() - 3));
        std::filesystem::create_directory(s.folder.file("sub"));
        s.folder.Write("sub/Mary.1", bytes);
        s.folder.Write("early.1", bytes.replace(0, 1, "1"));
        s.record->savedq = 42;
        s.record->loadfn = chosen;
        const LoadOutcome outcome = LoadChosenFile(s.database, *s.record, s.view, s.folder.path, 1);
        EXPECT_EQ(s.Shown(), shown);
        EXPECT_EQ(s.record->savedq, savedq);
        const auto& r = *s.record;
        EXPECT_EQ(std::tie(r.ans[1], r.ans[250], r.scount[3], r.scount[10]),
                  savedq == 42 ? std::tuple(0, 0, 0, 0) : std::tuple(-2, 1, 1, 1))
            << chosen;
        EXPECT_EQ(outcome == LoadOutcome::kEndOfFile, std::string(chosen) == "early.1");
    }
}

}  // namespace
}  // namespace orv
