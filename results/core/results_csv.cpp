#include "results/core/results_csv.h"

namespace orv {

namespace {

// Single-byte (Latin-1) text as UTF-8.
std::string Latin1ToUtf8(const std::string& text) {
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

void AppendRow(std::string& csv, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        csv += (i == 0 ? "" : ",") + Field(fields[i]);
    }
    csv += "\r\n";
}

}  // namespace

std::string ResultsCsv(const std::vector<ListedResult>& listed, const WordsOfLanguage& words_of) {
    std::vector<std::string> heading = {"file", "name", "test", "language", "ended"};
    for (int scale = 1; scale <= kScales; ++scale) {
        const std::string number = std::to_string(scale);
        heading.insert(heading.end(), {"scale " + number, "score " + number, "verdict " + number});
    }
    std::string csv;
    AppendRow(csv, heading);
    for (const ListedResult& entry : listed) {
        if (!entry.result) {
            continue;
        }
        const KeptResult& result = *entry.result;
        const EvaluationWords& words = words_of(result.language);
        const auto text = [&](const std::string& own) {
            return words.utf8() ? own : Latin1ToUtf8(own);
        };
        std::vector<std::string> row = {entry.name, result.name,
                                        text(words.TestTitle(result.testno)), result.language,
                                        IsoTimeText(result.ended)};
        for (const KeptScale& scale : result.scales) {
            row.insert(row.end(), {text(scale.name), std::to_string(scale.score),
                                   text(words.Verdict(scale.verdict))});
        }
        AppendRow(csv, row);
    }
    return csv;
}

}  // namespace orv
