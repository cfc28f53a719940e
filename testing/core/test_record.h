#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orv {

inline constexpr int kMaxQuestions = 250;
inline constexpr int kScales = 10;
inline constexpr int kRelatedSlots = 6;
inline constexpr std::int16_t kNoChoice = 999;
inline constexpr std::int16_t kNoTest = 999;

enum TestState : std::int16_t {
    kInProgress = 0,
    kFinished = 1,
    kDatabaseError = 2,
};

// The record the reader last read, as it left it.
struct ReadRecord {
    std::int16_t qno = 0;
    std::string qtext;
    std::string dbline;
    std::string xreflist;
    std::int16_t scaleval = 0;

    bool operator==(const ReadRecord&) const = default;
};

// What Back needs: the answers processed since the test window was opened or
// the last load, each with the record it answered (last one last), and the
// records stepped back from, which Process shows again before it reads on
// (nearest last). The question and answer of each answer given, at the last
// save or load of this sitting, tell whether the test has changed since.
struct AnswerSteps {
    struct Given {
        ReadRecord record;
        std::int16_t choice = 0;

        bool operator==(const Given&) const = default;
    };
    std::vector<Given> given;
    std::vector<ReadRecord> ahead;
    std::optional<std::vector<std::pair<std::int16_t, std::int16_t>>> given_at_save;

    // The question and answer of each answer given, in order.
    std::vector<std::pair<std::int16_t, std::int16_t>> Answers() const {
        std::vector<std::pair<std::int16_t, std::int16_t>> answers;
        for (const Given& g : given) {
            answers.emplace_back(g.record.qno, g.choice);
        }
        return answers;
    }

    bool operator==(const AnswerSteps&) const = default;
};

// Everything the test window keeps about the test in progress. Arrays are
// indexed by question number 1..250 or by scale 1..10; index 0 is unused
// (scale 0 of a database is counted in slot 0 but never reported).
struct TestRecord {
    std::string loadfn;
    std::string filename;
    // Whether the database is UTF-8 text (a language folder's), or single-byte.
    bool utf8 = false;
    std::int16_t choice = kNoChoice;
    std::int16_t state = kInProgress;

    std::int16_t qno = 0;
    std::int16_t totalq = 0;
    std::string qtext;
    std::string dbline;
    std::string xreflist;
    std::int16_t scaleval = 0;

    std::array<std::string, kMaxQuestions + 1> qdesc;
    std::array<std::int16_t, kMaxQuestions + 1> qscale{};
    std::array<std::int16_t, kMaxQuestions + 1> qdir{};
    std::array<std::array<std::int16_t, kRelatedSlots + 1>, kMaxQuestions + 1> xref{};

    std::array<std::int16_t, kMaxQuestions + 1> ans{};
    std::array<std::int16_t, kScales + 1> scount{};
    std::array<std::int16_t, kScales + 1> sscore{};

    std::int16_t savedq = 0;
    std::string fpath;
    std::int16_t fopen = 0;

    // Question numbers read since the test started. A number is read once per
    // test, so no question is answered twice and every sum stays bounded.
    std::bitset<kMaxQuestions + 1> seen;

    AnswerSteps steps;

    bool operator==(const TestRecord&) const = default;
};

}  // namespace orv
