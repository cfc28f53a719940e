#include "results/core/scale_order.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "evaluation/core/scoring.h"

namespace orv {

std::array<int, kScales> ScaleOrder(const Profile& profile, bool strongest_first) {
    std::array<int, kScales> order;
    std::iota(order.begin(), order.end(), 0);
    if (strongest_first) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return std::abs(profile.scales[a].share) > std::abs(profile.scales[b].share);
        });
    }
    return order;
}

ProfileView Reordered(const ProfileView& view, const std::array<int, kScales>& order) {
    ProfileView shown = view;
    for (int i = 0; i < kScales; ++i) {
        shown.later.scales[i] = view.later.scales[order[i]];
        if (view.earlier) {
            shown.earlier->scales[i] = view.earlier->scales[order[i]];
        }
    }
    return shown;
}

std::string ShareText(const ProfileScale& scale, std::int16_t testno,
                      const EvaluationWords& words) {
    const std::string up = words.Verdict(testno == 0 ? verdict::kPositive : verdict::kSociable);
    const std::string down = words.Verdict(testno == 0 ? verdict::kNegative : verdict::kDangerous);
    if (scale.score == 0) {
        return words.Word("share.even", {{"up", std::to_string(scale.largest_up)},
                                         {"positive", up},
                                         {"down", std::to_string(-scale.largest_down)},
                                         {"negative", down}});
    }
    const bool positive = scale.score > 0;
    return words.Word(
        "share", {{"score", std::to_string(std::abs(scale.score))},
                  {"largest", std::to_string(positive ? scale.largest_up : -scale.largest_down)},
                  {"verdict", positive ? up : down}});
}

}  // namespace orv
