#include "evaluation/core/scoring.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace orv {

namespace {

// Questions 1..totalq, never beyond the question table.
int LastQuestion(const TestRecord& record) {
    return std::clamp<int>(record.totalq, 0, kMaxQuestions);
}

bool Counts(const TestRecord& record, int question) {
    return record.ans[question] > 0;
}

}  // namespace

void AccumulateScores(TestRecord& record) {
    for (int i = 1; i <= LastQuestion(record); ++i) {
        const std::int16_t scale = record.qscale[i];
        if (Counts(record, i)) {
            record.sscore[scale] =
                static_cast<std::int16_t>(record.sscore[scale] + record.qdir[i] * record.ans[i]);
        }
    }
}

const char* VerdictWord(std::int16_t testno, int count, int score) {
    if (count == 0) {
        return verdict::kNoResponses;
    }
    if (score > 0) {
        return testno == 1 ? verdict::kSociable : verdict::kPositive;
    }
    if (score == 0) {
        return verdict::kUnknown;
    }
    return testno == 1 ? verdict::kDangerous : verdict::kNegative;
}

bool IsConflicting(int count, int score) {
    return count > 0 && count > std::abs(score);
}

std::string Verdict(std::int16_t testno, int count, int score) {
    std::string text = std::string(" ") + VerdictWord(testno, count, score) + ". ";
    if (IsConflicting(count, score)) {
        text += verdict::kConflicting;
    }
    return text;
}

ScaleResult ScoreScale(const TestRecord& record, std::int16_t testno, int scale) {
    ScaleResult result;
    result.scale = static_cast<std::int16_t>(scale);
    result.score = record.sscore[scale];

    std::vector<std::int16_t>& list = result.ordered;
    for (int i = 1; i <= LastQuestion(record); ++i) {
        if (record.qscale[i] == scale && Counts(record, i)) {
            list.push_back(static_cast<std::int16_t>(i));
        }
    }
    result.verdict = Verdict(testno, static_cast<int>(list.size()), result.score);

    // This exchange sort, not a stable one: it fixes the order of equal answers.
    const std::size_t n = list.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (record.ans[list[j]] > record.ans[list[i]]) {
                std::swap(list[i], list[j]);
            }
        }
    }

    for (const std::int16_t question : list) {
        if (record.ans[question] > 1) {
            ++result.nstrong;
        } else {
            ++result.nmoderate;
        }
    }
    return result;
}

std::array<ScaleResult, kScales> ScoreTest(TestRecord& record, std::int16_t testno) {
    AccumulateScores(record);
    std::array<ScaleResult, kScales> results;
    for (int scale = 1; scale <= kScales; ++scale) {
        results[scale - 1] = ScoreScale(record, testno, scale);
    }
    return results;
}

}  // namespace orv
