// The evaluation of a finished test: scale scores, verdicts and the order of
// the trait phrases, and the text with its header, scale blocks and sentences.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "evaluation/core/evaluation_text.h"

namespace {

using Questions = std::vector<std::int16_t>;

struct Question {
    int number, scale, dir, ans;
    const char* phrase = "";
};

std::unique_ptr<orv::TestRecord> MakeRecord(int totalq, const std::vector<Question>& questions) {
    auto record = std::make_unique<orv::TestRecord>();
    record->totalq = static_cast<std::int16_t>(totalq);
    for (const Question& q : questions) {
        record->qscale[q.number] = static_cast<std::int16_t>(q.scale);
        record->qdir[q.number] = static_cast<std::int16_t>(q.dir);
        record->ans[q.number] = static_cast<std::int16_t>(q.ans);
        record->qdesc[q.number] = q.phrase;
    }
    return record;
}

// Joins lines, each ended by CR LF.
std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

std::string Header(const std::string& year) {
    return Lines({"", "", "               Orvane Personality Test ",
                  "               Copyright (c) " + year + " Orvane Software", ""});
}

std::string NoResponses(const std::vector<std::string>& headings) {
    std::string text;
    for (const std::string& heading : headings) {
        text += Lines({"          " + heading + " No Responses. ",
                       "Either you are not paying attention or you are a liar.", ""});
    }
    return text;
}

TEST(Scores, AddCountingAnswersInTheirDirectionToWhatSscoreHolds) {
    // Question 3 disagreed, 4 cancelled, 5 on scale 0, 6 beyond the total.
    auto record = MakeRecord(
        5, {{1, 3, 1, 2}, {2, 3, -1, 1}, {3, 3, 1, 0}, {4, 3, 1, -2}, {5, 0, -1, 2}, {6, 3, 1, 2}});
    record->sscore[3] = 10;
    const auto results = orv::ScoreTest(*record, 0);
    EXPECT_EQ(record->sscore[3], 11);
    EXPECT_EQ(record->sscore[0], -2);
    EXPECT_EQ(results[2].ordered, (Questions{1, 2}));
    orv::AccumulateScores(*record);  // a second run adds the answers again
    EXPECT_EQ(record->sscore[3], 12);
}

TEST(Scores, TotalsOutsideTheQuestionTableAreBounded) {
    for (const int total : {32767, 0, -5}) {
        auto record = MakeRecord(total, {{1, 1, 1, 2}, {250, 1, 1, 1}});
        EXPECT_EQ(orv::ScoreTest(*record, 0)[0].count(), total > 0 ? 2 : 0) << total;
    }
}

TEST(Scores, VerdictFollowsCountScoreAndTest) {
    // Count, score, and the verdicts of test 0 and test 1.
    const std::vector<std::tuple<int, int, std::string, std::string>> cases = {
        {0, 0, " No Responses. ", " No Responses. "},
        {2, 1, " Positive. Conflicting Responses. ", " Sociable. Conflicting Responses. "},
        {2, 0, " Unknown. Conflicting Responses. ", " Unknown. Conflicting Responses. "},
        {2, -1, " Negative. Conflicting Responses. ", " Dangerous. Conflicting Responses. "},
        {3, 3, " Positive. ", " Sociable. "},  // equal to the count: not conflicting
        {1, -1, " Negative. ", " Dangerous. "},
    };
    for (const auto& [count, score, test0, test1] : cases) {
        EXPECT_EQ(orv::Verdict(0, count, score), test0);
        EXPECT_EQ(orv::Verdict(1, count, score), test1);
    }
}

TEST(Scores, ReportOrderIsTheExchangeSortOfTheScalesCountingQuestions) {
    // Questions of scale 2 and 6, and the order of scale 2 with its strong count.
    std::vector<std::tuple<std::vector<Question>, Questions, int>> cases = {
        {{{1, 2, 1, 1}, {2, 2, 1, 1}, {3, 2, 1, 2}}, {3, 2, 1}, 1},
        {{{1, 2, 1, 1}, {2, 2, 1, 2}, {3, 2, 1, 2}}, {2, 3, 1}, 2},
        // Strong answers lowered by related answers: to 1 moves, to 0 drops.
        {{{1, 2, 1, 1}, {2, 2, 1, 0}, {3, 2, 1, 2}}, {3, 1}, 1},
        // Other scales and disagreed questions left out; reverse-scored kept.
        {{{1, 2, 1, 2}, {2, 6, 1, 2}, {3, 2, -1, 2}, {4, 2, 1, 0}, {5, 2, 1, 2}}, {1, 3, 5}, 3},
    };
    // More than 60: 1..61 moderately agreed, 62..65 strongly. Each strong
    // answer is exchanged with the first moderate one still ahead of it.
    std::vector<Question> many;
    Questions order = {62, 63, 64, 65};
    for (int n = 1; n <= 65; ++n) {
        many.push_back({n, 2, 1, n <= 61 ? 1 : 2});
        order.push_back(static_cast<std::int16_t>(n <= 57 ? n + 4 : n - 57));  // 5..61, 1..4
    }
    order.resize(65);
    cases.emplace_back(many, order, 4);
    for (const auto& [questions, ordered, nstrong] : cases) {
        auto record = MakeRecord(65, questions);
        const orv::ScaleResult result = orv::ScoreTest(*record, 0)[1];
        EXPECT_EQ(result.ordered, ordered);
        EXPECT_EQ(result.nstrong, nstrong);
        EXPECT_EQ(result.nmoderate, result.count() - nstrong);
    }
}

TEST(EvaluationText, WorkedExampleByteForByte) {
    const std::string expected =
        Header("2027") +
        Lines({"          Assessment of Individual Attributes:", "",
               "          Achievement Attitudes: Positive. ",
               "You are well organized, hard working, competitive, ambitious, persistent and ",
               "  thorough.  ", "You are also easily distracted.  ", ""}) +
        NoResponses({"Emotional Temperament:"}) +
        Lines({"          Energy Level: Negative. ", "You are restless.  ", ""}) +
        NoResponses({"Intellectual Factors:", "Material Attitudes:", "Maturity:",
                     "Philosophical Attitudes:", "Physical Attributes:", "Risk Attitudes:",
                     "Task Performance Attitudes:"});
    const auto record = MakeRecord(9, {{1, 1, 1, 2, "well organized"},
                                       {2, 1, 1, 2, "hard working"},
                                       {3, 1, -1, 1, "easily distracted"},
                                       {4, 1, 1, 2, "competitive"},
                                       {5, 1, 1, 2, "ambitious"},
                                       {6, 1, 1, 2, "persistent"},
                                       {7, 1, 1, 2, "thorough"},
                                       {8, 2, 1, 0, "calm"},
                                       {9, 3, -1, 1, "restless"}});
    EXPECT_EQ(orv::EvaluationText(*record, 0, 2027), expected);
}

TEST(EvaluationText, SecondTestHasItsOwnWordsOthersTheHeaderAlone) {
    const auto record = MakeRecord(
        3, {{1, 1, 1, 2, "tactful"}, {2, 10, -1, 2, "a loner"}, {3, 10, 1, 1, "a good sport"}});
    EXPECT_EQ(orv::EvaluationText(*record, 1, 2031),
              Header("2031") +
                  Lines({"          Assessment of Interpersonal and Social Attributes:", "",
                         "          Aggressiveness: Sociable. ", "You are tactful.  ", ""}) +
                  NoResponses({"Social Control Attitudes:", "Dependability:", "Egocentrism:",
                               "Emotional Expression:", "Fairness:", "Leadership:",
                               "Physical Appearance:", "Regard for Rules:"}) +
                  Lines({"          Team Spirit: Dangerous. Conflicting Responses. ",
                         "You are a loner.  ", "You are also a good sport.  ", ""}));
    EXPECT_EQ(orv::EvaluationText(*record, 2, 987), Header("0987"));
    EXPECT_GE(orv::CurrentYear(), 2025);
}

TEST(EvaluationText, SentencesBreakOnlyAfterASeparatorThatPassesSixtyThree) {
    const std::string p50(50, 'x'), p53(53, 'y'), p54(54, 'z'), p120(120, 'l'), p60(60, 's');
    // Opening, phrases, sentence.
    const std::vector<std::tuple<std::string, std::vector<std::string>, std::string>> cases = {
        {"You are ", {"calm"}, "You are calm.  \r\n"},
        {"You are also ", {"calm", "kind"}, "You are also calm and kind.  \r\n"},
        // 8 + 53 + ", " = 63 stays; 8 + 54 + ", " = 64 breaks.
        {"You are ", {p53, "a", "b"}, "You are " + p53 + ", a and \r\n  b.  \r\n"},
        {"You are ", {p54, "a", "b"}, "You are " + p54 + ", \r\n  a and b.  \r\n"},
        // " and " counts five; "You are also " thirteen.
        {"You are ", {p50, "end"}, "You are " + p50 + " and end.  \r\n"},
        {"You are also ", {p50, "end"}, "You are also " + p50 + " and \r\n  end.  \r\n"},
        // The last phrase never breaks the line.
        {"You are ", {"kind", p120}, "You are kind and " + p120 + ".  \r\n"},
        // A continuation line starts with two spaces and counts from 2:
        // 2 + 60 + ", " = 64 breaks again.
        {"You are ",
         {p60, p60, "a", "b"},
         "You are " + p60 + ", \r\n  " + p60 + ", \r\n  a and b.  \r\n"},
    };
    for (const auto& [opening, phrases, sentence] : cases) {
        EXPECT_EQ(orv::Sentence(opening, phrases), sentence);
    }
}

}  // namespace
