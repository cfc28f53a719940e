#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fake_test_view.h"
#include "persistence/core/save_load_steps.h"
#include "persistence_support.h"
#include "testing/core/record_reader.h"
#include "testing/core/test_steps.h"

namespace orv {
namespace {

using testing::CrLfLines;
using testing::FakeTestView;
using testing::MaryFileBytes;
using testing::ReadBytes;
using testing::TempFolder;

// Question 1 on scale 3; question 2 on scale 7, related to question 1;
// questions 3 and 4 on scale 2.
constexpr const char* kDatabase =
    "4\t.Copyright notice of this test\r\n"
    "1\tpunctual\t0\t3\t.I am always on time.\r\n"
    "2\tcalm\t1\t7\t.I keep calm.\r\n"
    "3\treliable\t0\t2\t.People can count on me.\r\n"
    "4\ttidy\t0\t2\t.My desk is in order.\r\n";

struct Session {
    TempFolder folder;
    std::unique_ptr<TestRecord> record = std::make_unique<TestRecord>();
    FakeTestView view;
    LineReader database;
    std::int16_t testno = 1;

    explicit Session(const std::string& tag = "") : folder(tag) {
        folder.Write("orv.dll", kDatabase);
    }

    void Start() {
        ASSERT_EQ(StartTest(database, *record, view, folder.file("orv.dll")), StartOutcome::kReady);
    }
    void Answer(std::int16_t choice) {
        ChooseAnswer(*record, choice);
        ASSERT_EQ(ProcessAnswer(database, *record, view), ProcessOutcome::kNextQuestion);
    }
    // The worked example: "I disagree", then "I strongly agree"; question 3
    // is on screen.
    void AnswerTwo() {
        Start();
        Answer(0);
        Answer(2);
    }
    SaveOutcome Save(const std::string& chosen) {
        record->loadfn = chosen;
        return SaveChosenFile(*record, view, folder.path(), testno);
    }
    LoadOutcome Load(const std::string& chosen) {
        record->loadfn = chosen;
        return LoadChosenFile(database, *record, view, folder.path(), testno);
    }
};

using Messages = std::vector<std::string>;

// --- Save.

TEST(Save, WritesTheWorkedExampleAsMary1) {
    Session s;
    s.AnswerTwo();
    ASSERT_EQ(s.record->qno, 3);
    EXPECT_TRUE(s.view.save_enabled);
    EXPECT_EQ(s.Save("Mary"), SaveOutcome::kSaved);
    EXPECT_EQ(ReadBytes(s.folder.file("Mary.1")), MaryFileBytes());
    EXPECT_EQ(s.record->savedq, 3);
    EXPECT_FALSE(s.view.save_enabled);
    EXPECT_TRUE(s.view.messages.empty());
    EXPECT_FALSE(ShouldOfferSave(*s.record));
}

TEST(Save, NothingChosenSaysSoAndChangesNothing) {
    Session s;
    s.AnswerTwo();
    EXPECT_EQ(s.Save(""), SaveOutcome::kNothingChosen);
    EXPECT_EQ(s.view.messages, Messages{"No file was selected OR invalid file name was input."});
    EXPECT_TRUE(s.view.save_enabled);
    EXPECT_EQ(s.record->savedq, 0);
    EXPECT_EQ(s.folder.Names(), std::vector<std::string>{"orv.dll"});
}

TEST(Save, ANameThatFailsTheCheckIsNeverWritten) {
    Session s;
    s.AnswerTwo();
    std::filesystem::create_directory(s.folder.file("sub"));
    EXPECT_EQ(s.Save("sub/x"), SaveOutcome::kNothingChosen);
    EXPECT_EQ(s.Save("../x"), SaveOutcome::kNothingChosen);
    EXPECT_EQ(s.view.messages.size(), 2u);
    EXPECT_TRUE(std::filesystem::is_empty(s.folder.file("sub")));
    EXPECT_FALSE(std::filesystem::exists(s.folder.file("../x.1")));
}

TEST(Save, UsesTheBaseNameAndTheTestNumberOfTheMoment) {
    Session s;
    s.AnswerTwo();
    s.testno = 0;
    EXPECT_EQ(s.Save("abc.def.ghi"), SaveOutcome::kSaved);
    EXPECT_TRUE(std::filesystem::exists(s.folder.file("abc.0")));
    s.testno = 1;
    EXPECT_EQ(s.Save("Results.old.0"), SaveOutcome::kSaved);
    EXPECT_TRUE(std::filesystem::exists(s.folder.file("Results.1")));
}

TEST(Save, ReplacesAnExistingFileWithoutAsking) {
    Session s;
    s.AnswerTwo();
    s.folder.Write("Mary.1", "older\r\n");
    EXPECT_EQ(s.Save("Mary.1"), SaveOutcome::kSaved);
    EXPECT_EQ(ReadBytes(s.folder.file("Mary.1")), MaryFileBytes());
    EXPECT_TRUE(s.view.messages.empty());
}

TEST(Save, AFailedSaveKeepsSavedqSoClosingStillOffersToSave) {
    Session s;
    s.AnswerTwo();
    std::filesystem::create_directory(s.folder.file("Mary.1"));
    EXPECT_EQ(s.Save("Mary"), SaveOutcome::kNotSaved);
    EXPECT_EQ(s.view.messages, Messages{"File could not be saved."});
    EXPECT_FALSE(s.view.save_enabled);
    EXPECT_EQ(s.record->savedq, 0);
    EXPECT_TRUE(ShouldOfferSave(*s.record));
    EXPECT_TRUE(std::filesystem::is_directory(s.folder.file("Mary.1")));
    EXPECT_EQ(s.folder.Names(), (std::vector<std::string>{"Mary.1", "orv.dll"}));
}

// --- Load.

TEST(Load, WithoutSavedFilesOfTheTestSaysSoAndDisablesLoad) {
    Session s;
    s.Start();
    s.folder.Write("abc.0", MaryFileBytes());  // the other test's
    s.record->fopen = 1;
    EXPECT_FALSE(OfferSavedFiles(*s.record, s.view, s.folder.path(), 1));
    EXPECT_EQ(s.view.messages, Messages{"There are no previously saved files."});
    EXPECT_FALSE(s.view.load_enabled);
    EXPECT_EQ(s.record->fopen, 0);
}

TEST(Load, WithASavedFileOffersTheChooser) {
    Session s;
    s.Start();
    s.folder.Write("Mary.1", MaryFileBytes());
    EXPECT_TRUE(OfferSavedFiles(*s.record, s.view, s.folder.path(), 1));
    EXPECT_TRUE(s.view.messages.empty());
    EXPECT_TRUE(s.view.load_enabled);
}

TEST(Load, NothingChosenSaysSoAndKeepsLoadEnabled) {
    Session s;
    s.Start();
    EXPECT_EQ(s.Load(""), LoadOutcome::kNothingChosen);
    EXPECT_EQ(s.view.messages, Messages{"No file was selected."});
    EXPECT_TRUE(s.view.load_enabled);
    EXPECT_EQ(s.record->qno, 1);
}

TEST(Load, AtQuestionOneAFileSavedAtThreeReadsTwoAndThree) {
    Session s;
    s.Start();
    s.folder.Write("Mary.1", MaryFileBytes());
    EXPECT_EQ(s.Load("Mary.1"), LoadOutcome::kLoaded);
    EXPECT_TRUE(s.view.messages.empty());
    EXPECT_EQ(s.record->qno, 3);
    EXPECT_EQ(s.record->savedq, 3);
    EXPECT_EQ(s.view.question, "People can count on me.");
    EXPECT_EQ(s.view.status[1], "Questions remaining 1");
    EXPECT_EQ(s.view.status[2], "Question No. 3");
    EXPECT_EQ(s.record->qdesc[2], "calm");
    EXPECT_EQ(s.record->qscale[2], 7);
    EXPECT_EQ(s.record->xref[2][1], 1);
    EXPECT_EQ(s.record->qdesc[3], "reliable");
    // The file's values, not values worked out from the passed questions.
    EXPECT_EQ(s.record->ans[1], -2);
    EXPECT_EQ(s.record->ans[2], 2);
    EXPECT_EQ(s.record->scount[3], 1);
    EXPECT_EQ(s.record->scount[7], 1);
    EXPECT_FALSE(s.view.load_enabled);
    EXPECT_FALSE(s.view.save_enabled);
    EXPECT_FALSE(ShouldOfferSave(*s.record));
}

TEST(Load, ARefusedFileChangesNothingInTheTest) {
    std::vector<std::string> short_file(260, "0");
    short_file[0] = "3";
    std::vector<std::string> out_of_range(261, "0");
    out_of_range[0] = "3";
    out_of_range[5] = "3";  // an answer above 2
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"short.1", CrLfLines(short_file)},
        {"range.1", CrLfLines(out_of_range)},
        {"word.1", "3\r\nthree\r\n" + MaryFileBytes()},
    };
    for (const auto& file : files) {
        Session s;
        s.Start();
        s.record->savedq = 42;
        s.record->ans[4] = -6;
        s.folder.Write(file.name, file.bytes);
        EXPECT_EQ(s.Load(file.name), LoadOutcome::kNotOpened) << file.name;
        EXPECT_EQ(s.view.messages, Messages{"File could not be opened."}) << file.name;
        EXPECT_FALSE(s.view.load_enabled);
        EXPECT_EQ(s.record->savedq, 42);
        EXPECT_EQ(s.record->qno, 1);
        EXPECT_EQ(s.record->ans[1], 0);
        EXPECT_EQ(s.record->ans[4], -6);
        EXPECT_EQ(s.record->scount[3], 0);
        EXPECT_EQ(s.view.question, "I am always on time.");
    }
}

