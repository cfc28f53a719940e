#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "results/core/kept_result.h"

namespace orv {

// The first line of every kept result: the format's name and version. An
// English result is written in version 1, a result of any other language in
// version 2, which has a line with the language after this one.
inline constexpr std::string_view kResultFormatLine = "orvane-result\t1\n";
inline constexpr std::string_view kResultFormatLine2 = "orvane-result\t2\n";
// A named result, of any language, is written in version 3: version 2 with
// the language always given and a line with the name after it.
inline constexpr std::string_view kResultFormatLine3 = "orvane-result\t3\n";

// The bytes of a kept-result file (docs/result-format.md): the format line,
// (the language), the test, the moment it ended, a line per scale, then the
// length of the evaluation text and the text itself, byte for byte.
std::string FormatKeptResult(const KeptResult& result);

// Reads the bytes of a kept-result file of any version strictly: exactly
// the form FormatKeptResult writes (numbers in their shortest form, fields in
// their order, nothing after the text) of a result IsPossibleResult accepts.
std::optional<KeptResult> ParseKeptResult(std::string_view bytes);

// Reads a kept-result file from disk; no value when it is not a plain file,
// cannot be read, is longer than any result or is not a valid result.
std::optional<KeptResult> ReadKeptResult(const std::string& path);

}  // namespace orv
