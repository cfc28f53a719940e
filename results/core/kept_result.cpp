#include "results/core/kept_result.h"

#include <algorithm>
#include <cstdlib>

#include "app/core/utf8.h"
#include "evaluation/core/scoring.h"

namespace orv {

namespace {

bool IsPrintableName(const std::string& name) {
    constexpr std::size_t kLongestName = 200;
    if (name.empty() || name.size() > kLongestName) {
        return false;
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

bool IsPossibleScale(const KeptScale& s, std::int16_t testno) {
    const int questions = s.forward + s.reverse;
    const int score = s.score;
    return IsPrintableName(s.name) && s.forward >= 0 && s.reverse >= 0 &&
           questions <= kMaxQuestions && s.strong >= 0 && s.moderate >= 0 &&
           s.counted == s.strong + s.moderate && s.counted <= questions && score <= 2 * s.forward &&
           score >= -2 * s.reverse && std::abs(score) <= 2 * s.strong + s.moderate &&
           s.verdict == VerdictWord(testno, s.counted, score) &&
           s.conflicting == IsConflicting(s.counted, score);
}

}  // namespace

KeptResult MakeKeptResult(const TestRecord& record, std::int16_t testno,
                          const Evaluation& evaluation, const LocalTime& ended,
                          const EvaluationWords& words) {
    KeptResult result;
    result.language = words.language();
    result.testno = testno;
    result.ended = ended;
    result.text = evaluation.text;
    for (int scale = 1; scale <= kScales; ++scale) {
        const ScaleResult& scored = evaluation.scales[scale - 1];
        KeptScale& kept = result.scales[scale - 1];
        kept.name = words.ScaleName(testno, scale);
        kept.score = scored.score;
        kept.counted = scored.count();
        kept.strong = scored.nstrong;
        kept.moderate = scored.nmoderate;
        kept.verdict = VerdictWord(testno, kept.counted, kept.score);
        kept.conflicting = IsConflicting(kept.counted, kept.score);
    }
    const int last = std::min<int>(record.totalq, kMaxQuestions);
    for (int question = 1; question <= last; ++question) {
        const int scale = record.qscale[question];
        if (record.seen[question] && scale >= 1 && scale <= kScales) {
            KeptScale& kept = result.scales[scale - 1];
            ++(record.qdir[question] > 0 ? kept.forward : kept.reverse);
        }
    }
    return result;
}

bool IsPossibleName(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ' || !IsUtf8(name) ||
        CharacterCount(name, true) > kLongestResultName) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

bool IsPossibleResult(const KeptResult& result) {
    if (!result.name.empty() && !IsPossibleName(result.name)) {
        return false;
    }
    const bool utf8 = result.language != kEnglish;
    if ((result.testno != 0 && result.testno != 1) || !IsValidTime(result.ended) ||
        result.text.size() > kMaxKeptText ||
        (utf8 && (!IsLanguageCode(result.language) || !IsUtf8(result.text)))) {
        return false;
    }
    int questions = 0;
    for (const KeptScale& scale : result.scales) {
        if (!IsPossibleScale(scale, result.testno) || (utf8 && !IsUtf8(scale.name))) {
            return false;
        }
        questions += scale.forward + scale.reverse;
    }
    return questions <= kMaxQuestions;
}

}  // namespace orv