TEST(Load, OnlyASavedFileOfThisTestInTheFolderIsRead) {
    for (const char* name : {"missing.1", "Mary.0", "../Mary.1", "sub/Mary.1"}) {
        Session s;
        s.Start();
        s.folder.Write("Mary.0", MaryFileBytes());
        std::filesystem::create_directory(s.folder.file("sub"));
        s.folder.Write("sub/Mary.1", MaryFileBytes());
        EXPECT_EQ(s.Load(name), LoadOutcome::kNotOpened) << name;
        EXPECT_EQ(s.view.messages, Messages{"File could not be opened."});
        EXPECT_EQ(s.record->qno, 1);
    }
}

TEST(Load, AQuestionNeverReachedEndsWithTheReadersMessage) {
    for (const char* saved_at : {"1", "200"}) {
        Session s;
        s.Start();
        std::string bytes = MaryFileBytes();
        bytes.replace(0, 1, saved_at);
        s.folder.Write("odd.1", bytes);
        EXPECT_EQ(s.Load("odd.1"), LoadOutcome::kEndOfFile) << saved_at;
        EXPECT_EQ(s.view.messages,
                  (Messages{"E03B: Invalid Database Contents.", "End of file during Load"}));
        EXPECT_EQ(s.record->state, kDatabaseError);
        EXPECT_FALSE(ShouldOfferSave(*s.record));
    }
}

