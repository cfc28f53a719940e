#include "app/core/utf8.h"

namespace orv {

namespace {

// The length of the well-formed character at `text[at]`, 0 when there is none.
std::size_t CharacterAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned lowest = 0, highest = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, lowest = lead == 0xE0 ? 0xA0 : 0x80, highest = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, lowest = lead == 0xF0 ? 0x90 : 0x80, highest = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < lowest || byte(at + 1) > highest) {
        return 0;
    }
    for (std::size_t i = at + 2; i < at + length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// The position of the first byte that is not part of well-formed UTF-8.
std::size_t FirstFault(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterAt(text, at);
        if (length == 0) {
            return at;
        }
        at += length;
    }
    return std::string_view::npos;
}

}  // namespace

bool IsUtf8(std::string_view text) {
    return FirstFault(text) == std::string_view::npos;
}

int FirstNonUtf8Line(std::string_view text) {
    const std::size_t fault = FirstFault(text);
    if (fault == std::string_view::npos) {
        return 0;
    }
    int line = 1;
    for (std::size_t i = 0; i < fault; ++i) {
        line += text[i] == '\n';
    }
    return line;
}

std::size_t CharacterCount(std::string_view text, bool utf8) {
    if (!utf8) {
        return text.size();
    }
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not a continuation byte
    }
    return count;
}

}  // namespace orv
