#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "evaluation/core/evaluation_words.h"
#include "results/core/help_texts.h"
#include "results/core/kept_result.h"

namespace orv {

// One scale of a profile: its bar and its row of the table.
struct ProfileScale {
    int number = 0;  // 1..10, its place in the test
    std::string name;
    std::int16_t score = 0;
    // The largest scores the scale's questions allow either way: twice the
    // number of its questions that add to the score, and minus twice the
    // number of those that take from it.
    int largest_up = 0;
    int largest_down = 0;
    // The score as a share of the largest in its direction, -1..1.
    double share = 0;
    std::string verdict;  // in the words of the profile
    std::string scored;   // the verdict as the scoring names it: "Positive", ...
    bool conflicting = false;
};

// The ten scales of one result, in the order of its evaluation.
struct Profile {
    std::string name;                 // whose result, UTF-8; "" for none
    std::string language = kEnglish;  // of its texts (scale names)
    std::int16_t testno = 0;
    LocalTime ended;
    std::array<ProfileScale, kScales> scales;
};

// The words of every function below are those of the result's language (of
// the later result's, for two), English unless others are given.

Profile ProfileOf(const KeptResult& result,
                  const EvaluationWords& words = EvaluationWords::English());

// What the profile window shows: one result, or two results of one test side
// by side, the earlier first.
struct ProfileView {
    Profile later;
    std::optional<Profile> earlier;
};

ProfileView ViewOf(const KeptResult& result,
                   const EvaluationWords& words = EvaluationWords::English());

inline constexpr const char* kDifferentTests =
    "These two results are of different tests, whose scales differ, so they can't be compared.";

// Two results of the same test, in whatever languages, in the order they
// ended; for results of different tests, the reason they can't be compared.
std::variant<ProfileView, std::string> CompareResults(
    const KeptResult& a, const KeptResult& b,
    const EvaluationWords& words = EvaluationWords::English());

// The mark of a conflicting scale in the chart and the table: "±" (Latin-1).
inline constexpr const char* kConflictMark = "\xB1";

// That mark in the text of `words`: Latin-1 or UTF-8.
inline const char* ConflictMark(const EvaluationWords& words) {
    return words.utf8() ? "\xC2\xB1" : kConflictMark;
}

// The largest possible score in the direction of the score ("18", "-12"), or
// both directions for a score of 0 ("-12 / 18").
std::string LargestText(const ProfileScale& scale);

// A change of score with its sign: "+6", "-3", "0".
std::string ChangeText(int change);

// What the verdict words of test `testno`, the conflict mark and the bars
// mean, as the legend under the chart gives them: a term in `words` and its
// meaning from the help (UTF-8, whole sentences).
struct LegendEntry {
    std::string term;
    std::string meaning;
};
std::vector<LegendEntry> ProfileLegend(std::int16_t testno, const EvaluationWords& words,
                                       const ScaleMeanings& meanings);

// When the results ended: "Test ended 2026-12-07 14:15.", or for two
// results "Earlier result (paler bars): 2026-11-01 09:30. Later result:
// 2026-12-07 14:15."
std::string ProfileDates(const ProfileView& view,
                         const EvaluationWords& words = EvaluationWords::English());

// The table of the profile, row by row, the column headings first: scale,
// score, largest possible, verdict and conflicting ("Yes", "No"); for two
// results the earlier and the later score and the change instead of the score.
std::vector<std::vector<std::string>> ProfileTable(
    const ProfileView& view, const EvaluationWords& words = EvaluationWords::English());

// The chart in words, for a screen reader: each scale with its score, the
// largest possible, its verdict and conflict (and the earlier score).
std::string ChartSummary(const ProfileView& view,
                         const EvaluationWords& words = EvaluationWords::English());

// The name suggested for a PDF of a result: the test's title and the date.
std::string PdfFileName(const KeptResult& result,
                        const EvaluationWords& words = EvaluationWords::English());

// "Profile: Test of Individual Attributes".
std::string ProfileTitle(std::int16_t testno,
                         const EvaluationWords& words = EvaluationWords::English());

}  // namespace orv
