#include "persistence/core/saved_number.h"

#include <charconv>

namespace orv {

std::optional<std::int16_t> ToSavedValue(std::string_view line) {
    // from_chars takes an optional "-" and digits only: no blanks, no "+".
    std::int16_t value = 0;
    const char* end = line.data() + line.size();
    const auto [stop, error] = std::from_chars(line.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace orv
