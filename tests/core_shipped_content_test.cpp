// Checks the content shipped in data/: the two test databases (orv0.dll,
// orv1.dll) and the help file (orvtest.hlp). The databases are parsed here
// with the standard library alone, independently of the program's reader, so
// that a broken file is caught before it reaches a user.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#ifndef ORV_DATA_DIR
#error "ORV_DATA_DIR must name the folder that holds the shipped data files"
#endif

namespace {

constexpr int kScales = 10;
constexpr int kQuestionsPerScale = 15;
constexpr int kMinReversePerScale = 4;
constexpr int kMinMutualPairs = 12;
constexpr std::size_t kMaxPhraseLength = 32;
constexpr std::size_t kMaxTextLength = 110;
constexpr std::size_t kMaxRelatedItems = 6;  // the reader keeps six at most

std::string dataPath(const std::string& name) {
    return std::string(ORV_DATA_DIR) + "/" + name;
}

std::optional<std::string> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Record {
    int line = 0;  // 1-based line number in the file
    int number = 0;
    std::string phrase;
    std::string relatedField;
    std::vector<int> related;  // empty when the field is "0"
    int scale = 0;
    bool reverse = false;
    std::string text;

    std::string where() const {
        return "question " + std::to_string(number) + " (line " + std::to_string(line) + ")";
    }
};

struct Database {
    std::string bytes;
    std::vector<std::string> lines;  // split at CR LF, terminators removed
    std::vector<Record> records;
    std::vector<std::string> problems;  // records that could not be parsed
};

bool allDigits(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto pos = s.find(sep, start);
        if (pos == std::string::npos) {
            parts.push_back(s.substr(start));
            return parts;
        }
        parts.push_back(s.substr(start, pos - start));
        start = pos + 1;
    }
}

// Parses one question record; on failure returns a reason.
std::optional<std::string> parseRecord(const std::string& line, Record& rec) {
    const auto fields = split(line, '\t');
    if (fields.size() != 5) {
        return "has " + std::to_string(fields.size() - 1) + " TABs instead of 4";
    }
    if (!allDigits(fields[0]) || fields[0].size() > 3) {
        return "has a question number that is not a plain number: '" + fields[0] + "'";
    }
    rec.number = std::stoi(fields[0]);
    rec.phrase = fields[1];
    rec.relatedField = fields[2];
    if (rec.relatedField != "0") {
        for (const auto& item : split(rec.relatedField, ',')) {
            if (!allDigits(item) || item.size() > 3) {
                return "has a related list that is not '0' or numbers: '" + rec.relatedField + "'";
            }
            rec.related.push_back(std::stoi(item));
        }
    }
    std::string scale = fields[3];
    if (!scale.empty() && scale.back() == '-') {
        rec.reverse = true;
        scale.pop_back();
    }
    if (!allDigits(scale) || scale.size() > 2) {
        return "has a scale field that is not a number with an optional trailing '-': '" +
               fields[3] + "'";
    }
    rec.scale = std::stoi(scale);
    if (fields[4].empty() || fields[4].front() != '.') {
        return "has no '.' before its question text";
    }
    rec.text = fields[4].substr(1);
    return std::nullopt;
}

Database loadDatabase(const std::string& path) {
    Database db;
    auto bytes = readBytes(path);
    if (!bytes) {
        db.problems.push_back("cannot open " + path);
        return db;
    }
    db.bytes = std::move(*bytes);
    std::string::size_type start = 0;
    while (start < db.bytes.size()) {
        const auto end = db.bytes.find("\r\n", start);
        if (end == std::string::npos) {
            db.lines.push_back(db.bytes.substr(start));  // unterminated last line
            break;
        }
        db.lines.push_back(db.bytes.substr(start, end - start));
        start = end + 2;
    }
    for (std::size_t i = 1; i < db.lines.size(); ++i) {
        Record rec;
        rec.line = static_cast<int>(i) + 1;
        if (auto problem = parseRecord(db.lines[i], rec)) {
            db.problems.push_back("line " + std::to_string(rec.line) + " " + *problem);
        } else {
            db.records.push_back(std::move(rec));
        }
    }
    return db;
}

struct ShippedTest {
    const char* file;
    const char* header;  // the exact first line, without its CR LF
    int total;
};

