#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace orv {

// The lines of a words file (evaluation.words, desktop.words) that carry
// words, each with its number counted from 1, without its line end; comment
// lines ("#...") and empty lines are left out.
std::vector<std::pair<int, std::string_view>> WordsLines(std::string_view bytes);

// The words of a line's value in double quotes, without the quotes; nothing
// when the quotes are missing or a tab or double quote stands inside.
std::optional<std::string_view> QuotedWords(std::string_view quoted);

}  // namespace orv
