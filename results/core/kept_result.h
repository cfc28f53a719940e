#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/core/language.h"
#include "app/core/local_time.h"
#include "evaluation/core/evaluation_text.h"
#include "testing/core/test_record.h"

namespace orv {

// What a finished test shows of one scale.
struct KeptScale {
    std::string name;  // "Achievement Attitudes"
    std::int16_t score = 0;
    std::int16_t counted = 0;   // questions that counted (answer value above 0)
    std::int16_t strong = 0;    // of them, strongly agreed
    std::int16_t moderate = 0;  // of them, moderately agreed
    std::int16_t forward = 0;   // the scale's questions of the test that add to its score
    std::int16_t reverse = 0;   // and that take from it
    std::string verdict;        // "Positive", "No Responses", ...
    bool conflicting = false;

    bool operator==(const KeptScale&) const = default;
};

// A finished test as the program keeps it: which test, in which language,
// when it ended, its ten scales and the evaluation text exactly as shown, and
// whose it is if the user named it. No answers. English texts are single-byte
// text, those of any other language UTF-8; the name is UTF-8 in every
// language; a scale's verdict is the scoring's English word in every language.
struct KeptResult {
    std::string name;  // "Anna", or "" for none
    std::string language = kEnglish;
    std::int16_t testno = 0;
    LocalTime ended;
    std::array<KeptScale, kScales> scales;
    std::string text;

    bool operator==(const KeptResult&) const = default;
};

// The longest evaluation text a kept result holds.
inline constexpr std::size_t kMaxKeptText = std::size_t{8} * 1024 * 1024;

// The result of a test just evaluated (test 0 or 1): the figures of its
// scales from `evaluation`, the number of questions of each scale in either
// direction from the questions of the test read since it started.
// The scales are named in `words`, whose language the result has.
KeptResult MakeKeptResult(const TestRecord& record, std::int16_t testno,
                          const Evaluation& evaluation, const LocalTime& ended,
                          const EvaluationWords& words = EvaluationWords::English());

// The most characters of a result's name.
inline constexpr std::size_t kLongestResultName = 100;

// Whether `name` can name a result: well-formed UTF-8 of 1 to
// kLongestResultName characters, none of them a control character, with no
// space at either end.
bool IsPossibleName(std::string_view name);

// Whether a result is one a test can end in: test 0 or 1, a valid moment,
// and for each scale a name of printable characters and figures that agree
// with each other (counts within the test's 250 questions, a score its
// questions allow, the verdict and the conflict that its count and score
// give). A text of at most kMaxKeptText bytes. A language other than English
// has a language code, and its names and text are UTF-8. Its name, if any,
// is a possible one.
bool IsPossibleResult(const KeptResult& result);

}  // namespace orv
