#pragma once

#include <array>
#include <string>

#include "evaluation/core/evaluation_words.h"
#include "results/core/profile.h"

namespace orv {

// The places of the scales of `profile` in the order shown: the test's
// order, or with `strongest_first` the largest share of the possible score
// first, in either direction, and scales of equal share in the test's order.
std::array<int, kScales> ScaleOrder(const Profile& profile, bool strongest_first);

// `view` with the scales of both results in `order` (places 0..9).
ProfileView Reordered(const ProfileView& view, const std::array<int, kScales>& order);

// A scale's score in words, in the direction of its score: "12 of a possible
// 16 towards Positive"; for 0 both directions.
std::string ShareText(const ProfileScale& scale, std::int16_t testno,
                      const EvaluationWords& words = EvaluationWords::English());

}  // namespace orv