std::ostream& operator<<(std::ostream& os, const ShippedTest& t) {
    return os << t.file;
}

const std::array<ShippedTest, 2> kShippedTests = {{
    {"orv0.dll", "150\t.Copyright (c) 2026 Orvane Software. Test of Individual Attributes.", 150},
    {"orv1.dll",
     "150\t.Copyright (c) 2026 Orvane Software. Test of Interpersonal and Social Attributes.", 150},
}};

class ShippedDatabase : public ::testing::TestWithParam<ShippedTest> {
  protected:
    void SetUp() override {
        db_ = loadDatabase(dataPath(GetParam().file));
        ASSERT_FALSE(db_.bytes.empty()) << GetParam().file << " is missing or empty";
    }

    // Question number -> record, for the related-question checks.
    std::map<int, const Record*> byNumber() const {
        std::map<int, const Record*> map;
        for (const auto& rec : db_.records) {
            map.emplace(rec.number, &rec);
        }
        return map;
    }

    Database db_;
};

TEST_P(ShippedDatabase, EveryLineEndsWithCrLfAndNoLoneCrOrLf) {
    const std::string& b = db_.bytes;
    std::vector<int> loneCr;
    std::vector<int> loneLf;
    int line = 1;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] == '\r' && (i + 1 == b.size() || b[i + 1] != '\n')) {
            loneCr.push_back(line);
        } else if (b[i] == '\n') {
            if (i == 0 || b[i - 1] != '\r') {
                loneLf.push_back(line);
            }
            ++line;
        }
    }
    EXPECT_TRUE(loneCr.empty()) << loneCr.size() << " lone CR, the first on line "
                                << loneCr.front();
    EXPECT_TRUE(loneLf.empty()) << loneLf.size() << " lone LF, the first on line "
                                << loneLf.front();
    EXPECT_TRUE(b.size() >= 2 && b.compare(b.size() - 2, 2, "\r\n") == 0)
        << "the last line does not end with CR LF";
    for (std::size_t i = 0; i < db_.lines.size(); ++i) {
        EXPECT_FALSE(db_.lines[i].empty()) << "line " << i + 1 << " is empty";
    }
}

TEST_P(ShippedDatabase, HeaderIsExactAndItsTotalMatchesTheRecords) {
    ASSERT_FALSE(db_.lines.empty());
    const std::string& header = db_.lines.front();
    EXPECT_TRUE(header == GetParam().header) << "header is \"" << header.substr(0, 120)
                                             << "\"\n expected \"" << GetParam().header << "\"";

    const auto tab = header.find('\t');
    ASSERT_NE(tab, std::string::npos) << "the header has no TAB";
    const std::string total = header.substr(0, tab);
    ASSERT_TRUE(allDigits(total)) << "the header total is not a number: '" << total << "'";
    EXPECT_EQ(header.compare(tab, 11, "\t.Copyright"), 0)
        << "the notice must start with \"Copyright\"";
    EXPECT_EQ(std::stoi(total), GetParam().total);
    EXPECT_EQ(static_cast<int>(db_.lines.size()) - 1, std::stoi(total))
        << "header total differs from the number of record lines";
}

TEST_P(ShippedDatabase, EveryRecordHasFiveWellFormedFields) {
    for (const auto& problem : db_.problems) {
        ADD_FAILURE() << problem;
    }
}

TEST_P(ShippedDatabase, QuestionsAreNumberedOneToTotalInOrder) {
    ASSERT_EQ(static_cast<int>(db_.records.size()), GetParam().total);
    for (std::size_t i = 0; i < db_.records.size(); ++i) {
        EXPECT_EQ(db_.records[i].number, static_cast<int>(i) + 1)
            << "on line " << db_.records[i].line;
    }
}

