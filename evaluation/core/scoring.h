#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "testing/core/test_record.h"

namespace orv {

// The verdict words of a scale.
namespace verdict {
inline constexpr const char* kNoResponses = "No Responses";
inline constexpr const char* kPositive = "Positive";
inline constexpr const char* kSociable = "Sociable";
inline constexpr const char* kUnknown = "Unknown";
inline constexpr const char* kNegative = "Negative";
inline constexpr const char* kDangerous = "Dangerous";
inline constexpr const char* kConflicting = "Conflicting Responses. ";
}  // namespace verdict

// What the evaluation reports of one scale.
struct ScaleResult {
    std::int16_t scale = 0;
    std::int16_t score = 0;
    std::string verdict;
    // The questions that count for the scale (answer value above 0): the
    // strongly agreed first, then the moderately agreed.
    std::vector<std::int16_t> ordered;
    std::int16_t nstrong = 0;
    std::int16_t nmoderate = 0;

    std::int16_t count() const { return static_cast<std::int16_t>(ordered.size()); }
};

// Adds every counting answer, in its question's direction, to the score of its
// scale. Adds to what `sscore` holds; the test window zeroes it at load.
void AccumulateScores(TestRecord& record);

// The verdict word of a scale of test `testno` with `count` counting
// questions and the given score.
const char* VerdictWord(std::int16_t testno, int count, int score);

// Whether the counting questions of a scale pull in both directions.
bool IsConflicting(int count, int score);

// The verdict as the evaluation writes it: the word with one space on either
// side and its full stop, then "Conflicting Responses. " when conflicting.
std::string Verdict(std::int16_t testno, int count, int score);

// The result of scale `scale` (1..10) from the answers and the scores
// already accumulated.
ScaleResult ScoreScale(const TestRecord& record, std::int16_t testno, int scale);

// Accumulates the scores, then yields scales 1..10 in order.
std::array<ScaleResult, kScales> ScoreTest(TestRecord& record, std::int16_t testno);

}  // namespace orv
