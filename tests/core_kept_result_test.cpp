// Kept results: the file format, the folder of kept results, and the profile
// figures of one result and of two compared.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <set>

#include "persistence/core/durable_file.h"
#include "persistence_support.h"
#include "results/core/kept_results.h"
#include "results/core/profile.h"
#include "results/core/result_file.h"

namespace orv {
namespace {

// Scale 1: +2 and -1 (score 1, conflicting); scale 2: a question disagreed;
// scale 3: -2 strongly. Question 5 was never read.
KeptResult Taken(const std::string& ended) {
    auto record = std::make_unique<TestRecord>();
    record->totalq = 5;
    const int scales[] = {1, 1, 2, 3, 3}, dirs[] = {1, -1, 1, -1, 1}, ans[] = {2, 1, 0, 2, 0};
    for (int q = 1; q <= 5; ++q) {
        record->qscale[q] = std::int16_t(scales[q - 1]);
        record->qdir[q] = std::int16_t(dirs[q - 1]);
        record->ans[q] = std::int16_t(ans[q - 1]);
        record->qdesc[q] = "trait " + std::to_string(q);
        record->seen[q] = q < 5;
    }
    const Evaluation evaluation = Evaluate(*record, 0, 2026);
    return MakeKeptResult(*record, 0, evaluation, *ParseIsoTime(ended));
}

std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
    return bytes.replace(bytes.find(from), from.size(), to);
}

// The example of docs/result-format.md, whose tabs show as arrows and whose
// text "x" ends with CR LF.
std::string DocumentedExample() {
    std::string doc = testing::ReadBytes(ORV_DATA_DIR "/../docs/result-format.md");
    doc = doc.substr(doc.find("```\norvane-result") + 4);
    doc = doc.substr(0, doc.find("```"));
    for (std::size_t at; (at = doc.find("\u2192")) != std::string::npos;) {
        doc.replace(at, std::string("\u2192").size(), "\t");
    }
    return Replaced(doc, "\nx\n", "\nx\r\n");
}

TEST(KeptResults, AreWrittenInTheirDocumentedFormAndReadBackWhole) {
    KeptResult result = Taken("2026-12-07T14:15:30-05:30");
    EXPECT_EQ(ParseKeptResult(FormatKeptResult(result)), result);
    result.text = "x\r\n";
    EXPECT_EQ(FormatKeptResult(result), DocumentedExample());
}

// A result taken in German is kept in format 2, with its language and its
// UTF-8 texts, and read back whole; one that names English, or whose text is
// not UTF-8, is refused; format 1 is still read, as English.
TEST(KeptResults, OfAnotherLanguageAreKeptInFormat2AndFormat1IsStillRead) {
    KeptResult german = Taken("2026-12-07T14:15:30+01:00");
    german.language = "de";
    german.scales[0].name = "Leistungshaltung \xC3\xA4";
    german.text = "Sie sind gr\xC3\xBCn.\r\n";
    const std::string bytes = FormatKeptResult(german);
    EXPECT_TRUE(bytes.starts_with("orvane-result\t2\nlanguage\tde\ntest\t0\n"));
    EXPECT_EQ(ParseKeptResult(bytes), german);
    EXPECT_FALSE(ParseKeptResult(Replaced(bytes, "\tde\n", "\ten\n")));
    EXPECT_FALSE(ParseKeptResult(Replaced(bytes, "gr\xC3\xBCn", "gr\xC3\x28n")));
    EXPECT_EQ(ParseKeptResult(DocumentedExample())->language, "en");
}

// A named result, English too, is kept in format 3 with its UTF-8 name and
// read back whole; the name's form is strict; unnamed, it is format 1 again.
TEST(KeptResults, NamedAreKeptInFormat3) {
    KeptResult named = Taken("2026-12-07T14:15:30+01:00");
    named.name = "Ana \xC3\xB1 \xE2\x80\x94 \xD0\x90";
    const std::string bytes = FormatKeptResult(named);
    EXPECT_TRUE(
        bytes.starts_with("orvane-result\t3\nlanguage\ten\nname\t" + named.name + "\ntest\t0\n"));
    EXPECT_EQ(ParseKeptResult(bytes), named);
    for (const char* bad : {"", " Ana", "Ana ", "A\x7Fna", "\xC3\x28"}) {
        EXPECT_FALSE(ParseKeptResult(
            Replaced(bytes, "\t" + named.name + "\n", "\t" + std::string(bad) + "\n")))
            << bad;
    }
    named.name.clear();
    EXPECT_EQ(FormatKeptResult(named), FormatKeptResult(Taken("2026-12-07T14:15:30+01:00")));
}

// A writer naming a result, killed at any moment, leaves the old file or the
// new one (or both), whole, and nothing hidden once the start tidies up.
TEST(KeptResults, ANamingKilledHalfwayLeavesTheOldOrTheNewWhole) {
    KeptResult old = Taken("2026-12-07T14:15:30+01:00");
    old.text = std::string(4 * 1024 * 1024, 'x');  // long enough to be caught writing
    const testing::TempFolder temp;
    std::set<int> seen;
    // Later and later, until a writer finishes; every other write by a hidden name.
    for (int delay_us = 0; !seen.count(3) && delay_us < 3000000; delay_us += 1500) {
        AllowUnnamedTemporaries(delay_us % 3000 == 0);
        std::filesystem::remove_all(temp.path + "/r");
        const std::string file = *KeepResult(temp.path + "/r", old);
        const pid_t writer = fork();
        if (writer == 0) {
            _exit(NameKeptResult(temp.path + "/r", file, "Anna") ? 0 : 1);
        }
        usleep(useconds_t(delay_us));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        RemoveStaleTemporaries(temp.path + "/r");
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp.path + "/r")) {
            names.insert(entry.path().filename());
        }
        const auto listed = ListKeptResults(temp.path + "/r");
        ASSERT_EQ(names.size(), listed.size());
        ASSERT_TRUE(listed.size() == 1 || listed.size() == 2);
        for (const ListedResult& kept : listed) {
            ASSERT_TRUE(kept.result) << kept.name;
            ASSERT_EQ(kept.result->text, old.text);
            ASSERT_TRUE(kept.result->name.empty() || kept.result->name == "Anna");
        }
        // 1: the old one alone, 2: both, 3: the new one alone.
        seen.insert(listed.size() == 2 ? 2 : listed[0].result->name.empty() ? 1 : 3);
    }
    AllowUnnamedTemporaries(true);
    EXPECT_TRUE(seen.count(1) && seen.count(3)) << seen.size();
}

