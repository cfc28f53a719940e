// The evaluation text: header, scale blocks, verdict lines and the sentences
// of trait phrases with their line breaks.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "evaluation/core/evaluation_text.h"

namespace {

struct Question {
    int number;
    int scale;
    int dir;
    const char* phrase;
    int ans;
};

std::unique_ptr<orv::TestRecord> MakeRecord(int totalq, const std::vector<Question>& questions) {
    auto record = std::make_unique<orv::TestRecord>();
    record->totalq = static_cast<std::int16_t>(totalq);
    for (const Question& q : questions) {
        record->qscale[q.number] = static_cast<std::int16_t>(q.scale);
        record->qdir[q.number] = static_cast<std::int16_t>(q.dir);
        record->qdesc[q.number] = q.phrase;
        record->ans[q.number] = static_cast<std::int16_t>(q.ans);
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

const std::string kTen(10, ' ');
const std::string kFifteen(15, ' ');

const std::string kHeader2027 = Lines({"", "", kFifteen + "Orvane Personality Test ",
                                       kFifteen + "Copyright (c) 2027 Orvane Software", ""});

std::string NoResponses(const std::string& heading) {
    return Lines({kTen + heading + " No Responses. ",
                  "Either you are not paying attention or you are a liar.", ""});
}

// The block of scale `scale` from a whole evaluation text.
std::string BlockOf(const std::string& text, const std::string& heading) {
    const std::size_t start = text.find(kTen + heading);
    EXPECT_NE(start, std::string::npos) << heading;
    const std::size_t end = text.find("\r\n\r\n", start);
    return text.substr(start, end + 4 - start);
}

TEST(EvaluationText, WorkedExampleByteForByte) {
    auto record = MakeRecord(9, {{1, 1, 1, "well organized", 2},
                                 {2, 1, 1, "hard working", 2},
                                 {3, 1, -1, "easily distracted", 1},
                                 {4, 1, 1, "competitive", 2},
                                 {5, 1, 1, "ambitious", 2},
                                 {6, 1, 1, "persistent", 2},
                                 {7, 1, 1, "thorough", 2},
                                 {8, 2, 1, "calm", 0},
                                 {9, 3, -1, "restless", 1}});
    const std::string expected =
        kHeader2027 +
        Lines({kTen + "Assessment of Individual Attributes:", "",
               kTen + "Achievement Attitudes: Positive. ",
               "You are well organized, hard working, competitive, ambitious, persistent and ",
               "  thorough.  ", "You are also easily distracted.  ", ""}) +
        NoResponses("Emotional Temperament:") +
        Lines({kTen + "Energy Level: Negative. ", "You are restless.  ", ""}) +
        NoResponses("Intellectual Factors:") + NoResponses("Material Attitudes:") +
        NoResponses("Maturity:") + NoResponses("Philosophical Attitudes:") +
        NoResponses("Physical Attributes:") + NoResponses("Risk Attitudes:") +
        NoResponses("Task Performance Attitudes:");

    EXPECT_EQ(orv::EvaluationText(*record, 0, 2027), expected);
    EXPECT_EQ(record->sscore[1], 11);
    EXPECT_EQ(record->sscore[3], -1);
}

TEST(EvaluationText, SecondTestHasItsOwnHeadingsAndVerdictWords) {
    auto record = MakeRecord(
        3, {{1, 1, 1, "tactful", 2}, {2, 10, -1, "a loner", 2}, {3, 10, 1, "a good sport", 1}});
    const std::string text = orv::EvaluationText(*record, 1, 2031);
    const std::vector<std::string> headings = {
        "Aggressiveness:", "Social Control Attitudes:", "Dependability:",
        "Egocentrism:",    "Emotional Expression:",     "Fairness:",
        "Leadership:",     "Physical Appearance:",      "Regard for Rules:",
        "Team Spirit:"};
    std::string expected = Lines({"", "", kFifteen + "Orvane Personality Test ",
                                  kFifteen + "Copyright (c) 2031 Orvane Software", "",
                                  kTen + "Assessment of Interpersonal and Social Attributes:", "",
                                  kTen + "Aggressiveness: Sociable. ", "You are tactful.  ", ""});
    for (std::size_t k = 1; k < 9; ++k) {
        expected += NoResponses(headings[k]);
    }
    expected += Lines({kTen + "Team Spirit: Dangerous. Conflicting Responses. ",
                       "You are a loner.  ", "You are also a good sport.  ", ""});
    EXPECT_EQ(text, expected);
}

TEST(EvaluationText, OtherTestNumbersGiveTheHeaderAloneButStillScore) {
    auto record = MakeRecord(1, {{1, 4, 1, "tidy", 2}});
    EXPECT_EQ(orv::EvaluationText(*record, 2, 2027), kHeader2027);
    EXPECT_EQ(record->sscore[4], 2);
    EXPECT_EQ(orv::EvaluationText(*record, -1, 987),
              Lines({"", "", kFifteen + "Orvane Personality Test ",
                     kFifteen + "Copyright (c) 0987 Orvane Software", ""}));
    EXPECT_FALSE(orv::HasScaleBlocks(999));
}

TEST(ScaleBlocks, OpeningsFollowTheStrongAndModerateSplit) {
    // Scale 1 all strong: one sentence. Scale 2 all moderate: "You are ".
    // Scale 3: answers 1, 1, 2 reported as c, then b, a.
    auto record = MakeRecord(8, {{1, 1, 1, "bold", 2},
                                 {2, 1, 1, "brave", 2},
                                 {3, 2, 1, "shy", 1},
                                 {4, 2, 1, "quiet", 1},
                                 {5, 2, 1, "gentle", 1},
                                 {6, 3, 1, "a", 1},
                                 {7, 3, 1, "b", 1},
                                 {8, 3, 1, "c", 2}});
    const std::string text = orv::EvaluationText(*record, 0, 2027);
    EXPECT_EQ(BlockOf(text, "Achievement Attitudes:"),
              Lines({kTen + "Achievement Attitudes: Positive. ", "You are bold and brave.  ", ""}));
    EXPECT_EQ(BlockOf(text, "Emotional Temperament:"),
              Lines({kTen + "Emotional Temperament: Positive. ", "You are shy, quiet and gentle.  ",
                     ""}));
    EXPECT_EQ(
        BlockOf(text, "Energy Level:"),
        Lines({kTen + "Energy Level: Positive. ", "You are c.  ", "You are also b and a.  ", ""}));
}

TEST(Sentences, SeparatorsByNumberOfPhrases) {
    EXPECT_EQ(orv::Sentence("You are ", {"calm"}), "You are calm.  \r\n");
    EXPECT_EQ(orv::Sentence("You are also ", {"calm", "kind"}),
              "You are also calm and kind.  \r\n");
    EXPECT_EQ(orv::Sentence("You are ", {"calm", "kind", "wise", "fair"}),
              "You are calm, kind, wise and fair.  \r\n");
}

TEST(Sentences, BreakOnlyWhenTheLinePassesSixtyThreeAfterASeparator) {
    const std::string p50(50, 'x');  // "You are " + 50 + ", " = 60
    const std::string p53(53, 'y');  // "You are " + 53 + ", " = 63: no break
    const std::string p54(54, 'z');  // "You are " + 54 + ", " = 64: break
    EXPECT_EQ(orv::Sentence("You are ", {p53, "a", "b"}),
              "You are " + p53 + ", a and \r\n  b.  \r\n");
    EXPECT_EQ(orv::Sentence("You are ", {p54, "a", "b"}),
              "You are " + p54 + ", \r\n  a and b.  \r\n");
    // " and " counts five: 8 + 50 + 5 = 63 stays, 8 + 51 + 5 = 64 breaks.
    EXPECT_EQ(orv::Sentence("You are ", {p50, "end"}), "You are " + p50 + " and end.  \r\n");
    EXPECT_EQ(orv::Sentence("You are ", {p50 + "q", "end"}),
              "You are " + p50 + "q and \r\n  end.  \r\n");
    // "You are also " is 13 long.
    const std::string p45(45, 'w');
    EXPECT_EQ(orv::Sentence("You are also ", {p45, "a"}), "You are also " + p45 + " and a.  \r\n");
    EXPECT_EQ(orv::Sentence("You are also ", {p45 + "w", "a"}),
              "You are also " + p45 + "w and \r\n  a.  \r\n");
}

TEST(Sentences, TheLastPhraseNeverBreaks) {
    const std::string long_phrase(120, 'l');
    EXPECT_EQ(orv::Sentence("You are ", {long_phrase}), "You are " + long_phrase + ".  \r\n");
    EXPECT_EQ(orv::Sentence("You are ", {"kind", long_phrase}),
              "You are kind and " + long_phrase + ".  \r\n");
}

TEST(Sentences, ContinuationLinesCountFromTwo) {
    // Every phrase is 20 long; after a break the line holds "  " and counts 2.
    const std::string p(20, 'p');
    std::vector<std::string> phrases(8, p);
    // Line 1: 8 + 22 + 22 + 22 = 74 > 63 after the third separator.
    // Line 2: 2 + 22 + 22 + 22 = 68 > 63 after the sixth.
    // Line 3: 2 + 20 + 5 = 27, then the last phrase.
    const std::string expected = "You are " + p + ", " + p + ", " + p + ", \r\n  " + p + ", " + p +
                                 ", " + p + ", \r\n  " + p + " and " + p + ".  \r\n";
    EXPECT_EQ(orv::Sentence("You are ", phrases), expected);
}

TEST(Header, TitleAndNoticeLines) {
    EXPECT_EQ(orv::EvaluationHeader(2027), kHeader2027);
    EXPECT_EQ(orv::EvaluationHeader(1999).substr(2 + 2 + 15 + 24 + 2),
              kFifteen + "Copyright (c) 1999 Orvane Software\r\n\r\n");
}

TEST(Header, CurrentYearIsPlausible) {
    const int year = orv::CurrentYear();
    EXPECT_GE(year, 2024);
    EXPECT_LE(year, 9999);
}

}  // namespace
