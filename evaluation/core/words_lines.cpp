#include "evaluation/core/words_lines.h"

namespace orv {

std::vector<std::pair<int, std::string_view>> WordsLines(std::string_view bytes) {
    std::vector<std::pair<int, std::string_view>> lines;
    for (int number = 1; !bytes.empty(); ++number) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!line.empty() && !line.starts_with('#')) {
            lines.emplace_back(number, line);
        }
    }
    return lines;
}

std::optional<std::string_view> QuotedWords(std::string_view quoted) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
        return std::nullopt;
    }
    const std::string_view words = quoted.substr(1, quoted.size() - 2);
    if (words.find_first_of("\"\t") != std::string_view::npos) {
        return std::nullopt;
    }
    return words;
}

}  // namespace orv