// Anything but the exact form of a possible result is refused, each case on
// its own in a valid file.
TEST(KeptResults, AreReadStrictly) {
    const std::string good = FormatKeptResult(Taken("2026-12-07T14:15:30+01:00"));
    ASSERT_TRUE(ParseKeptResult(good));
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"result\t1", "result\t2"},  // another version
        {"test\t0", "test\t1"},      // the verdict words of the other test
        {"\t2\t1\t1\t1\t1\tPositive", "\t02\t1\t1\t1\t1\tPositive"},  // not its shortest form
        {"\t-2\t1", "\t65534\t1"},                                    // -2 only after a 16-bit wrap
        {"\t-2\t1", "\t32768\t1"},                                    // beyond 16 bits
        {"\t-2\t1", "\t-4\t1"},                              // more than its questions allow
        {"Positive\t1", "Positive\t0"},                      // not conflicting as its figures are
        {"Negative", "Positive"},                            // a verdict its score does not give
        {"\t1\t2\t1\t1\t1\t1\tP", "\t1\t3\t1\t1\t1\t2\tP"},  // counted not strong + moderate
        {"T14:15", "T24:15"},                                // no such time
        {"2026-12-07", "2026-02-29"},                        // no such day
        {"+01:00", "+19:00"},                                // no such offset
        {"scale\t2", "scale\t3"},                            // scales out of order
        {"\nscale\t4", "\r\nscale\t4"},                      // another line end
        {"Energy Level", "Energy\tLevel"},                   // a field too many
        {"text\t", "text\t+"},                               // a length with a sign
    };
    for (const auto& [from, to] : faults) {
        EXPECT_FALSE(ParseKeptResult(Replaced(good, from, to))) << from << " -> " << to;
    }
    EXPECT_FALSE(ParseKeptResult(good + "\n"));                             // after the text
    EXPECT_FALSE(ParseKeptResult(good.substr(0, good.size() - 1)));         // text cut short
    EXPECT_FALSE(ParseKeptResult(good.substr(0, good.find("scale\t10"))));  // a scale missing
}

