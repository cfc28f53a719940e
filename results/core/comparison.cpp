#include "results/core/comparison.h"

#include <algorithm>

namespace orv {

std::optional<Comparison> CompareSeveral(const std::vector<KeptResult>& results,
                                         const EvaluationWords& words) {
    if (results.size() < 2 || results.size() > kMostCompared ||
        std::any_of(results.begin(), results.end(),
                    [&](const KeptResult& r) { return r.testno != results.front().testno; })) {
        return std::nullopt;
    }
    Comparison comparison;
    for (const KeptResult& result : results) {
        comparison.profiles.push_back(ProfileOf(result, words));
    }
    std::stable_sort(comparison.profiles.begin(), comparison.profiles.end(),
                     [](const Profile& a, const Profile& b) {
                         return SecondsSinceEpoch(a.ended) < SecondsSinceEpoch(b.ended);
                     });
    return comparison;
}

}  // namespace orv
