#include "evaluation/core/evaluation_text.h"

#include <array>

#include "app/core/app_title.h"
#include "app/core/local_time.h"

namespace orv {

namespace {

constexpr std::string_view kTenSpaces = "          ";
constexpr std::string_view kFifteenSpaces = "               ";

constexpr std::array<const char*, 2> kSectionHeadings = {
    "Assessment of Individual Attributes:",
    "Assessment of Interpersonal and Social Attributes:",
};

constexpr std::array<std::array<const char*, kScales>, 2> kScaleNames = {{
    {"Achievement Attitudes", "Emotional Temperament", "Energy Level", "Intellectual Factors",
     "Material Attitudes", "Maturity", "Philosophical Attitudes", "Physical Attributes",
     "Risk Attitudes", "Task Performance Attitudes"},
    {"Aggressiveness", "Social Control Attitudes", "Dependability", "Egocentrism",
     "Emotional Expression", "Fairness", "Leadership", "Physical Appearance", "Regard for Rules",
     "Team Spirit"},
}};

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

std::string EvaluationHeader(int year) {
    std::string text;
    text += kLineEnd;
    text += kLineEnd;
    text.append(kFifteenSpaces).append(kAppTitle).append(" ").append(kLineEnd);
    text.append(kFifteenSpaces)
        .append("Copyright (c) ")
        .append(FourDigits(year))
        .append(" ")
        .append(kRightsHolder)
        .append(kLineEnd);
    text += kLineEnd;
    return text;
}

std::string Sentence(std::string_view opening, const std::vector<std::string>& phrases) {
    std::string text(opening);
    int linelen = static_cast<int>(opening.size());
    const std::size_t k = phrases.size();
    for (std::size_t m = 0; m < k; ++m) {
        text += phrases[m];
        linelen += static_cast<int>(phrases[m].size());
        if (m + 1 == k) {
            break;  // the last phrase never breaks the line
        }
        const std::string_view separator = m + 2 == k ? " and " : ", ";
        text += separator;
        linelen += static_cast<int>(separator.size());
        if (linelen > kSentenceWidth) {
            text.append(kLineEnd).append("  ");
            linelen = 2;
        }
    }
    text.append(".  ").append(kLineEnd);
    return text;
}

std::string ScaleBlock(const TestRecord& record, std::int16_t evalparm, const ScaleResult& result) {
    std::string text;
    if (!HasScaleBlocks(evalparm) || result.scale < 1 || result.scale > kScales) {
        return text;
    }
    if (result.scale == 1) {
        text.append(kTenSpaces).append(kSectionHeadings[evalparm]).append(kLineEnd);
        text += kLineEnd;
    }
    text.append(kTenSpaces).append(ScaleName(evalparm, result.scale)).append(":");
    text.append(result.verdict).append(kLineEnd);

    if (result.ordered.empty()) {
        text.append(kNoResponsesLine).append(kLineEnd);
    } else {
        const std::size_t nstrong = static_cast<std::size_t>(result.nstrong);
        const std::size_t nmoderate = static_cast<std::size_t>(result.nmoderate);
        if (nstrong > 0) {
            text += Sentence("You are ", Phrases(record, result.ordered, 0, nstrong));
        }
        if (nmoderate > 0) {
            text += Sentence(nstrong > 0 ? "You are also " : "You are ",
                             Phrases(record, result.ordered, nstrong, nmoderate));
        }
    }
    text += kLineEnd;
    return text;
}

const char* ScaleName(std::int16_t testno, int scale) {
    return kScaleNames[testno][scale - 1];
}

Evaluation Evaluate(TestRecord& record, std::int16_t evalparm, int year) {
    Evaluation evaluation{EvaluationHeader(year), {}};
    if (!HasScaleBlocks(evalparm)) {
        AccumulateScores(record);
        return evaluation;
    }
    evaluation.scales = ScoreTest(record, evalparm);
    for (const ScaleResult& result : evaluation.scales) {
        evaluation.text += ScaleBlock(record, evalparm, result);
    }
    return evaluation;
}

std::string EvaluationText(TestRecord& record, std::int16_t evalparm, int year) {
    return Evaluate(record, evalparm, year).text;
}

int CurrentYear() {
    return LocalNow().year;
}

}  // namespace orv
