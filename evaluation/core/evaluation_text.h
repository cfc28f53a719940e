#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/core/evaluation_words.h"
#include "evaluation/core/scoring.h"
#include "testing/core/test_record.h"

namespace orv {

// Every line of the evaluation ends with CR LF.
inline constexpr std::string_view kLineEnd = "\r\n";

// A sentence line is broken after the separator that takes it past this length.
inline constexpr int kSentenceWidth = 63;

// Whether test number `evalparm` has an evaluation beyond the header.
inline bool HasScaleBlocks(std::int16_t evalparm) {
    return evalparm == 0 || evalparm == 1;
}

// The words of every function below are English unless others are given.

// The five header lines: two empty lines, the title, the notice with the
// year (four digits), and an empty line.
std::string EvaluationHeader(int year, const EvaluationWords& words = EvaluationWords::English());

// "You are " (or another opening) and the phrases, joined by ", " with
// " and " before the last, wrapped after a separator, ended by ".  ". The
// length of a line is counted in characters.
std::string Sentence(std::string_view opening, const std::vector<std::string>& phrases,
                     const EvaluationWords& words = EvaluationWords::English());

// The block of one scale: heading and verdict, then the sentences or the
// no-response line, then an empty line.
std::string ScaleBlock(const TestRecord& record, std::int16_t evalparm, const ScaleResult& result,
                       const EvaluationWords& words = EvaluationWords::English());

// The evaluation of a finished test: its text and, for test 0 or 1, the
// results of scales 1..10 (left empty for other test numbers).
struct Evaluation {
    std::string text;
    std::array<ScaleResult, kScales> scales;
};

// Accumulates the scores into `record.sscore`, then writes the header and,
// for test 0 or 1, the ten scale blocks.
Evaluation Evaluate(TestRecord& record, std::int16_t evalparm, int year,
                    const EvaluationWords& words = EvaluationWords::English());

// The text of Evaluate.
std::string EvaluationText(TestRecord& record, std::int16_t evalparm, int year,
                           const EvaluationWords& words = EvaluationWords::English());

// This year by the local calendar.
int CurrentYear();

}  // namespace orv
