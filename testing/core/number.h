#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

// Reads a 16-bit decimal integer as the test databases write them:
// blanks before and after are ignored and the sign may stand before or after
// the digits ("3-" is -3). Empty text, anything else, or a value outside
// -32768..32767 gives no value.
std::optional<std::int16_t> ToInt16(std::string_view text);

}  // namespace orv