TEST(Load, AnInvalidRecordOnTheWayEndsTheLoad) {
    Session s;
    s.folder.Write("orv.dll",
                   "4\t.Copyright notice\r\n"
                   "1\tpunctual\t0\t3\t.I am always on time.\r\n"
                   "2\tbroken record\r\n"
                   "3\treliable\t0\t2\t.People can count on me.\r\n");
    s.Start();
    s.folder.Write("Mary.1", MaryFileBytes());
    EXPECT_EQ(s.Load("Mary.1"), LoadOutcome::kEndOfFile);
    EXPECT_EQ(s.view.messages,
              (Messages{"E02: Invalid Database Contents", "End of file during Load"}));
}

// --- Both ways.

TEST(SaveAndLoad, AResumedTestStandsWhereItWasSaved) {
    Session first;
    first.AnswerTwo();
    ASSERT_EQ(first.Save("Resume"), SaveOutcome::kSaved);

    Session second("_again");
    second.folder.Write("Resume.1", ReadBytes(first.folder.file("Resume.1")));
    second.Start();
    ASSERT_TRUE(OfferSavedFiles(*second.record, second.view, second.folder.path(), 1));
    ASSERT_EQ(second.Load("Resume.1"), LoadOutcome::kLoaded);
    EXPECT_EQ(second.record->qno, first.record->qno);
    EXPECT_EQ(second.record->ans, first.record->ans);
    EXPECT_EQ(second.record->scount, first.record->scount);

    // The test goes on to its end as it would have without the break.
    second.Answer(1);
    EXPECT_EQ(second.record->qno, 4);
    EXPECT_TRUE(second.view.save_enabled);
    ChooseAnswer(*second.record, 2);
    EXPECT_EQ(ProcessAnswer(second.database, *second.record, second.view),
              ProcessOutcome::kTestFinished);
    EXPECT_EQ(second.record->ans[1], -2);
    EXPECT_EQ(second.record->ans[3], 1);
    EXPECT_EQ(second.record->ans[4], 2);
    EXPECT_EQ(second.record->scount[2], 2);
}

TEST(SaveAndLoad, FilesOfOneTestAreNeverFoundInTheOther) {
    Session s;
    s.AnswerTwo();
    s.testno = 0;
    ASSERT_EQ(s.Save("Mine"), SaveOutcome::kSaved);
    EXPECT_FALSE(OfferSavedFiles(*s.record, s.view, s.folder.path(), 1));
    EXPECT_TRUE(OfferSavedFiles(*s.record, s.view, s.folder.path(), 0));
}

}  // namespace
}  // namespace orv
