#include "testing/core/number.h"

#include <cctype>

namespace orv {

namespace {

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
}

bool IsSign(char c) {
    return c == '-' || c == '+';
}

}  // namespace

std::optional<std::int16_t> ToInt16(std::string_view text) {
    std::size_t pos = 0;
    SkipBlanks(text, pos);

    char sign = 0;
    if (pos < text.size() && IsSign(text[pos])) {
        sign = text[pos++];
        SkipBlanks(text, pos);
    }

    const std::size_t digits_start = pos;
    std::int32_t magnitude = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > 32768) {
            return std::nullopt;
        }
        ++pos;
    }
    if (pos == digits_start) {
        return std::nullopt;
    }

    SkipBlanks(text, pos);
    if (pos < text.size() && IsSign(text[pos]) && sign == 0) {
        sign = text[pos++];
        SkipBlanks(text, pos);
    }
    if (pos != text.size()) {
        return std::nullopt;
    }

    const std::int32_t value = sign == '-' ? -magnitude : magnitude;
    if (value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace orv
