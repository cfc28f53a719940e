// The content shipped in data/: the two test databases and the help file,
// read here with the standard library alone, apart from the program's reader,
// so that a broken file is caught before it reaches a user.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadData(const std::string& name) {
    std::ifstream in(std::string(ORV_DATA_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Number, trait phrase (up to 32 characters), "0" or the related questions,
// scale ("-" when reverse-keyed), "." and the question text (up to 110
// printable characters, ending with a full stop), by TABs, and the CR.
const std::regex kRecord(
    R"(([1-9]\d{0,2})\t((?=[^\t]{1,32}\t)[a-z0-9'-]+(?: [a-z0-9'-]+)*))"
    R"(\t(0|[1-9]\d{0,2}(?:,[1-9]\d{0,2})*)\t([1-9]|10)(-?)\t\.(?=[ -~]{2,110}\r$)[!-~][ -~]*\.\r)");

struct Question {
    int scale;
    bool reverse;
    std::string phrase;
    std::vector<int> related;
};

// The header line and questions 1, 2, ... in order, every line ended by CR LF.
struct ShippedDatabase : testing::TestWithParam<std::pair<const char*, const char*>> {
    void SetUp() override {
        std::istringstream in(ReadData(GetParam().first));
        ASSERT_TRUE(std::getline(in, header) && header.ends_with('\r'));
        for (std::string line; std::getline(in, line);) {
            std::smatch m;
            ASSERT_TRUE(in.good() && std::regex_match(line, m, kRecord)) << line;
            ASSERT_EQ(std::stoul(m[1]), questions.size() + 1);
            questions.push_back({std::stoi(m[4]), m[5] == "-", m[2], {}});
            std::istringstream items(m[3]);
            for (std::string item; std::getline(items, item, ',') && item != "0";) {
                questions.back().related.push_back(std::stoi(item));
            }
        }
        ASSERT_EQ(questions.size(), 150u);
    }
    std::string header;
    std::vector<Question> questions;
};

TEST_P(ShippedDatabase, HeaderTotalsTheQuestionsAndPhrasesAreUnique) {
    EXPECT_EQ(header, std::string("150\t.Copyright (c) 2026 Orvane Software. Test of ") +
                          GetParam().second + "\r");
    std::set<std::string> phrases;
    for (const Question& q : questions) {
        EXPECT_TRUE(phrases.insert(q.phrase).second) << q.phrase;
    }
}

TEST_P(ShippedDatabase, ScalesHoldFifteenQuestionsWithNoNeighbourOnTheSameScale) {
    std::vector<int> count(11), reverse(11);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        ++count[questions[i].scale];
        reverse[questions[i].scale] += questions[i].reverse ? 1 : 0;
        EXPECT_TRUE(i == 0 || questions[i].scale != questions[i - 1].scale) << i + 1;
    }
    for (int scale = 1; scale <= 10; ++scale) {
        EXPECT_EQ(count[scale], 15) << scale;
        EXPECT_GE(reverse[scale], 4) << scale;
    }
}

TEST_P(ShippedDatabase, RelatedQuestionsAreMutualAndOnTheSameScale) {
    int pairs = 0;
    for (int number = 1; number <= 150; ++number) {
        const std::vector<int>& related = questions[number - 1].related;
        SCOPED_TRACE(number);
        EXPECT_LE(related.size(), 6u);  // the reader keeps six
        EXPECT_EQ(std::set<int>(related.begin(), related.end()).size(), related.size());
        for (const int other : related) {
            ASSERT_TRUE(other >= 1 && other <= 150 && other != number) << other;
            const Question& partner = questions[other - 1];
            EXPECT_EQ(partner.scale, questions[number - 1].scale) << other;
            const bool back = std::count(partner.related.begin(), partner.related.end(), number);
            EXPECT_TRUE(back) << other << " does not list it back";
            pairs += back && number < other ? 1 : 0;
        }
    }
    EXPECT_GE(pairs, 12);
}

INSTANTIATE_TEST_SUITE_P(BothTests, ShippedDatabase,
                         testing::Values(std::pair{"orv0.dll", "Individual Attributes."},
                                         std::pair{"orv1.dll",
                                                   "Interpersonal and Social Attributes."}));

TEST(HelpFile, NamesScalesVerdictsAndAnswersInTwelveHundredToThreeThousandWords) {
    const std::string html = ReadData("orvtest.hlp");
    std::istringstream needed(
        "<title>Introduction to Personality Analysis</title>|</head>|</html>|I strongly agree|"
        "I moderately agree|I disagree|not a clinical or psychological assessment|"
        "Test of Individual Attributes|Test of Interpersonal and Social Attributes|"
        "Achievement Attitudes</h3>|Emotional Temperament</h3>|Energy Level</h3>|"
        "Intellectual Factors</h3>|Material Attitudes</h3>|Maturity</h3>|"
        "Philosophical Attitudes</h3>|Physical Attributes</h3>|Risk Attitudes</h3>|"
        "Task Performance Attitudes</h3>|Aggressiveness</h3>|Dependability</h3>|"
        "Social Control Attitudes</h3>|Egocentrism</h3>|Emotional Expression</h3>|"
        "Fairness</h3>|Leadership</h3>|Physical Appearance</h3>|Team Spirit</h3>|"
        "Regard for Rules</h3>|<b>Positive</b>|<b>Negative</b>|<b>Sociable</b>|"
        "<b>Dangerous</b>|<b>Unknown</b>|<b>Conflicting Responses</b>|<b>No Responses</b>");
    for (std::string text; std::getline(needed, text, '|');) {
        EXPECT_NE(html.find(text), std::string::npos) << text;
    }
    // Words a reader sees: what is not a tag, from the end of the head on.
    const std::string body =
        std::regex_replace(html.substr(html.find("</head>") + 7), std::regex("<[^>]*>"), " ");
    const std::regex word(R"(\S*[A-Za-z0-9]\S*)");
    const auto words =
        std::distance(std::sregex_iterator(body.begin(), body.end(), word), std::sregex_iterator());
    EXPECT_GE(words, 1200);
    EXPECT_LE(words, 3000);
}

}  // namespace