TEST_P(ShippedDatabase, ScalesAreBalancedAndInterleaved) {
    std::map<int, int> perScale;
    std::map<int, int> reversePerScale;
    const Record* previous = nullptr;
    for (const auto& rec : db_.records) {
        SCOPED_TRACE(rec.where());
        EXPECT_TRUE(rec.scale >= 1 && rec.scale <= kScales)
            << "scale " << rec.scale << " is outside 1..10";
        ++perScale[rec.scale];
        if (rec.reverse) {
            ++reversePerScale[rec.scale];
        }
        if (previous != nullptr) {
            EXPECT_NE(rec.scale, previous->scale)
                << "shares scale " << rec.scale << " with its neighbour " << previous->where();
        }
        previous = &rec;
    }
    for (int scale = 1; scale <= kScales; ++scale) {
        EXPECT_EQ(perScale[scale], kQuestionsPerScale) << "questions on scale " << scale;
        EXPECT_GE(reversePerScale[scale], kMinReversePerScale)
            << "reverse-keyed questions on scale " << scale;
    }
}

TEST_P(ShippedDatabase, RelatedQuestionsAreMutualAndOnTheSameScale) {
    const auto records = byNumber();
    const int total = GetParam().total;
    int mutualPairs = 0;
    for (const auto& rec : db_.records) {
        SCOPED_TRACE(rec.where());
        EXPECT_LE(rec.related.size(), kMaxRelatedItems)
            << "lists " << rec.related.size() << " related questions";
        std::set<int> seen;
        for (int other : rec.related) {
            EXPECT_TRUE(seen.insert(other).second) << "lists question " << other << " twice";
            EXPECT_NE(other, rec.number) << "lists itself as related";
            if (other < 1 || other > total) {
                ADD_FAILURE() << "lists related question " << other << " outside 1.." << total;
                continue;
            }
            const auto it = records.find(other);
            if (it == records.end()) {
                ADD_FAILURE() << "lists related question " << other << " which has no record";
                continue;
            }
            const Record& partner = *it->second;
            EXPECT_EQ(partner.scale, rec.scale)
                << "is on scale " << rec.scale << " but related " << partner.where()
                << " is on scale " << partner.scale;
            const bool listsBack = std::find(partner.related.begin(), partner.related.end(),
                                             rec.number) != partner.related.end();
            EXPECT_TRUE(listsBack)
                << "lists " << partner.where() << ", which does not list it back";
            if (listsBack && rec.number < other) {
                ++mutualPairs;
            }
        }
    }
    EXPECT_GE(mutualPairs, kMinMutualPairs) << "too few contradicting pairs";
}

TEST_P(ShippedDatabase, TraitPhrasesAreShortLowerCaseAndUnique) {
    std::map<std::string, int> firstUse;
    for (const auto& rec : db_.records) {
        SCOPED_TRACE(rec.where());
        const std::string& p = rec.phrase;
        EXPECT_FALSE(p.empty()) << "has no trait phrase";
        EXPECT_LE(p.size(), kMaxPhraseLength) << "trait phrase '" << p << "' is too long";
        const bool allowed = std::all_of(p.begin(), p.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' ||
                   c == '\'';
        });
        EXPECT_TRUE(allowed) << "trait phrase '" << p
                             << "' has a character other than a-z, 0-9, space, - or '";
        if (!p.empty()) {
            EXPECT_TRUE(p.front() != ' ' && p.back() != ' ' && p.find("  ") == std::string::npos)
                << "trait phrase '" << p << "' has stray spaces";
        }
        const auto [it, inserted] = firstUse.emplace(p, rec.number);
        EXPECT_TRUE(inserted) << "trait phrase '" << p << "' is already used by question "
                              << it->second;
    }
}

