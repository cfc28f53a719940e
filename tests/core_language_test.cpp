// Languages: which one a run takes, text that must be UTF-8, the words of a
// language folder, and the German evaluation's line rule.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "app/core/language.h"
#include "app/core/utf8.h"
#include "evaluation/core/evaluation_text.h"
#include "fake_test_view.h"
#include "orvtool_runner.h"
#include "testing/core/test_steps.h"

namespace orv {
namespace {

using Codes = std::vector<std::string>;

TEST(Languages, TheRunThenTheSettingsThenTheDesktopsOrderElseEnglish) {
    const Codes installed = {"de", "pt_BR"};
    const std::optional<std::string> none;
    // --language, the settings, the desktop's languages, the language taken.
    const std::tuple<std::optional<std::string>, std::string, Codes, std::string> cases[] = {
        {none, "", {"fr_FR", "de_AT.UTF-8", "en"}, "de"},  // down the list to the first had
        {none, "", {"fr", "en-US", "de"}, "en"},           // English is had
        {none, "", {"pt-BR"}, "pt_BR"},
        {none, "", {"de_DE@euro"}, "de"},  // a variant, as a locale's name may carry
        {none, "", {"pt_BR.UTF-8@euro", "de"}, "pt_BR"},
        {none, "", {"pt-PT", "C"}, "en"},
        {none, "", {}, "en"},
        {none, "de", {"en"}, "de"},               // the choice kept beats the desktop
        {none, "fr", {"de"}, "de"},               // a kept choice no longer installed
        {std::string("en"), "de", {"de"}, "en"},  // the run beats both
        {std::string("fr"), "", {"de"}, "en"},    // a run's language not installed
    };
    for (const auto& [requested, remembered, desktop, taken] : cases) {
        EXPECT_EQ(ChooseLanguage(requested, remembered, desktop, installed), taken)
            << requested.value_or("-") << " " << remembered << " " << desktop.size();
    }
}

// A database of a language folder, its words file and orvtool name the file
// and the line of a byte that is not UTF-8.
TEST(Languages, TextThatIsNotUtf8IsRefusedWithItsFileAndLine) {
    EXPECT_TRUE(
        IsUtf8("Gr\xC3\xBC\xC3\x9F"
               "e \xE2\x82\xAC \xF0\x9F\x98\x80"));
    for (const std::string bad :
         {"\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xFF", "\x80"}) {
        EXPECT_FALSE(IsUtf8("ok " + bad)) << bad.size();
    }
    const testing::TempFolder folder;
    std::filesystem::create_directory(folder.Path("de"));
    const std::string db = folder.Write("de/orv0.dll",
                                        "2\t.Copyright\r\n1\tgr\xC3\xBCn\t0\t1\t.Q\r\n"
                                        "2\tgr\xFCn\t0\t1\t.Q\r\n");
    TestRecord record;
    testing::FakeTestView view;
    LineReader database;
    ASSERT_EQ(StartTest(database, record, view, db, true), StartOutcome::kReady);
    record.choice = 2;
    EXPECT_EQ(ProcessAnswer(database, record, view), ProcessOutcome::kUnload);
    EXPECT_EQ(view.messages, Codes{"E04: Invalid Database Text.\n" + db + ": line 3"});
    EXPECT_TRUE(folder.Run("check " + folder.Path("de"))
                    .out.starts_with(db + ":3: E04: Invalid Database Text.\n"));

    // Words files: the line of each first fault.
    const std::pair<std::string, std::string> faults[] = {
        {"# Deutsch\n\nopening\t\"Sie sind \"\nverdict.positive\t\"Positiv\xE9\"\n",
         "4: not UTF-8 text"},
        {"opening\tSie sind \n",
         "1: the words of \"opening\" must stand in double quotes, "
         "without tabs"},
        {"page\t\"Seite {page}\"\n",
         "1: the words of \"page\" must have the placeholders of "
         "the English words"},
        {"opening\t\"a\"\r\nopening\t\"b\"\r\n", "2: \"opening\" appears twice"},
        {"\nopenings\t\"a\"", "2: unknown key \"openings\""},
        {"opening\t\"Sie sind \n",
         "1: the words of \"opening\" must stand in double quotes, "
         "without tabs"},
        {"opening\t\"Sie \"sind\" \"\n",
         "1: the words of \"opening\" must stand in double "
         "quotes, without tabs"},
        {"page\t\"Seite {pgae} von {pages}\"\n",
         "1: the words of \"page\" must have the placeholders of the English words"},
        {"page\t\"Seite {page} von {pages} {year}\"\n",
         "1: the words of \"page\" must have the placeholders of the English words"},
        {"opening\n", "1: a line needs a key, a tab and words in double quotes"},
    };
    for (const auto& [bytes, fault] : faults) {
        const WordsFile words = ReadEvaluationWords(bytes, "de");
        EXPECT_EQ(std::to_string(words.error_line) + ": " + words.error, fault);
        EXPECT_EQ(words.words.Word("opening"), "You are ");
    }

    // A file that translates one word: every other word is English, never empty.
    const WordsFile one = ReadEvaluationWords("table.yes\t\"Ja\"\n", "de");
    ASSERT_EQ(one.error_line, 0);
    EXPECT_EQ(one.missing.size(), EvaluationWords::Keys().size() - 1);
    for (const std::string& key : EvaluationWords::Keys()) {
        const std::string english = EvaluationWords::English().Word(key);
        EXPECT_EQ(one.words.Word(key), key == "table.yes" ? "Ja" : english) << key;
        EXPECT_FALSE(english.empty()) << key;
    }
}

// "Sie sind " and 52 letters in 58 bytes and ", " make 63 characters: the
// line goes on, though it is 69 bytes long; " und " then breaks it.
TEST(Languages, TheGermanLineRuleCountsCharactersNotBytes) {
    std::ifstream file(ORV_DATA_DIR "/de/evaluation.words", std::ios::binary);
    const WordsFile german =
        ReadEvaluationWords(std::string(std::istreambuf_iterator<char>(file), {}), "de");
    ASSERT_EQ(german.error_line, 0);
    const std::string phrase =
        std::string(46, 'x') + "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x84\xC3\x96\xC3\x9C";
    EXPECT_EQ(Sentence("Sie sind ", {phrase, "a", "b"}, german.words),
              "Sie sind " + phrase + ", a und \r\n  b.  \r\n");
    EXPECT_EQ(EvaluationHeader(2026, german.words).substr(4, 45),
              "               Orvane Pers\xC3\xB6nlichkeitstest \r\n");
}

}  // namespace
}  // namespace orv
