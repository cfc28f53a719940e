#include "results/core/profile.h"

#include "app/core/app_title.h"
#include "evaluation/core/scoring.h"

namespace orv {

namespace {

ProfileScale ScaleOf(const KeptScale& kept) {
    ProfileScale scale;
    scale.name = kept.name;
    scale.score = kept.score;
    scale.largest_up = 2 * kept.forward;
    scale.largest_down = -2 * kept.reverse;
    if (kept.score > 0 && scale.largest_up > 0) {
        scale.share = double(kept.score) / scale.largest_up;
    } else if (kept.score < 0 && scale.largest_down < 0) {
        scale.share = -double(kept.score) / scale.largest_down;
    }
    scale.verdict = kept.verdict;
    scale.conflicting = kept.conflicting;
    return scale;
}

std::string SummaryOf(const ProfileScale& scale, const ProfileScale* earlier) {
    std::string text = scale.name + ": " + std::to_string(scale.score);
    if (scale.score != 0) {
        text += " of a possible " + LargestText(scale);
    }
    if (earlier != nullptr) {
        text += " (earlier " + std::to_string(earlier->score) + ", change " +
                ChangeText(scale.score - earlier->score) + ")";
    }
    text += ", " + scale.verdict;
    if (scale.conflicting) {
        text += ", conflicting responses";
    }
    return text + ".";
}

}  // namespace

Profile ProfileOf(const KeptResult& result) {
    Profile profile;
    profile.testno = result.testno;
    profile.ended = result.ended;
    for (int i = 0; i < kScales; ++i) {
        profile.scales[i] = ScaleOf(result.scales[i]);
    }
    return profile;
}

ProfileView ViewOf(const KeptResult& result) {
    return {ProfileOf(result), std::nullopt};
}

std::variant<ProfileView, std::string> CompareResults(const KeptResult& a, const KeptResult& b) {
    if (a.testno != b.testno) {
        return std::string(kDifferentTests);
    }
    const bool a_first = SecondsSinceEpoch(a.ended) <= SecondsSinceEpoch(b.ended);
    return ProfileView{ProfileOf(a_first ? b : a), ProfileOf(a_first ? a : b)};
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

std::vector<LegendEntry> ProfileLegend(std::int16_t testno) {
    const bool social = testno == 1;
    return {
        {social ? verdict::kSociable : verdict::kPositive,
         social ? "what you agreed with leans toward the side that helps you get on with others"
                : "what you agreed with leans toward the favourable side of the scale"},
        {social ? verdict::kDangerous : verdict::kNegative,
         social ? "what you agreed with leans toward the side that can make you hard to get on with"
                : "what you agreed with leans toward the unfavourable side of the scale"},
        {verdict::kUnknown, "what you agreed with weighs the same on both sides"},
        {verdict::kNoResponses, "you agreed with none of the statements of the scale"},
        {std::string(kConflictMark) + " Conflicting Responses",
         "you agreed with statements on both sides, so the verdict is less clear-cut"},
        {"Bars", "each score as a share of the largest that the questions allow in its direction"},
    };
}

std::string ProfileDates(const ProfileView& view) {
    if (!view.earlier) {
        return "Test ended " + ShownTime(view.later.ended) + ".";
    }
    return "Earlier result (paler bars): " + ShownTime(view.earlier->ended) +
           ". Later result: " + ShownTime(view.later.ended) + ".";
}

std::vector<std::vector<std::string>> ProfileTable(const ProfileView& view) {
    std::vector<std::vector<std::string>> rows;
    if (view.earlier) {
        rows.push_back(
            {"Scale", "Earlier", "Later", "Change", "Largest possible", "Verdict", "Conflicting"});
    } else {
        rows.push_back({"Scale", "Score", "Largest possible", "Verdict", "Conflicting"});
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
        row.insert(row.end(), {LargestText(s), s.verdict, s.conflicting ? "Yes" : "No"});
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ChartSummary(const ProfileView& view) {
    std::string text;
    for (int i = 0; i < kScales; ++i) {
        if (i > 0) {
            text += " ";
        }
        text += SummaryOf(view.later.scales[i], view.earlier ? &view.earlier->scales[i] : nullptr);
    }
    return text;
}

std::string PdfFileName(const KeptResult& result) {
    return std::string(TestTitle(result.testno)) + " " + ShownDate(result.ended) + ".pdf";
}

}  // namespace orv
