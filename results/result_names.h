#pragma once

#include <QString>

#include "results/core/profile.h"

namespace orv::results {

// Whose results a profile shows, for the line under its dates: "Result of
// Anna", or which of two is whose; empty when no result is named.
QString NamesLine(const ProfileView& view);

}  // namespace orv::results