TEST(KeptResults, AreKeptForTheUserOnlyNeverOverAnotherAndListedNewestFirst) {
    namespace fs = std::filesystem;
    const testing::TempFolder temp;
    const std::string folder = KeptResultsFolder(temp.path);
    // 13:00 UTC, kept twice in one second; then 13:30 UTC, earlier by the clock.
    const KeptResult first = Taken("2026-12-07T14:00:00+01:00");
    EXPECT_EQ(KeepResult(folder, first), "20261207-140000-0.result");
    EXPECT_EQ(KeepResult(folder, first), "20261207-140000-0-2.result");
    EXPECT_EQ(KeepResult(folder, Taken("2026-12-07T13:30:00+00:00")), "20261207-133000-0.result");
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(folder + "/20261207-140000-0.result").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    std::ofstream(folder + "/broken.result") << "orvane-result\t1\n";
    // Far longer than any result: refused before it is read, or it would
    // never fit in memory.
    std::ofstream(folder + "/huge.result") << "orvane-result\t1\n";
    ASSERT_EQ(truncate((folder + "/huge.result").c_str(), off_t{1} << 40), 0);

    std::vector<std::string> names;
    for (const ListedResult& listed : ListKeptResults(folder)) {
        names.push_back(listed.name + (listed.result ? "" : " unreadable"));
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"20261207-133000-0.result", "20261207-140000-0-2.result",
                                        "20261207-140000-0.result", "broken.result unreadable",
                                        "huge.result unreadable"}));
    EXPECT_EQ(testing::ReadBytes(folder + "/broken.result"), "orvane-result\t1\n");
    EXPECT_FALSE(DeleteKeptResult(folder, "../results/broken.result"));
    EXPECT_TRUE(DeleteKeptResult(folder, "20261207-140000-0.result"));
    EXPECT_EQ(ListKeptResults(folder).size(), 4u);
}

// A keep that fails gives no name and leaves nothing, hidden or not: a file
// where the folder would be, a disk that fills up.
TEST(KeptResults, AKeepThatFailsLeavesNothingBehind) {
    rlimit no_limit{};
    getrlimit(RLIMIT_FSIZE, &no_limit);
    for (const bool full : {false, true}) {
        const testing::TempFolder temp;
        const std::string folder = KeptResultsFolder(temp.path);
        const rlimit small{100, no_limit.rlim_max};
        if (full) {
            setrlimit(RLIMIT_FSIZE, &small);
        } else {
            temp.Write("results", "");
        }
        EXPECT_EQ(KeepResult(folder, Taken("2026-12-07T14:00:00+01:00")), std::nullopt) << full;
        setrlimit(RLIMIT_FSIZE, &no_limit);
        EXPECT_EQ(temp.Count(), 1) << full;
        EXPECT_TRUE(!full || std::filesystem::is_empty(folder));
    }
}

