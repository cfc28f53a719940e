#pragma once

namespace orv {

// Caption of the main windows and title of every message box.
inline constexpr const char* kAppTitle = "Orvane Personality Test";

// Holder of the rights named in the evaluation's notice line.
inline constexpr const char* kRightsHolder = "Orvane Software";

}  // namespace orv
