#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvtool {

// The keys of a language folder's desktop.words, the words of its menu entry
// and its software-centre listing, as the package's build takes them.
inline constexpr const char* kDesktopWordsFileName = "desktop.words";
const std::vector<std::string>& DesktopWordsKeys();

// A desktop.words file as read: the first fault with its line (0 when sound),
// or the keys it has no words for.
struct DesktopWordsCheck {
    int error_line = 0;
    std::string error;
    std::vector<std::string> missing;
};

// UTF-8; comment lines ("#...") and empty lines; every other line a known
// key, one tab and words in double quotes without a tab or double quote
// inside; no key twice.
DesktopWordsCheck CheckDesktopWords(std::string_view bytes);

}  // namespace orvtool
