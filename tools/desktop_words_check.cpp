#include "tools/desktop_words_check.h"

#include <algorithm>
#include <set>

#include "app/core/utf8.h"
#include "evaluation/core/words_lines.h"

namespace orvtool {

const std::vector<std::string>& DesktopWordsKeys() {
    static const std::vector<std::string> keys = {
        "name", "generic.name", "comment", "keywords", "summary", "description.1", "description.2"};
    return keys;
}

DesktopWordsCheck CheckDesktopWords(std::string_view bytes) {
    DesktopWordsCheck check;
    if ((check.error_line = orv::FirstNonUtf8Line(bytes)) != 0) {
        check.error = "not UTF-8 text";
        return check;
    }
    const std::vector<std::string>& keys = DesktopWordsKeys();
    std::set<std::string> seen;
    for (const auto& [number, line] : orv::WordsLines(bytes)) {
        const std::size_t tab = line.find('\t');
        const std::string key(line.substr(0, tab));
        const std::string_view quoted = tab == line.npos ? "" : line.substr(tab + 1);
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            check.error = "unknown key \"" + key + "\"";
        } else if (!seen.insert(key).second) {
            check.error = "\"" + key + "\" appears twice";
        } else if (const auto words = orv::QuotedWords(quoted); !words || words->empty()) {
            check.error = "the words of \"" + key + "\" must stand in double quotes, without tabs";
        }
        if (!check.error.empty()) {
            check.error_line = number;
            return check;
        }
    }
    for (const std::string& key : keys) {
        if (seen.count(key) == 0) {
            check.missing.push_back(key);
        }
    }
    return check;
}

}  // namespace orvtool
