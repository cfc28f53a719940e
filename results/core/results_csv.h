#pragma once

#include <functional>
#include <string>
#include <vector>

#include "evaluation/core/evaluation_words.h"
#include "results/core/kept_results.h"

namespace orv {

// The words of a result's language.
using WordsOfLanguage = std::function<const EvaluationWords&(const std::string& language)>;

// The readable kept results of a listing as CSV (RFC 4180: fields separated
// by commas, quoted where they hold a comma, a quote or a line end, rows
// ended by CR LF), UTF-8: a heading row, then a row per result with its
// file, name, test, language, the moment it ended, and the name, score and verdict
// of each of its scales, in its own language (docs/result-format.md).
std::string ResultsCsv(const std::vector<ListedResult>& listed, const WordsOfLanguage& words_of);

}  // namespace orv