TEST_P(ShippedDatabase, QuestionTextsArePrintableAsciiStatements) {
    for (const auto& rec : db_.records) {
        SCOPED_TRACE(rec.where());
        const std::string& t = rec.text;
        ASSERT_FALSE(t.empty()) << "has no question text";
        EXPECT_LE(t.size(), kMaxTextLength)
            << "question text is " << t.size() << " characters long";
        const bool printable =
            std::all_of(t.begin(), t.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
        EXPECT_TRUE(printable) << "question text has a TAB, control or non-ASCII character: " << t;
        EXPECT_EQ(t.back(), '.') << "question text does not end with a full stop: " << t;
        EXPECT_NE(t.front(), ' ') << "question text starts with a space: " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(BothTests, ShippedDatabase, ::testing::ValuesIn(kShippedTests),
                         [](const ::testing::TestParamInfo<ShippedTest>& info) {
                             return info.index == 0 ? std::string("IndividualAttributes")
                                                    : std::string("InterpersonalAttributes");
                         });

// ---------------------------------------------------------------------------
// Help file

// Text a reader sees: the body with every tag replaced by a space.
std::string visibleText(const std::string& html) {
    std::string body = html;
    const auto headEnd = body.find("</head>");
    if (headEnd != std::string::npos) {
        body.erase(0, headEnd + 7);
    }
    std::string text;
    bool inTag = false;
    for (char c : body) {
        if (c == '<') {
            inTag = true;
            text += ' ';
        } else if (c == '>') {
            inTag = false;
        } else if (!inTag) {
            text += c;
        }
    }
    return text;
}

int countWords(const std::string& text) {
    std::istringstream in(text);
    std::string token;
    int words = 0;
    while (in >> token) {
        if (std::any_of(token.begin(), token.end(),
                        [](unsigned char c) { return std::isalnum(c) != 0; })) {
            ++words;
        }
    }
    return words;
}

class HelpFile : public ::testing::Test {
  protected:
    void SetUp() override {
        auto bytes = readBytes(dataPath("orvtest.hlp"));
        ASSERT_TRUE(bytes.has_value()) << "orvtest.hlp is missing from " << ORV_DATA_DIR;
        html_ = std::move(*bytes);
    }
    std::string html_;
};

TEST_F(HelpFile, IsAsciiHtmlWithTheIntroductionTitle) {
    const auto bad = std::find_if(html_.begin(), html_.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u > 0x7E || (u < 0x20 && c != '\n' && c != '\r' && c != '\t');
    });
    EXPECT_EQ(bad, html_.end()) << "non-ASCII or control byte at offset " << (bad - html_.begin());
    EXPECT_TRUE(contains(html_, "<title>Introduction to Personality Analysis</title>"));
    EXPECT_TRUE(contains(html_, "<h1>Introduction to Personality Analysis</h1>"));
    EXPECT_TRUE(contains(html_, "</html>")) << "the document is not closed";
}

TEST_F(HelpFile, NamesEveryScaleOfBothTests) {
    const std::array<const char*, 20> scales = {
        "Achievement Attitudes",
        "Emotional Temperament",
        "Energy Level",
        "Intellectual Factors",
        "Material Attitudes",
        "Maturity",
        "Philosophical Attitudes",
        "Physical Attributes",
        "Risk Attitudes",
        "Task Performance Attitudes",
        "Aggressiveness",
        "Social Control Attitudes",
        "Dependability",
        "Egocentrism",
        "Emotional Expression",
        "Fairness",
        "Leadership",
        "Physical Appearance",
        "Regard for Rules",
        "Team Spirit",
    };
    for (const char* name : scales) {
        EXPECT_TRUE(contains(html_, std::string("<h3>") + name + "</h3>"))
            << "no heading for the scale " << name;
    }
    EXPECT_TRUE(contains(html_, "Test of Individual Attributes"));
    EXPECT_TRUE(contains(html_, "Test of Interpersonal and Social Attributes"));
}

TEST_F(HelpFile, ExplainsVerdictsAnswersAndLimits) {
    const std::array<const char*, 7> verdicts = {
        "Positive",     "Negative", "Sociable", "Dangerous", "Unknown", "Conflicting Responses",
        "No Responses",
    };
    for (const char* word : verdicts) {
        EXPECT_TRUE(contains(html_, std::string("<b>") + word + "</b>"))
            << "the verdict " << word << " is not explained";
    }
    for (const char* answer : {"I strongly agree", "I moderately agree", "I disagree"}) {
        EXPECT_TRUE(contains(html_, answer)) << "the answer \"" << answer << "\" is not named";
    }
    EXPECT_TRUE(contains(html_, "not a clinical or psychological assessment"));
}

TEST_F(HelpFile, VisibleTextHasBetween1200And2000Words) {
    const int words = countWords(visibleText(html_));
    EXPECT_GE(words, 1200);
    EXPECT_LE(words, 2000);
}

TEST(HelpFileWordCount, CountsOnlyTextOutsideTags) {
    EXPECT_EQ(
        countWords(visibleText("<html><head><title>Not shown</title></head><body><p>One <b>two</b>"
                               "</p><ul><li>three - four</li></ul></body></html>")),
        4);
}

}  // namespace
