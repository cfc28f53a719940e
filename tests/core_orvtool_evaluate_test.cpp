#include <gtest/gtest.h>

#include "evaluation/core/evaluation_text.h"
#include "orvtool_runner.h"
#include "persistence/core/saved_responses.h"

namespace orv::testing {

const std::string kTen(10, ' '), kFifteen(15, ' ');

std::string Header(int year, const std::string& title) {
    return "\r\n\r\n" + kFifteen + "Orvane Personality Test \r\n" + kFifteen + "Copyright (c) " +
           std::to_string(year) + " Orvane Software\r\n\r\n" + kTen + "Assessment of " + title +
           ":\r\n\r\n";
}

std::string Block(const std::string& heading, const char* verdict = "No Responses. ",
                  const char* text = "Either you are not paying attention or you are a liar.") {
    return kTen + heading + ": " + verdict + "\r\n" + text + "\r\n\r\n";
}

const char* const kWorkedExample =
    "3\t.Copyright notice of this test\r\n"
    "1\tpunctual\t3\t2\t.I am always on time.\r\n"
    "2\tcalm\t0\t4-\t.I lose my temper easily.\r\n"
    "3\treliable\t0\t2\t.People can count on me.\r\n";

// The worked example answered 2, 1, 2 (answers 2, 1, 0), saved for either test.
struct Evaluate : ::testing::Test {
    TempFolder folder;
    const std::string evaluate = "evaluate " + folder.Write("orv0.dll", kWorkedExample) + " ";
    const std::string saved = FormatSavedResponses({3, {0, 2, 1}, {0, 0, 2, 0, 1}});
    const std::string mine0 = folder.Write("mine.0", saved), mine1 = folder.Write("mine.1", saved);
};

// --test wins over the extension; the year is this year unless --year names one.
TEST_F(Evaluate, WritesTheEvaluationTextOfTheTestNamed) {
    const ToolResult run = folder.Run(evaluate + mine0 + " --year 2027");
    EXPECT_EQ(run.out, Header(2027, "Individual Attributes") + Block("Achievement Attitudes") +
                           Block("Emotional Temperament", "Positive. ", "You are punctual.  ") +
                           Block("Energy Level") +
                           Block("Intellectual Factors", "Negative. ", "You are calm.  ") +
                           Block("Material Attitudes") + Block("Maturity") +
                           Block("Philosophical Attitudes") + Block("Physical Attributes") +
                           Block("Risk Attitudes") + Block("Task Performance Attitudes"));
    EXPECT_EQ(std::tie(run.err, run.exit_code), std::tuple("", 0));
    const std::string social = "Interpersonal and Social Attributes";
    EXPECT_TRUE(
        folder.Run(evaluate + "--test 1 " + mine0).out.starts_with(Header(CurrentYear(), social)));
    EXPECT_TRUE(
        folder.Run(evaluate + mine1 + " --year 2030").out.starts_with(Header(2030, social)));
}

// A failure in the files is a line on standard output; bad arguments print the usage.
TEST_F(Evaluate, ReportsFailuresAndRefusesBadArguments) {
    const std::string bad = folder.Write("bad.dll", "3\t.Copyright\r\n1\tx\t0\t2\t.Q\r\n\r\n");
    const std::string cut = folder.Write("cut.0", "3\r\n2\r\n1\r\n");
    for (const auto& [arguments, line] :
         {std::pair("evaluate " + bad + " " + mine0, bad + ":3: E02: Invalid Database Contents\n"),
          std::pair(evaluate + cut, cut + ": File could not be opened.\n")}) {
        const ToolResult run = folder.Run(arguments);
        EXPECT_EQ(std::tie(run.out, run.err, run.exit_code), std::tuple(line, "", 1));
    }
    const std::string usage =
        "usage: orvtool check FILE\n       orvtool evaluate [--test N] [--year YYYY] DB SAVED\n"
        "       orvtool --help | --version\n";
    const std::string files = evaluate + mine0;
    for (const std::string& arguments :
         {std::string("evaluate"), evaluate, files + " " + mine0, files + " --test 2",
          files + " --year 27", files + " --year 20x7", files + " --colour", files + " --test",
          evaluate + folder.Write("other.5", "")}) {
        const ToolResult run = folder.Run(arguments);
        EXPECT_EQ(std::tie(run.out, run.err, run.exit_code), std::tuple("", usage, 2)) << arguments;
    }
}

}  // namespace orv::testing
