#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "results/core/profile.h"

namespace orv {

// The most results one comparison shows.
inline constexpr std::size_t kMostCompared = 6;

// Several results of one test side by side, oldest first.
struct Comparison {
    std::vector<Profile> profiles;
};

// The comparison of 2 to kMostCompared results of one test, in the order
// they ended (the given order among those of one moment), each in `words`
// (the verdicts; the scale names stay those of each result); no value for
// results of different tests or too few or too many.
std::optional<Comparison> CompareSeveral(const std::vector<KeptResult>& results,
                                         const EvaluationWords& words);

}  // namespace orv
