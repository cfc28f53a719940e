#include <gtest/gtest.h>

#include <random>

#include "evaluation/core/evaluation_text.h"
#include "fake_test_view.h"
#include "orvtool_runner.h"
#include "persistence/core/save_load_steps.h"
#include "testing/core/test_steps.h"

namespace orv {

constexpr const char* kWorkedExample =
    "3\t.Copyright notice of this test\r\n"
    "1\tpunctual\t3\t2\t.I am always on time.\r\n"
    "2\tcalm\t0\t4-\t.I lose my temper easily.\r\n"
    "3\treliable\t0\t2\t.People can count on me.\r\n";

// A test started from a database in a temporary folder (no file for null).
struct Session {
    explicit Session(const char* text)
        : started(StartTest(database, record, view,
                            text ? folder.Write("orv0.dll", text) : folder.Path("orv0.dll"))) {}
    ProcessOutcome Answer(std::int16_t choice) {
        ChooseAnswer(record, choice);
        return ProcessAnswer(database, record, view);
    }

    testing::TempFolder folder;
    TestRecord record;
    testing::FakeTestView view;
    LineReader database;
    const StartOutcome started;
};

TEST(TestSteps, TakesTheWorkedExampleToItsEndAndStartsAgain) {
    Session s(kWorkedExample);
    TestRecord& r = s.record;
    const auto& a = r.ans;
    // Process without a choice changes nothing.
    EXPECT_EQ(ProcessAnswer(s.database, r, s.view), ProcessOutcome::kNoChoice);
    EXPECT_EQ(s.view.messages, std::vector<std::string>{"Make a choice before pressing Process"});
    EXPECT_EQ(std::tie(a[1], a[3], r.scount[2], r.qno), std::tuple(0, 0, 0, 1));

    EXPECT_EQ(s.Answer(2), ProcessOutcome::kNextQuestion);
    EXPECT_EQ(std::tie(a[1], a[2], a[3]), std::tuple(2, 0, -2));
    EXPECT_EQ(std::tie(r.choice, s.view.question),
              std::tuple(kNoChoice, "I lose my temper easily."));
    EXPECT_EQ(s.Answer(1), ProcessOutcome::kNextQuestion);
    EXPECT_EQ(s.Answer(2), ProcessOutcome::kTestFinished);
    EXPECT_EQ(std::tie(a[1], a[2], a[3], r.state), std::tuple(2, 1, 0, kFinished));
    EXPECT_EQ(r.scount, (std::array<std::int16_t, 11>{0, 0, 2, 0, 1}));

    // Starting again clears answers, sums and the question of the last save.
    std::tie(r.savedq, r.sscore[4], r.xref[100][6]) = std::tuple(2, 9, 5);
    ASSERT_EQ(StartTest(s.database, r, s.view, s.folder.Path("orv0.dll")), StartOutcome::kReady);
    EXPECT_EQ(std::tie(a[1], a[2], r.scount[2], r.sscore[4], r.xref[100][6], r.savedq),
              std::tuple(0, 0, 0, 0, 0, 0));
}

// A list ends at its first 0 and skips numbers outside 1..250; "I disagree"
// changes no answer but still counts on its scale.
TEST(TestSteps, AnswersChangeTheRelatedQuestionsTheyList) {
    Session s(
        "40\t.Copyright\r\n7\tx\t12,0,31\t1\t.A\r\n8\tx\t-4,300,12,31,250\t2\t.B\r\n"
        "9\tx\t12\t2\t.C\r\n10\tx\t0\t1\t.D\r\n");
    s.Answer(2);
    s.Answer(1);
    EXPECT_EQ(s.Answer(0), ProcessOutcome::kNextQuestion);
    const auto& a = s.record.ans;
    EXPECT_EQ(std::tie(a[7], a[8], a[9], a[12], a[31], a[250]), std::tuple(2, 1, 0, -3, -1, -1));
    EXPECT_EQ(s.record.scount[2], 2);
}

// After a database error, or without a database, any action closes the window
// and there is nothing to load into.
TEST(TestSteps, ADatabaseErrorEndsTheTest) {
    const std::tuple<const char*, StartOutcome, const char*> cases[] = {
        {"3\t.copyright\r\n", StartOutcome::kDatabaseError, "E01: Invalid Database File"},
        {nullptr, StartOutcome::kFileNotFound, "File not found."},
        {"3\t.Copyright\r\n1\tx\t0\t1\t.A\r\n", StartOutcome::kReady,
         "E03B: Invalid Database Contents."}};
    for (const auto& [text, outcome, message] : cases) {
        Session s(text);
        EXPECT_EQ(s.started, outcome) << message;
        EXPECT_EQ(s.view.load_enabled, outcome == StartOutcome::kReady) << message;
        EXPECT_EQ(ChooseAnswer(s.record, 1), outcome != StartOutcome::kReady) << message;
        EXPECT_EQ(ProcessAnswer(s.database, s.record, s.view), ProcessOutcome::kUnload);
        EXPECT_EQ(s.view.messages, std::vector<std::string>{message});
    }
}

TEST(TestSteps, OffersToSaveWheneverClosingWouldLoseAnswers) {
    // qno, savedq, state, whether to offer, for a total of 40
    const int cases[][4] = {
        {1, 0, 0, 0},  {2, 0, 0, 1},   {2, 2, 0, 0},  {3, 2, 0, 1},
        {40, 0, 0, 1}, {40, 40, 0, 0}, {41, 0, 0, 0}, {3, 0, kDatabaseError, 0}};
    for (const auto& [qno, savedq, state, offer] : cases) {
        TestRecord r;
        std::tie(r.totalq, r.qno, r.savedq, r.state) = std::tuple(40, qno, savedq, state);
        EXPECT_EQ(ShouldOfferSave(r), offer == 1) << qno << ' ' << savedq << ' ' << state;
    }
}

// A header total of 1 or less ends the test at the first answer. The largest
// test, 250 questions on one scale each naming question 1 six times, keeps its sums in range.
TEST(TestSteps, EndsAtTheFirstAnswerWhoseNumberReachesTheTotal) {
    for (const std::string total : {"1", "0", "-5"}) {
        Session s((total + "\t.Copyright\r\n4\tx\t0\t1\t.A\r\n5\tx\t0\t1\t.B\r\n").c_str());
        EXPECT_EQ(s.Answer(1), ProcessOutcome::kTestFinished) << total;
    }
    std::string text = "250\t.Copyright\r\n1\tx\t0\t10\t.Q\r\n";
    for (int i = 2; i <= 250; ++i) text += std::to_string(i) + "\tx\t1,1,1,1,1,1\t10-\t.Q\r\n";
    Session s(text.c_str());
    while (s.Answer(2) == ProcessOutcome::kNextQuestion) continue;
    EXPECT_EQ(s.record.scount[10], 250);
    EXPECT_EQ(std::tie(s.record.ans[1], s.record.ans[250]), std::tuple(2 - 249 * 12, 2));
}

// Random ways through a test whose questions name later and earlier ones:
// after answers, Backs and saves, the screen and the saved file, then the
// finished record and evaluation, are those of the final answers given
// straight through; closing offers to save whenever the file differs.
TEST(TestSteps, BackUndoesAnswersExactlyAsFarAsTheFirst) {
    std::string db = "9\t.Copyright\r\n";
    for (const char* record :
         {"1\ta\t4,9\t1", "2\tb\t0\t2-", "3\tc\t1\t3", "4\td\t2,7\t1-", "5\te\t3,3\t2",
          "6\tf\t8\t3-", "7\tg\t0\t1", "8\th\t6,1\t2-", "9\ti\t5\t3"})
        db += record + std::string("\t.") + record[0] + "\r\n";
    std::mt19937 random(19);
    for (int run = 0; run < 300; ++run) {
        Session taken(db.c_str()), straight(db.c_str());
        TestRecord& r = taken.record;
        std::vector<std::int16_t> choices;
        for (int step = random() % 30; step > 0; --step) {
            if (random() % 6 == 0) {
                r.loadfn = "Mary";
                SaveChosenFile(r, taken.view, taken.folder.path.string(), 0);
            } else if (random() % 3 == 0 || r.qno == r.totalq) {
                ASSERT_EQ(GoBack(r, taken.view), !choices.empty());
                EXPECT_TRUE(choices.empty() || r.choice == choices.back());
                if (!choices.empty())
                    choices.pop_back();
            } else {
                taken.Answer(choices.emplace_back(std::int16_t(random() % 3)));
            }
            EXPECT_EQ(taken.view.back_enabled, !choices.empty());
            EXPECT_TRUE(ShouldOfferSave(r) || r.qno == 1 ||
                        taken.folder.Read("Mary.0") == FormatSavedResponses(ResponsesOf(r)));
        }
        for (const std::int16_t choice : choices) straight.Answer(choice);
        EXPECT_EQ(FormatSavedResponses(ResponsesOf(r)) + taken.view.question,
                  FormatSavedResponses(ResponsesOf(straight.record)) + straight.view.question);
        while (r.state == kInProgress) taken.Answer(2), straight.Answer(2);
        TestRecord& s = straight.record;
        std::tie(s.steps, s.filename, s.savedq, s.loadfn) =
            std::tie(r.steps, r.filename, r.savedq, r.loadfn);
        EXPECT_TRUE(r == s) << run;
        EXPECT_EQ(EvaluationText(r, 0, 2026), EvaluationText(s, 0, 2026));
    }
}

}  // namespace orv
