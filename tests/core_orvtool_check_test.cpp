#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "app/core/program_identity.h"
#include "orvtool_runner.h"
#include "tools/commands.h"

namespace orv::testing {

std::string Records(int first, int last, const char* scale = "1") {
    std::string text;
    for (int i = first; i <= last; ++i) text += std::to_string(i) + "\tp\t0\t" + scale + "\t.Q\r\n";
    return text;
}

TEST(OrvtoolCheck, PrintsOneLinePerFindingThenTheCountOrTheFirstFailure) {
    const std::string h3 = "3\t.Copyright\r\n";
    const std::tuple<int, std::string, std::vector<std::string>> cases[] = {
        {0, h3 + Records(1, 3) + "garbage\r\n", {": 3 questions"}},  // read to the end record
        {1, "", {":1: E02B: Invalid Database Contents."}},
        {1, "3\t.copyright\r\n", {":1: E01: Invalid Database File"}},
        {1, "x\t.Copyright\r\n", {":1: E01A: Invalid Database Contents."}},
        {1, h3 + Records(1, 1) + "\r\n", {":3: E02: Invalid Database Contents"}},
        {1, h3 + Records(1, 2) + "3\tx\t0\t12\t.Q\r\n", {":4: E03: Invalid Database Contents"}},
        {1, h3 + Records(1, 2), {":4: E03B: Invalid Database Contents."}},
        {0,
         "4\t.Copyright\r\n1\t\t0\t1\t.Q\r\n3\tb\t5,3\t0\t.Q\r\n4\tc\t1\t2\t.Q\r\n",
         {":1: warning: header total 4 differs from the 3 questions read",
          ":2: warning: empty trait phrase", ":3: warning: question number 3 follows 1",
          ":3: warning: scale 0 is never reported", ":3: warning: related question 5 outside 1..4",
          ":3: warning: question 3 relates to itself", ": 3 questions"}},
        {0,
         "62\t.Copyright\r\n" + Records(1, 62, "7-"),
         {":62: warning: more than 60 questions on scale 7", ": 62 questions"}}};
    for (const auto& [exit_code, text, lines] : cases) {
        TempFolder folder;
        const std::string db = folder.Write("orv0.dll", text);
        std::string expected;
        for (const std::string& line : lines) expected += db + line + "\n";
        const ToolResult run = folder.Run("check " + db);
        EXPECT_EQ(std::tie(run.out, run.exit_code), std::tie(expected, exit_code));
    }
}

TEST(OrvtoolCheck, PassesTheShippedDatabasesAndReportsAMissingFileAndBadArguments) {
    for (const std::string name : {"/orv0.dll", "/orv1.dll"}) {
        const ToolResult run = TempFolder().Run("check '" ORV_DATA_DIR + name + "'");
        EXPECT_EQ(run.out, ORV_DATA_DIR + name + ": 150 questions\n");
    }
    const auto expect = [](const std::string& arguments, const std::string& out,
                           const std::string& err, int exit_code) {
        const ToolResult run = TempFolder().Run(arguments);
        EXPECT_EQ(std::tie(run.out, run.err, run.exit_code), std::tie(out, err, exit_code))
            << arguments;
    };
    expect("check /nonexistent/orv9.dll", "/nonexistent/orv9.dll: File not found.\n", "", 1);
    for (const char* arguments : {"", "check", "check a b", "frobnicate x", "-h"})
        expect(arguments, "", orvtool::kUsage, 2);
    for (const char* arguments : {"--version", "check --version x", "evaluate --version --help"})
        expect(arguments, "orvtool (Orvane Personality Test) " + std::string(kVersion) + "\n", "",
               0);
    expect("check x --help", std::string(orvtool::kUsage) + orvtool::kHelp, "", 0);
}

// A shipped language folder is whole and parallel to the English; a copy
// with a scale, a direction and a related list changed is not, and one with
// a window text and words left out says what is missing.
void CheckShippedFolder(const std::string& code) {
    namespace fs = std::filesystem;
    TempFolder folder;
    for (const char* name : {"orv0.dll", "orv1.dll", "orvtest.hlp"})
        fs::copy(ORV_DATA_DIR "/" + std::string(name), folder.path);
    fs::copy(ORV_DATA_DIR "/" + code, folder.Path(code));
    const std::string de = folder.Path(code), db = folder.Path(code + "/orv0.dll");
    ToolResult run = folder.Run("check " + de);
    EXPECT_EQ(std::tie(run.out, run.exit_code),
              std::tuple(db + ": 150 questions, parallel to the English\n" + de +
                             "/orv1.dll: 150 questions, parallel to the English\n" + de +
                             ": everything is translated\n",
                         0));
    const auto change = [&](const std::string& name, const std::string& from,
                            const std::string& to) {
        std::string text = folder.Read(code + "/" + name);
        folder.Write(code + "/" + name, text.replace(text.find(from), from.size(), to));
    };
    change("orv0.dll", "\t0\t1-\t.", "\t0\t2-\t.");     // question 1: scale 1 to 2
    change("orv0.dll", "\t105\t2-\t.", "\t105\t2\t.");  // question 2: no longer reverse
    change("orv0.dll", "\t40\t4-\t.", "\t41\t4-\t.");   // question 3: related 40 to 41
    change("evaluation.words", "page\t", "# page\t");
    change("desktop.words", "summary\t", "# summary\t");
    const std::string ts = folder.Read(code + "/orvtest.ts");
    const std::size_t back = ts.find("<source>Back<");
    const std::string message = ts.substr(back, ts.find("<translation>", back) + 13 - back);
    change("orvtest.ts", message, message.substr(0, message.size() - 1) + " type=\"unfinished\">");
    // A help text left out; in German also one left in English and a section
    // under another heading.
    change("orvtest.hlp", "<a name=\"scale.1.4.about\"></a>", "");
    const bool german = code == "de";
    if (german) {
        change("orvtest.hlp",
               "Ihre Zustimmungen auf den beiden Seiten der Skala halten sich genau "
               "die Waage, sodass sich keine Neigung zeigen l\xC3\xA4sst.",
               "Your agreements on both sides of the scale balance exactly, so no leaning can be "
               "shown.");
        change("orvtest.hlp", "</a>Temperament</h3>", "</a>Tatkraft</h3>");
    }
    run = folder.Run("check " + de);
    EXPECT_EQ(run.exit_code, 1);
    for (const std::string& line :
         {db + ":2: question 1: scale 2, the English has 1\n",
          db + ":3: question 2: direction +, the English has -\n",
          db + ":4: question 3: related questions 41, the English has 40\n",
          de + ": not translated: 1 evaluation words (evaluation.words): \"page\"\n",
          de + ": not translated: 1 desktop words (desktop.words): \"summary\"\n",
          std::string(" window texts (orvtest.ts): \"Back\"\n"),
          de + "/orvtest.hlp: no text named \"scale.1.4.about\"\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << code << ": " << line << run.out;
    }
    for (const std::string& line :
         {de + "/orvtest.hlp:44: the heading of \"scale.0.2\" is \"Tatkraft\", the scale is "
               "\"Temperament\"\n",
          de + ": not translated: 2 of 91 help texts (orvtest.hlp): \"scale.1.4.about\", "
               "\"verdict.unknown\"\n"}) {
        EXPECT_TRUE(!german || run.out.find(line) != std::string::npos) << line << run.out;
    }
}

TEST(OrvtoolCheck, ALanguageFolderKeepsTheEnglishQuestionsAndSaysWhatIsNotTranslated) {
    for (const auto& entry : std::filesystem::directory_iterator(ORV_DATA_DIR))
        if (entry.is_directory())
            CheckShippedFolder(entry.path().filename().string());
}

// A translated database with a question missing or one too many is refused,
// whether the header's total was changed with it or not; the folder named as
// a translator in the program folder names it.
TEST(OrvtoolCheck, ALanguageFolderWithAQuestionMissingOrOneTooManyIsRefused) {
    namespace fs = std::filesystem;
    const std::string last_line = "\r\n150\t";
    const std::pair<std::function<void(std::string&)>, std::string> cases[] = {
        {[&](std::string& db) { db.erase(db.rfind(last_line) + 2); },
         "de/orv0.dll:151: E03B: Invalid Database Contents.\n"},
        {[&](std::string& db) {
             db.erase(db.rfind(last_line) + 2);
             db.replace(0, 3, "149");
         },
         "de/orv0.dll: 149 questions, the English has 150\n"},
        {[](std::string& db) { db += "151\tx\t0\t1\t.Q\r\n"; },
         "de/orv0.dll:152: a question after question 150, the last one a test reads\n"},
    };
    for (const auto& [change, expected] : cases) {
        TempFolder folder;
        fs::copy(ORV_DATA_DIR "/orv0.dll", folder.path);
        fs::create_directory(folder.Path("de"));
        std::string db =
            (std::ostringstream() << std::ifstream(ORV_DATA_DIR "/de/orv0.dll").rdbuf()).str();
        change(db);
        folder.Write("de/orv0.dll", db);
        const fs::path before = fs::current_path();
        fs::current_path(folder.path);
        const ToolResult run = folder.Run("check de");
        fs::current_path(before);
        EXPECT_EQ(run.exit_code, 1) << expected;
        EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), expected);
    }
}

}  // namespace orv::testing
