#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

// Reads one line of a saved file as a 16-bit integer. The line must be a
// plain decimal integer: an optional "-" directly followed by digits and
// nothing else (no blanks, no "+", no sign after the digits). Leading zeros
// are accepted ("007" is 7, "-0" is 0). No value for anything else or for a
// value outside -32768..32767.
std::optional<std::int16_t> ToSavedValue(std::string_view line);

}  // namespace orv
