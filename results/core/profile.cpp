#include "results/core/profile.h"

#include "evaluation/core/scoring.h"

namespace orv {

namespace {

ProfileScale ScaleOf(const KeptScale& kept, int number, const EvaluationWords& words) {
    ProfileScale scale;
    scale.number = number;
    scale.name = kept.name;
    scale.score = kept.score;
    scale.largest_up = 2 * kept.forward;
    scale.largest_down = -2 * kept.reverse;
    if (kept.score > 0 && scale.largest_up > 0) {
        scale.share = double(kept.score) / scale.largest_up;
    } else if (kept.score < 0 && scale.largest_down < 0) {
        scale.share = -double(kept.score) / scale.largest_down;
    }
    scale.verdict = words.Verdict(kept.verdict);
    scale.scored = kept.verdict;
    scale.conflicting = kept.conflicting;
    return scale;
}

std::string SummaryOf(const ProfileScale& scale, const ProfileScale* earlier,
                      const EvaluationWords& words) {
    const std::string score = std::to_string(scale.score);
    std::string text = scale.name + ": ";
    text += scale.score == 0
                ? score
                : words.Word("summary.of", {{"score", score}, {"largest", LargestText(scale)}});
    if (earlier != nullptr) {
        text += " " + words.Word("summary.earlier",
                                 {{"score", std::to_string(earlier->score)},
                                  {"change", ChangeText(scale.score - earlier->score)}});
    }
    text += ", " + scale.verdict;
    if (scale.conflicting) {
        text += ", " + words.Word("summary.conflicting");
    }
    return text + ".";
}

}  // namespace

Profile ProfileOf(const KeptResult& result, const EvaluationWords& words) {
    Profile profile;
    profile.name = result.name;
    profile.language = result.language;
    profile.testno = result.testno;
    profile.ended = result.ended;
    for (int i = 0; i < kScales; ++i) {
        profile.scales[i] = ScaleOf(result.scales[i], i + 1, words);
    }
    return profile;
}

ProfileView ViewOf(const KeptResult& result, const EvaluationWords& words) {
    return {ProfileOf(result, words), std::nullopt};
}

std::variant<ProfileView, std::string> CompareResults(const KeptResult& a, const KeptResult& b,
                                                      const EvaluationWords& words) {
    if (a.testno != b.testno) {
        return std::string(kDifferentTests);
    }
    const bool a_first = SecondsSinceEpoch(a.ended) <= SecondsSinceEpoch(b.ended);
    return ProfileView{ProfileOf(a_first ? b : a, words), ProfileOf(a_first ? a : b, words)};
}

std::string LargestText(const ProfileScale& scale) {
    if (scale.score > 0) {
        return std::to_string(scale.largest_up);
    }
    if (scale.score < 0) {
        return std::to_string(scale.largest_down);
    }
    return std::to_string(scale.largest_down) + " / " + std::to_string(scale.largest_up);
}

std::string ChangeText(int change) {
    return (change > 0 ? "+" : "") + std::to_string(change);
}

std::vector<LegendEntry> ProfileLegend(std::int16_t testno, const EvaluationWords& words,
                                       const ScaleMeanings& meanings) {
    const bool social = testno == 1;
    const auto entry = [&](const char* verdict, const char* meaning) {
        return LegendEntry{words.Verdict(verdict), meanings.Text(meaning)};
    };
    return {
        entry(social ? verdict::kSociable : verdict::kPositive,
              social ? "verdict.sociable" : "verdict.positive"),
        entry(social ? verdict::kDangerous : verdict::kNegative,
              social ? "verdict.dangerous" : "verdict.negative"),
        entry(verdict::kUnknown, "verdict.unknown"),
        entry(verdict::kNoResponses, "verdict.none"),
        {std::string(ConflictMark(words)) + " " + words.Word("legend.conflicting"),
         meanings.Text("conflicting")},
        {words.Word("legend.bars"), meanings.Text("bars")},
    };
}

std::string ProfileDates(const ProfileView& view, const EvaluationWords& words) {
    if (!view.earlier) {
        return words.Word("profile.ended", {{"date", words.Time(view.later.ended)}});
    }
    return words.Word("profile.compared", {{"earlier", words.Time(view.earlier->ended)},
                                           {"later", words.Time(view.later.ended)}});
}

std::vector<std::vector<std::string>> ProfileTable(const ProfileView& view,
                                                   const EvaluationWords& words) {
    const auto heading = [&](const char* key) { return words.Word(std::string("table.") + key); };
    std::vector<std::vector<std::string>> rows;
    if (view.earlier) {
        rows.push_back({heading("scale"), heading("earlier"), heading("later"), heading("change"),
                        heading("largest"), heading("verdict"), heading("conflicting")});
    } else {
        rows.push_back({heading("scale"), heading("score"), heading("largest"), heading("verdict"),
                        heading("conflicting")});
    }
    for (int i = 0; i < kScales; ++i) {
        const ProfileScale& s = view.later.scales[i];
        std::vector<std::string> row = {s.name};
        if (view.earlier) {
            const int earlier = view.earlier->scales[i].score;
            row.insert(row.end(), {std::to_string(earlier), std::to_string(s.score),
                                   ChangeText(s.score - earlier)});
        } else {
            row.push_back(std::to_string(s.score));
        }
        row.insert(row.end(), {LargestText(s), s.verdict, heading(s.conflicting ? "yes" : "no")});
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ChartSummary(const ProfileView& view, const EvaluationWords& words) {
    std::string text;
    for (int i = 0; i < kScales; ++i) {
        if (i > 0) {
            text += " ";
        }
        text += SummaryOf(view.later.scales[i], view.earlier ? &view.earlier->scales[i] : nullptr,
                          words);
    }
    return text;
}

std::string PdfFileName(const KeptResult& result, const EvaluationWords& words) {
    return words.TestTitle(result.testno) + " " + ShownDate(result.ended) + ".pdf";
}

std::string ProfileTitle(std::int16_t testno, const EvaluationWords& words) {
    return words.Word("profile.title", {{"test", words.TestTitle(testno)}});
}

}  // namespace orv
