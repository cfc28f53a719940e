#include "persistence/core/saved_responses.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <utility>

#include "persistence/core/durable_file.h"
#include "persistence/core/saved_number.h"
#include "testing/core/line_reader.h"

namespace orv {

namespace {

void AppendValue(std::string& out, std::int16_t value) {
    out += std::to_string(value);
    out += "\r\n";
}

// The values line `index` (0-based) may hold: the question on screen, then
// the answers, then the counts.
std::pair<int, int> RangeOfLine(int index) {
    if (index == 0) {
        return {1, kMaxQuestions};
    }
    if (index <= kMaxQuestions) {
        return {kMinSavedAnswer, kMaxSavedAnswer};
    }
    return {0, kMaxQuestions};
}

std::optional<SavedResponses> ParseLines(LineReader& reader) {
    std::array<std::int16_t, kSavedValues> values{};
    std::string line;
    for (int index = 0; index < kSavedValues; ++index) {
        if (reader.AtEnd() || reader.ReadLine(line) != LineReader::Status::kOk) {
            return std::nullopt;
        }
        const auto value = ToSavedValue(line);
        const auto [low, high] = RangeOfLine(index);
        if (!value || *value < low || *value > high) {
            return std::nullopt;
        }
        values[index] = *value;
    }
    SavedResponses responses;
    responses.qno = values[0];
    std::copy_n(values.begin() + 1, kMaxQuestions, responses.ans.begin() + 1);
    std::copy_n(values.begin() + 1 + kMaxQuestions, kScales, responses.scount.begin() + 1);
    return responses;
}

}  // namespace

std::string FormatSavedResponses(const SavedResponses& responses) {
    std::string out;
    AppendValue(out, responses.qno);
    for (int slot = 1; slot <= kMaxQuestions; ++slot) {
        AppendValue(out, responses.ans[slot]);
    }
    for (int scale = 1; scale <= kScales; ++scale) {
        AppendValue(out, responses.scount[scale]);
    }
    return out;
}

std::optional<SavedResponses> ParseSavedResponses(std::string_view bytes) {
    LineReader reader(std::make_unique<std::istringstream>(std::string(bytes)));
    return ParseLines(reader);
}

std::optional<SavedResponses> ReadSavedResponses(const std::string& path) {
    LineReader reader;
    if (!reader.Open(path)) {
        return std::nullopt;
    }
    return ParseLines(reader);
}

bool WriteSavedResponses(const std::string& path, const SavedResponses& responses) {
    return ReplaceFile(path, FormatSavedResponses(responses));
}

}  // namespace orv
