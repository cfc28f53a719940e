// orvtool evaluate: the evaluation text of a database and a saved file, as
// the evaluation window would hold it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "evaluation/core/evaluation_text.h"

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int exit_code;
    std::string out;
    std::string err;
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// A saved file: question number, 250 answers, 10 scale counts.
std::string SavedFile(int qno, const std::vector<int>& answers, const std::vector<int>& counts) {
    std::vector<std::string> lines = {std::to_string(qno)};
    for (int slot = 1; slot <= 250; ++slot) {
        lines.push_back(
            std::to_string(slot <= static_cast<int>(answers.size()) ? answers[slot - 1] : 0));
    }
    for (int scale = 1; scale <= 10; ++scale) {
        lines.push_back(std::to_string(counts[scale - 1]));
    }
    return Lines(lines);
}

const std::string kDatabase = Lines({
    "3\t.Copyright notice of this test",
    "1\tpunctual\t3\t2\t.I am always on time.",
    "2\tcalm\t0\t4-\t.I lose my temper easily.",
    "3\treliable\t0\t2\t.People can count on me.",
});

// Strongly agreed with 1 (which lowers 3 by 2), moderately with 2, strongly
// with 3: the answers 2, 1 and 0.
const std::string kSaved = SavedFile(3, {2, 1, 0}, {0, 2, 0, 1, 0, 0, 0, 0, 0, 0});

const std::string kTen(10, ' ');
const std::string kFifteen(15, ' ');

std::string NoResponses(const std::string& heading) {
    return Lines({kTen + heading + " No Responses. ",
                  "Either you are not paying attention or you are a liar.", ""});
}

class OrvtoolEvaluate : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(::testing::TempDir()) / ("orvtool_evaluate_" + std::string(info->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        WriteBytes(dir_ / "orv0.dll", kDatabase);
        WriteBytes(dir_ / "mine.0", kSaved);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    ToolRun Evaluate(const std::vector<std::string>& args) const {
        std::string command = std::string("'") + ORVTOOL_PATH + "' evaluate";
        for (const std::string& arg : args) {
            command += " '" + arg + "'";
        }
        command += " >'" + Path("out.txt") + "' 2>'" + Path("err.txt") + "'";
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), ReadBytes(dir_ / "out.txt"), ReadBytes(dir_ / "err.txt")};
    }

    fs::path dir_;
};

const std::string kUsage =
    "usage: orvtool check FILE\n"
    "       orvtool evaluate [--test N] [--year YYYY] DB SAVED\n";

TEST_F(OrvtoolEvaluate, WritesTheEvaluationOfTheFirstTest) {
    const ToolRun run = Evaluate({"--year", "2027", Path("orv0.dll"), Path("mine.0")});
    const std::string expected =
        Lines({"", "", kFifteen + "Orvane Personality Test ",
               kFifteen + "Copyright (c) 2027 Orvane Software", "",
               kTen + "Assessment of Individual Attributes:", ""}) +
        NoResponses("Achievement Attitudes:") +
        Lines({kTen + "Emotional Temperament: Positive. ", "You are punctual.  ", ""}) +
        NoResponses("Energy Level:") +
        Lines({kTen + "Intellectual Factors: Negative. ", "You are calm.  ", ""}) +
        NoResponses("Material Attitudes:") + NoResponses("Maturity:") +
        NoResponses("Philosophical Attitudes:") + NoResponses("Physical Attributes:") +
        NoResponses("Risk Attitudes:") + NoResponses("Task Performance Attitudes:");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
}

TEST_F(OrvtoolEvaluate, TestOptionOverridesTheExtensionAndYearDefaultsToThisYear) {
    const ToolRun run = Evaluate({"--test", "1", Path("orv0.dll"), Path("mine.0")});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const std::string year = std::to_string(orv::CurrentYear());
    EXPECT_EQ(run.out.substr(0, 100),
              Lines({"", "", kFifteen + "Orvane Personality Test ",
                     kFifteen + "Copyright (c) " + year + " Orvane Software", "",
                     kTen + "Assessment of Interpersonal and Social Attributes:"})
                  .substr(0, 100));
    EXPECT_NE(run.out.find("\r\n" + kTen +
                           "Social Control Attitudes: Sociable. \r\n"
                           "You are punctual.  \r\n\r\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\r\n" + kTen + "Egocentrism: Dangerous. \r\nYou are calm.  \r\n\r\n"),
              std::string::npos);
}

TEST_F(OrvtoolEvaluate, SecondTestFromTheExtension) {
    WriteBytes(dir_ / "theirs.1", kSaved);
    const ToolRun run = Evaluate({"--year", "2030", Path("orv0.dll"), Path("theirs.1")});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find(kTen + "Assessment of Interpersonal and Social Attributes:\r\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("Copyright (c) 2030 Orvane Software\r\n"), std::string::npos);
}

TEST_F(OrvtoolEvaluate, DatabaseFailuresNameFileLineAndMessage) {
    const std::string db = Path("bad.dll");
    WriteBytes(db, Lines({"3\t.Copyright notice", "1\tpunctual\t0\t2\t.I am always on time.",
                          "2\tcalm\t0\t4-\tI lose my temper easily."}));
    ToolRun run = Evaluate({db, Path("mine.0")});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.out, db + ":3: E02: Invalid Database Contents\n");
    EXPECT_EQ(run.err, "");

    // Fewer records than the header's total: the end of the file is reported.
    WriteBytes(db, Lines({"4\t.Copyright notice", "1\tpunctual\t0\t2\t.I am always on time."}));
    run = Evaluate({db, Path("mine.0")});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.out, db + ":3: E03B: Invalid Database Contents.\n");

    run = Evaluate({Path("missing.dll"), Path("mine.0")});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.out, Path("missing.dll") + ": File not found.\n");
}

TEST_F(OrvtoolEvaluate, SavedFilesThatDoNotLoadAreReported) {
    WriteBytes(dir_ / "short.0", Lines({"3", "2", "1"}));
    WriteBytes(dir_ / "wrong.0", SavedFile(3, {2, 7, 0}, {0, 2, 0, 1, 0, 0, 0, 0, 0, 0}));
    for (const std::string name : {"short.0", "wrong.0", "absent.0"}) {
        const ToolRun run = Evaluate({Path("orv0.dll"), Path(name)});
        EXPECT_EQ(run.exit_code, 1) << name;
        EXPECT_EQ(run.out, Path(name) + ": File could not be opened.\n");
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(OrvtoolEvaluate, BadArgumentsPrintTheUsage) {
    WriteBytes(dir_ / "other.5", kSaved);
    const std::vector<std::vector<std::string>> cases = {
        {},
        {Path("orv0.dll")},
        {Path("orv0.dll"), Path("mine.0"), Path("mine.0")},
        {"--test", "2", Path("orv0.dll"), Path("mine.0")},
        {"--year", "27", Path("orv0.dll"), Path("mine.0")},
        {"--year", "20x7", Path("orv0.dll"), Path("mine.0")},
        {"--colour", Path("orv0.dll"), Path("mine.0")},
        {Path("orv0.dll"), Path("mine.0"), "--test"},
        {Path("orv0.dll"), Path("other.5")},
    };
    for (const auto& args : cases) {
        const ToolRun run = Evaluate(args);
        EXPECT_EQ(run.exit_code, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(run.err, kUsage);
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
