#include "evaluation/core/evaluation_text.h"

#include <array>

#include "app/core/local_time.h"
#include "app/core/utf8.h"

namespace orv {

namespace {

constexpr std::string_view kTenSpaces = "          ";
constexpr std::string_view kFifteenSpaces = "               ";

std::string FourDigits(int year) {
    std::string digits = std::to_string(year);
    if (digits.size() < 4) {
        digits.insert(0, 4 - digits.size(), '0');
    }
    return digits;
}

std::vector<std::string> Phrases(const TestRecord& record, const std::vector<std::int16_t>& list,
                                 std::size_t first, std::size_t count) {
    std::vector<std::string> phrases;
    for (std::size_t k = first; k < first + count; ++k) {
        phrases.push_back(record.qdesc[list[k]]);
    }
    return phrases;
}

}  // namespace

std::string EvaluationHeader(int year, const EvaluationWords& words) {
    std::string text;
    text += kLineEnd;
    text += kLineEnd;
    text.append(kFifteenSpaces).append(words.Word("title")).append(" ").append(kLineEnd);
    text.append(kFifteenSpaces)
        .append(words.Word("notice", {{"year", FourDigits(year)}}))
        .append(kLineEnd);
    text += kLineEnd;
    return text;
}

std::string Sentence(std::string_view opening, const std::vector<std::string>& phrases,
                     const EvaluationWords& words) {
    const auto length = [&](std::string_view text) {
        return static_cast<int>(CharacterCount(text, words.utf8()));
    };
    const std::string separator = words.Word("separator");
    const std::string last_separator = words.Word("separator.last");
    std::string text(opening);
    int linelen = length(opening);
    const std::size_t k = phrases.size();
    for (std::size_t m = 0; m < k; ++m) {
        text += phrases[m];
        linelen += length(phrases[m]);
        if (m + 1 == k) {
            break;  // the last phrase never breaks the line
        }
        const std::string& between = m + 2 == k ? last_separator : separator;
        text += between;
        linelen += length(between);
        if (linelen > kSentenceWidth) {
            text.append(kLineEnd).append("  ");
            linelen = 2;
        }
    }
    text.append(".  ").append(kLineEnd);
    return text;
}

std::string ScaleBlock(const TestRecord& record, std::int16_t evalparm, const ScaleResult& result,
                       const EvaluationWords& words) {
    std::string text;
    if (!HasScaleBlocks(evalparm) || result.scale < 1 || result.scale > kScales) {
        return text;
    }
    if (result.scale == 1) {
        text.append(kTenSpaces).append(words.Word("section." + std::to_string(evalparm)));
        text.append(kLineEnd).append(kLineEnd);
    }
    text.append(kTenSpaces).append(words.ScaleName(evalparm, result.scale)).append(":");
    const int count = result.count();
    text.append(" ").append(words.Verdict(VerdictWord(evalparm, count, result.score))).append(". ");
    if (IsConflicting(count, result.score)) {
        text.append(words.Word("conflicting")).append(" ");
    }
    text.append(kLineEnd);

    if (result.ordered.empty()) {
        text.append(words.Word("no.responses")).append(kLineEnd);
    } else {
        const std::size_t nstrong = static_cast<std::size_t>(result.nstrong);
        const std::size_t nmoderate = static_cast<std::size_t>(result.nmoderate);
        const std::string opening = words.Word("opening");
        if (nstrong > 0) {
            text += Sentence(opening, Phrases(record, result.ordered, 0, nstrong), words);
        }
        if (nmoderate > 0) {
            text += Sentence(nstrong > 0 ? words.Word("opening.also") : opening,
                             Phrases(record, result.ordered, nstrong, nmoderate), words);
        }
    }
    text += kLineEnd;
    return text;
}

Evaluation Evaluate(TestRecord& record, std::int16_t evalparm, int year,
                    const EvaluationWords& words) {
    Evaluation evaluation{EvaluationHeader(year, words), {}};
    if (!HasScaleBlocks(evalparm)) {
        AccumulateScores(record);
        return evaluation;
    }
    evaluation.scales = ScoreTest(record, evalparm);
    for (const ScaleResult& result : evaluation.scales) {
        evaluation.text += ScaleBlock(record, evalparm, result, words);
    }
    return evaluation;
}

std::string EvaluationText(TestRecord& record, std::int16_t evalparm, int year,
                           const EvaluationWords& words) {
    return Evaluate(record, evalparm, year, words).text;
}

int CurrentYear() {
    return LocalNow().year;
}

}  // namespace orv
