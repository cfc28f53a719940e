#include "persistence/core/saved_number.h"

namespace orv {

std::optional<std::int16_t> ToSavedValue(std::string_view line) {
    const bool negative = !line.empty() && line.front() == '-';
    if (negative) {
        line.remove_prefix(1);
    }
    if (line.empty()) {
        return std::nullopt;
    }
    const std::int32_t limit = negative ? 32768 : 32767;
    std::int32_t magnitude = 0;
    for (const char c : line) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int16_t>(negative ? -magnitude : magnitude);
}

}  // namespace orv
