#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "fake_test_view.h"
#include "testing/core/record_reader.h"
#include "testing/core/test_steps.h"

namespace orv {
namespace {

using testing::FakeTestView;

// A database written to a temporary file for one test.
class DatabaseFile {
  public:
    explicit DatabaseFile(const std::string& text) {
        path_ = std::filesystem::temp_directory_path() /
                ("orv_steps_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dll");
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~DatabaseFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

constexpr const char* kWorkedExample =
    "3\t.Copyright notice of this test\r\n"
    "1\tpunctual\t3\t2\t.I am always on time.\r\n"
    "2\tcalm\t0\t4-\t.I lose my temper easily.\r\n"
    "3\treliable\t0\t2\t.People can count on me.\r\n";

struct Session {
    std::unique_ptr<TestRecord> record = std::make_unique<TestRecord>();
    FakeTestView view;
    LineReader database;

    StartOutcome Start(const std::string& path) { return StartTest(database, *record, view, path); }
    ProcessOutcome Answer(std::int16_t choice) {
        ChooseAnswer(*record, choice);
        return ProcessAnswer(database, *record, view);
    }
};

TEST(TestSteps, TakesTheWorkedExampleToItsEnd) {
    DatabaseFile db(kWorkedExample);
    Session s;
    ASSERT_EQ(s.Start(db.path()), StartOutcome::kReady);
    EXPECT_EQ(s.record->totalq, 3);
    EXPECT_EQ(s.view.question, "I am always on time.");
    EXPECT_EQ(s.view.status[1], "Questions remaining 2");
    EXPECT_EQ(s.view.status[2], "Question No. 1");
    EXPECT_EQ(s.view.status[3], "Total Questions: 3");

    EXPECT_EQ(s.Answer(2), ProcessOutcome::kNextQuestion);
    EXPECT_EQ(s.record->ans[1], 2);
    EXPECT_EQ(s.record->ans[3], -2);
    EXPECT_EQ(s.record->scount[2], 1);
    EXPECT_EQ(s.view.status[1], "Questions remaining 1");
    EXPECT_EQ(s.view.status[2], "Question No. 2");
    EXPECT_EQ(s.record->choice, kNoChoice);
    EXPECT_FALSE(s.view.load_enabled);
    EXPECT_TRUE(s.view.save_enabled);

    EXPECT_EQ(s.Answer(1), ProcessOutcome::kNextQuestion);
    EXPECT_EQ(s.record->ans[2], 1);
    EXPECT_EQ(s.record->scount[4], 1);
    EXPECT_EQ(s.view.question, "People can count on me.");

    EXPECT_EQ(s.Answer(2), ProcessOutcome::kTestFinished);
    EXPECT_EQ(s.record->ans[3], 0);
    EXPECT_EQ(s.record->scount[2], 2);
    EXPECT_EQ(s.record->state, kFinished);
    EXPECT_FALSE(ShouldOfferSave(*s.record));
    EXPECT_TRUE(s.view.messages.empty());
}

TEST(TestSteps, ProcessWithoutAChoiceChangesNothing) {
    DatabaseFile db(kWorkedExample);
    Session s;
    s.Start(db.path());
    const auto before = *s.record;
    EXPECT_EQ(ProcessAnswer(s.database, *s.record, s.view), ProcessOutcome::kNoChoice);
    EXPECT_EQ(s.view.messages, std::vector<std::string>{"Make a choice before pressing Process"});
    EXPECT_EQ(s.record->ans, before.ans);
    EXPECT_EQ(s.record->scount, before.scount);
    EXPECT_EQ(s.record->qno, 1);
    EXPECT_TRUE(s.view.load_enabled);
    EXPECT_FALSE(s.view.save_enabled);
}

TEST(TestSteps, DisagreeCountsTheScaleButChangesNoAnswer) {
    DatabaseFile db(kWorkedExample);
    Session s;
    s.Start(db.path());
    EXPECT_EQ(s.Answer(0), ProcessOutcome::kNextQuestion);
    EXPECT_EQ(s.record->ans[1], 0);
    EXPECT_EQ(s.record->ans[3], 0);
    EXPECT_EQ(s.record->scount[2], 1);
    EXPECT_EQ(s.record->qno, 2);
}

TEST(TestSteps, RelatedListsStopAtZeroAndSkipNumbersOutsideTheTable) {
    DatabaseFile db(
        "40\t.Copyright\r\n"
        "7\tx\t12,0,31\t1\t.A\r\n"
        "8\tx\t-4,300,12,31\t1\t.B\r\n"
        "9\tx\t12\t1\t.C\r\n");
    Session s;
    s.Start(db.path());
    s.Answer(2);
    EXPECT_EQ(s.record->ans[7], 2);
    EXPECT_EQ(s.record->ans[12], -2);
    EXPECT_EQ(s.record->ans[31], 0);
    s.Answer(1);
    EXPECT_EQ(s.record->ans[12], -3);
    EXPECT_EQ(s.record->ans[31], -1);
    EXPECT_EQ(s.record->qno, 9);
}

TEST(TestSteps, AHeaderTotalOfOneOrLessEndsAtTheFirstAnswer) {
    for (const char* total : {"1", "0", "-5"}) {
        DatabaseFile db(std::string(total) +
                        "\t.Copyright\r\n4\tx\t0\t1\t.A\r\n5\tx\t0\t1\t.B\r\n");
        Session s;
        ASSERT_EQ(s.Start(db.path()), StartOutcome::kReady) << total;
        EXPECT_EQ(s.Answer(1), ProcessOutcome::kTestFinished) << total;
    }
}

TEST(TestSteps, AReaderErrorAfterAnAnswerClosesTheWindow) {
    DatabaseFile db("3\t.Copyright\r\n1\tx\t0\t1\t.A\r\n");
    Session s;
    s.Start(db.path());
    EXPECT_EQ(s.Answer(1), ProcessOutcome::kUnload);
    EXPECT_EQ(s.view.messages, std::vector<std::string>{"E03B: Invalid Database Contents."});
    EXPECT_EQ(s.record->state, kDatabaseError);
}

TEST(TestSteps, ADatabaseErrorAtStartMakesEveryActionClose) {
    DatabaseFile db("3\t.copyright\r\n");
    Session s;
    EXPECT_EQ(s.Start(db.path()), StartOutcome::kDatabaseError);
    EXPECT_EQ(s.view.messages, std::vector<std::string>{"E01: Invalid Database File"});
    EXPECT_TRUE(ChooseAnswer(*s.record, 1));
    EXPECT_EQ(ProcessAnswer(s.database, *s.record, s.view), ProcessOutcome::kUnload);
    EXPECT_FALSE(ShouldOfferSave(*s.record));
}

TEST(TestSteps, AMissingDatabaseBehavesAsADatabaseError) {
    Session s;
    s.record->qno = 5;  // left from an earlier test
    s.record->totalq = 10;
    EXPECT_EQ(s.Start("/nonexistent/orv0.dll"), StartOutcome::kFileNotFound);
    EXPECT_EQ(s.view.messages, std::vector<std::string>{"File not found."});
    EXPECT_EQ(s.view.question, "");
    EXPECT_FALSE(ShouldOfferSave(*s.record));
    EXPECT_EQ(ProcessAnswer(s.database, *s.record, s.view), ProcessOutcome::kUnload);
}

TEST(TestSteps, StartingAgainClearsAnswersButKeepsSavedQuestion) {
    DatabaseFile db(kWorkedExample);
    Session s;
    s.Start(db.path());
    s.Answer(2);
    s.record->savedq = 2;
    s.record->sscore[4] = 9;
    s.record->xref[100][6] = 5;
    ASSERT_EQ(s.Start(db.path()), StartOutcome::kReady);
    EXPECT_EQ(s.record->ans[1], 0);
    EXPECT_EQ(s.record->ans[3], 0);
    EXPECT_EQ(s.record->scount[2], 0);
    EXPECT_EQ(s.record->sscore[4], 0);
    EXPECT_EQ(s.record->xref[100][6], 0);
    EXPECT_EQ(s.record->savedq, 2);
    EXPECT_EQ(s.record->qno, 1);
    EXPECT_EQ(s.record->filename, db.path());
}

TEST(TestSteps, OffersToSaveOnlyInTheMiddleOfATest) {
    TestRecord r;
    r.totalq = 40;
    r.state = kInProgress;
    r.qno = 1;
    EXPECT_FALSE(ShouldOfferSave(r)) << "question 1";
    r.qno = 2;
    EXPECT_TRUE(ShouldOfferSave(r)) << "question 2";
    r.savedq = 2;
    EXPECT_FALSE(ShouldOfferSave(r)) << "just saved";
    r.qno = 3;
    EXPECT_TRUE(ShouldOfferSave(r)) << "answered since the save";
    r.qno = 40;
    EXPECT_FALSE(ShouldOfferSave(r)) << "last question";
    r.qno = 3;
    r.state = kDatabaseError;
    EXPECT_FALSE(ShouldOfferSave(r)) << "database error";
}

// The largest test a database can hold: 250 questions on one scale, every
// question after the first naming question 1 six times, all strongly agreed.
TEST(TestSteps, SumsStayInRangeAtTheExtremes) {
    std::string text = "250\t.Copyright\r\n1\tx\t0\t10\t.Q\r\n";
    for (int i = 2; i <= 250; ++i) {
        text += std::to_string(i) + "\tx\t1,1,1,1,1,1\t10-\t.Q\r\n";
    }
    DatabaseFile db(text);
    Session s;
    ASSERT_EQ(s.Start(db.path()), StartOutcome::kReady);
    ProcessOutcome outcome = ProcessOutcome::kNextQuestion;
    int answers = 0;
    while (outcome == ProcessOutcome::kNextQuestion) {
        outcome = s.Answer(2);
        ++answers;
    }
    EXPECT_EQ(outcome, ProcessOutcome::kTestFinished);
    EXPECT_EQ(answers, 250);
    EXPECT_EQ(s.record->scount[10], 250);
    EXPECT_EQ(s.record->ans[1], 2 - 249 * 12);
    EXPECT_EQ(s.record->ans[250], 2);
}

}  // namespace
}  // namespace orv
