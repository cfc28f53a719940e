// Scoring of a finished test: scale scores, counting questions, verdicts and
// the order in which trait phrases are reported.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "evaluation/core/scoring.h"

namespace {

using Questions = std::vector<std::int16_t>;

struct Question {
    int number;
    int scale;
    int dir;
    int ans;
};

std::unique_ptr<orv::TestRecord> MakeRecord(int totalq, const std::vector<Question>& questions) {
    auto record = std::make_unique<orv::TestRecord>();
    record->totalq = static_cast<std::int16_t>(totalq);
    for (const Question& q : questions) {
        record->qscale[q.number] = static_cast<std::int16_t>(q.scale);
        record->qdir[q.number] = static_cast<std::int16_t>(q.dir);
        record->ans[q.number] = static_cast<std::int16_t>(q.ans);
        record->qdesc[q.number] = "phrase " + std::to_string(q.number);
    }
    return record;
}

orv::ScaleResult Score(orv::TestRecord& record, int scale, std::int16_t testno = 0) {
    return orv::ScoreTest(record, testno)[scale - 1];
}

TEST(ScoreAccumulation, AddsCountingAnswersInTheirDirectionToWhatIsThere) {
    auto record =
        MakeRecord(5, {{1, 3, 1, 2}, {2, 3, -1, 1}, {3, 3, 1, 0}, {4, 3, 1, -2}, {5, 4, -1, 2}});
    record->sscore[3] = 10;
    record->sscore[4] = -1;
    orv::AccumulateScores(*record);
    EXPECT_EQ(record->sscore[3], 11);  // 10 + 2 - 1; "I disagree" and cancelled add nothing
    EXPECT_EQ(record->sscore[4], -3);
    orv::AccumulateScores(*record);  // a second run adds the answers again
    EXPECT_EQ(record->sscore[3], 12);
}

TEST(ScoreAccumulation, ScaleZeroGoesToItsOwnUnreportedSlot) {
    auto record = MakeRecord(2, {{1, 0, 1, 2}, {2, 1, 1, 1}});
    const auto results = orv::ScoreTest(*record, 0);
    EXPECT_EQ(record->sscore[0], 2);
    EXPECT_EQ(results[0].score, 1);
    EXPECT_EQ(results[0].ordered, Questions{2});
}

TEST(ScoreAccumulation, QuestionsAboveTheTotalAreIgnored) {
    auto record = MakeRecord(2, {{1, 1, 1, 2}, {2, 1, 1, 1}, {3, 1, 1, 2}});
    const orv::ScaleResult result = Score(*record, 1);
    EXPECT_EQ(result.score, 3);
    EXPECT_EQ(result.ordered, (Questions{1, 2}));
}

TEST(ScoreAccumulation, TotalsOutsideTheQuestionTableAreBounded) {
    auto record = MakeRecord(32767, {{1, 1, 1, 2}, {250, 1, 1, 1}});
    const orv::ScaleResult result = Score(*record, 1);
    EXPECT_EQ(result.score, 3);
    EXPECT_EQ(result.ordered, (Questions{1, 250}));

    for (const int total : {0, -5}) {
        auto empty = MakeRecord(total, {{1, 1, 1, 2}});
        const auto results = orv::ScoreTest(*empty, 0);
        EXPECT_EQ(empty->sscore[1], 0);
        EXPECT_EQ(results[0].count(), 0);
        EXPECT_EQ(results[0].verdict, " No Responses. ");
    }
}

TEST(Verdicts, FollowScoreCountAndTest) {
    struct Case {
        std::vector<Question> questions;
        std::int16_t testno;
        const char* verdict;
        int score;
    };
    const std::vector<Case> cases = {
        // No counting question: none on the scale, "I disagree", or cancelled.
        {{}, 0, " No Responses. ", 0},
        {{{1, 1, 1, 0}, {2, 1, -1, -2}}, 1, " No Responses. ", 0},
        // +2 and -1: score 1 below the count 2.
        {{{1, 1, 1, 2}, {2, 1, -1, 1}}, 0, " Positive. Conflicting Responses. ", 1},
        {{{1, 1, 1, 2}, {2, 1, -1, 1}}, 1, " Sociable. Conflicting Responses. ", 1},
        // +1 and -1 cancel: a score of 0 is always conflicting.
        {{{1, 1, 1, 1}, {2, 1, -1, 1}}, 0, " Unknown. Conflicting Responses. ", 0},
        {{{1, 1, 1, 1}, {2, 1, -1, 1}}, 1, " Unknown. Conflicting Responses. ", 0},
        // +2, +2, -1: score 3 equals the count 3, so not conflicting.
        {{{1, 1, 1, 2}, {2, 1, 1, 2}, {3, 1, -1, 1}}, 0, " Positive. ", 3},
        {{{1, 1, -1, 1}}, 0, " Negative. ", -1},
        {{{1, 1, -1, 1}}, 1, " Dangerous. ", -1},
        // -2 and +1: negative and conflicting.
        {{{1, 1, -1, 2}, {2, 1, 1, 1}}, 1, " Dangerous. Conflicting Responses. ", -1},
    };
    for (const Case& c : cases) {
        auto record = MakeRecord(3, c.questions);
        const orv::ScaleResult result = Score(*record, 1, c.testno);
        EXPECT_EQ(result.verdict, c.verdict) << "score " << c.score << ", test " << c.testno;
        EXPECT_EQ(result.score, c.score);
    }
}

TEST(ReportOrder, ExchangeSortPutsStrongFirstAndReordersEqualAnswers) {
    // Questions a, b, c with answers 1, 1, 2 read c, b, a.
    auto first = MakeRecord(3, {{1, 2, 1, 1}, {2, 2, 1, 1}, {3, 2, 1, 2}});
    const orv::ScaleResult one = Score(*first, 2);
    EXPECT_EQ(one.ordered, (Questions{3, 2, 1}));
    EXPECT_EQ(one.nstrong, 1);
    EXPECT_EQ(one.nmoderate, 2);

    // Answers 1, 2, 2 read b, c, a.
    auto second = MakeRecord(3, {{1, 2, 1, 1}, {2, 2, 1, 2}, {3, 2, 1, 2}});
    const orv::ScaleResult two = Score(*second, 2);
    EXPECT_EQ(two.ordered, (Questions{2, 3, 1}));
    EXPECT_EQ(two.nstrong, 2);
    EXPECT_EQ(two.nmoderate, 1);
}

TEST(ReportOrder, ListsOnlyTheScalesOwnCountingQuestionsInAscendingOrder) {
    auto record = MakeRecord(
        6, {{1, 5, 1, 2}, {2, 6, 1, 2}, {3, 5, -1, 2}, {4, 5, 1, 0}, {5, 5, 1, 2}, {6, 6, -1, 1}});
    const auto results = orv::ScoreTest(*record, 0);
    EXPECT_EQ(results[4].ordered, (Questions{1, 3, 5}));
    EXPECT_EQ(results[4].nstrong, 3);
    EXPECT_EQ(results[4].nmoderate, 0);
    // Reverse-scored questions are listed too.
    EXPECT_EQ(results[5].ordered, (Questions{2, 6}));
    for (int scale = 1; scale <= 10; ++scale) {
        EXPECT_EQ(results[scale - 1].scale, scale);
    }
}

TEST(ReportOrder, AnswersLoweredByRelatedQuestionsMoveOrDropOut) {
    // Strongly agreed, then lowered by a related "I moderately agree" to 1;
    // another strongly agreed lowered to 0.
    auto record = MakeRecord(3, {{1, 7, 1, 1}, {2, 7, 1, 0}, {3, 7, 1, 2}});
    const orv::ScaleResult result = Score(*record, 7);
    EXPECT_EQ(result.ordered, (Questions{3, 1}));
    EXPECT_EQ(result.nstrong, 1);
    EXPECT_EQ(result.nmoderate, 1);
    EXPECT_EQ(result.score, 3);
}

TEST(ReportOrder, MoreThanSixtyCountingQuestionsAreAllListed) {
    // Questions 1..61 moderately agreed, 62..65 strongly agreed: each strong
    // answer is exchanged with the first moderate one still ahead of it.
    std::vector<Question> questions;
    for (int n = 1; n <= 65; ++n) {
        questions.push_back({n, 9, 1, n <= 61 ? 1 : 2});
    }
    auto record = MakeRecord(65, questions);
    const orv::ScaleResult result = Score(*record, 9);

    Questions expected = {62, 63, 64, 65};
    for (int n = 5; n <= 61; ++n) {
        expected.push_back(static_cast<std::int16_t>(n));
    }
    expected.insert(expected.end(), {1, 2, 3, 4});
    EXPECT_EQ(result.ordered, expected);
    EXPECT_EQ(result.count(), 65);
    EXPECT_EQ(result.nstrong, 4);
    EXPECT_EQ(result.nmoderate, 61);
    EXPECT_EQ(result.score, 69);
    EXPECT_EQ(result.verdict, " Positive. ");
}

TEST(ReportOrder, AFullTestOnOneScaleKeepsEqualAnswersInPlace) {
    std::vector<Question> questions;
    for (int n = 1; n <= 250; ++n) {
        questions.push_back({n, 10, -1, 2});
    }
    auto record = MakeRecord(250, questions);
    const orv::ScaleResult result = Score(*record, 10, 1);
    ASSERT_EQ(result.count(), 250);
    for (int n = 1; n <= 250; ++n) {
        EXPECT_EQ(result.ordered[n - 1], n);
    }
    EXPECT_EQ(result.score, -500);
    EXPECT_EQ(result.verdict, " Dangerous. ");
}

}  // namespace