// Results that ended around the changes to and from summer time, east and
// west of Greenwich: each keeps the local moment with its offset, and the
// list puts them in the order they ended, though the clock went back between.
TEST(KeptResults, KeepTheLocalMomentAndListInTheOrderTheyEndedAcrossSummerTime) {
    const char* const zone = std::getenv("TZ");
    const std::string old_zone = zone ? zone : "";
    constexpr const char* kBerlin = "CET-1CEST,M3.5.0,M10.5.0/3";
    constexpr const char* kStJohns = "NST3:30NDT,M3.2.0,M11.1.0";
    // The zone, the moment in seconds since 1970 UTC, the moment stored.
    const std::tuple<const char*, std::int64_t, std::string> moments[] = {
        {kBerlin, 1774745999, "2026-03-29T01:59:59+01:00"},
        {kBerlin, 1774746000, "2026-03-29T03:00:00+02:00"},
        {kBerlin, 1792889970, "2026-10-25T02:59:30+02:00"},
        {kBerlin, 1792890010, "2026-10-25T02:00:10+01:00"},
        {kStJohns, 1793507340, "2026-11-01T01:59:00-02:30"},
        {kStJohns, 1793507460, "2026-11-01T01:01:00-03:30"},
    };
    const testing::TempFolder temp;
    KeptResult result = Taken("2026-12-07T14:00:00+01:00");
    std::vector<std::string> newest_first;
    for (const auto& [tz, seconds, stored] : moments) {
        setenv("TZ", tz, 1);
        tzset();
        result.ended = LocalTimeAt(seconds);
        EXPECT_EQ(IsoTimeText(result.ended), stored);
        const auto name = KeepResult(temp.path, result);
        ASSERT_TRUE(name);
        EXPECT_NE(testing::ReadBytes(temp.file(*name)).find("\nended\t" + stored + "\n"),
                  std::string::npos);
        newest_first.insert(newest_first.begin(), stored);
    }
    zone ? setenv("TZ", old_zone.c_str(), 1) : unsetenv("TZ");
    tzset();
    std::vector<std::string> listed;
    for (const ListedResult& kept : ListKeptResults(temp.path)) {
        listed.push_back(IsoTimeText(kept.result->ended));
    }
    EXPECT_EQ(listed, newest_first);
}

TEST(Profiles, ShowScoresAsSharesOfTheLargestAndCompareOnlyResultsOfOneTest) {
    const KeptResult later = Taken("2026-12-07T14:00:00+01:00");
    KeptResult earlier = later;
    earlier.ended = *ParseIsoTime("2026-11-02T09:05:00+01:00");
    earlier.scales[0].score = -2;  // one reverse question: -2 is its largest
    const auto compared = CompareResults(later, earlier);
    ASSERT_TRUE(std::holds_alternative<ProfileView>(compared));
    const ProfileView& view = std::get<ProfileView>(compared);
    EXPECT_EQ(view.later.ended, later.ended);
    EXPECT_EQ(view.earlier->scales[0].share, -1.0);
    EXPECT_EQ(view.later.scales[0].share, 0.5);  // 1 of 2
    EXPECT_EQ(view.later.scales[2].share, -1.0);
    EXPECT_EQ(LargestText(view.later.scales[1]), "0 / 2");
    EXPECT_EQ(ProfileDates(view),
              "Earlier result (paler bars): 2026-11-02 09:05. Later result: 2026-12-07 14:00.");
    const auto table = ProfileTable(view);
    EXPECT_EQ(table[0][3], "Change");
    EXPECT_EQ(table[1], (std::vector<std::string>{"Achievement Attitudes", "-2", "1", "+3", "2",
                                                  "Positive", "Yes"}));
    EXPECT_EQ(table[3],
              (std::vector<std::string>{"Energy Level", "-2", "-2", "0", "-2", "Negative", "No"}));
    EXPECT_TRUE(ChartSummary(view).starts_with(
        "Achievement Attitudes: 1 of a possible 2 (earlier -2, change +3), Positive, conflicting "
        "responses. Emotional Temperament: 0 (earlier 0, change 0), No Responses."));
    EXPECT_EQ(PdfFileName(later), "Test of Individual Attributes 2026-12-07.pdf");

    earlier.testno = 1;
    EXPECT_EQ(std::get<std::string>(CompareResults(later, earlier)), kDifferentTests);
}

}  // namespace
}  // namespace orv
