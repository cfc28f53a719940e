#pragma once

#include <cstddef>
#include <string_view>

namespace orv {

// Whether `text` is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view text);

// The line, counted from 1 with lines ended by LF, of the first byte that is
// not part of well-formed UTF-8; 0 when the whole text is.
int FirstNonUtf8Line(std::string_view text);

// The length of `text` in characters: its code points when it is UTF-8, its
// bytes when it is single-byte text.
std::size_t CharacterCount(std::string_view text, bool utf8);

}  // namespace orv
