#include "persistence/core/saved_responses.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "testing/core/line_reader.h"
#include "testing/core/number.h"

namespace orv {

namespace {

void AppendValue(std::string& out, std::int16_t value) {
    out += std::to_string(value);
    out += "\r\n";
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
    std::string line;
    auto next = [&](std::int16_t low, std::int16_t high) -> std::optional<std::int16_t> {
        if (reader.AtEnd() || reader.ReadLine(line) != LineReader::Status::kOk) {
            return std::nullopt;
        }
        const auto value = ToInt16(line);
        if (!value || *value < low || *value > high) {
            return std::nullopt;
        }
        return value;
    };

    SavedResponses responses;
    const auto qno = next(1, kMaxQuestions);
    if (!qno) {
        return std::nullopt;
    }
    responses.qno = *qno;
    for (int slot = 1; slot <= kMaxQuestions; ++slot) {
        const auto value = next(kMinSavedAnswer, kMaxSavedAnswer);
        if (!value) {
            return std::nullopt;
        }
        responses.ans[slot] = *value;
    }
    for (int scale = 1; scale <= kScales; ++scale) {
        const auto value = next(0, kMaxQuestions);
        if (!value) {
            return std::nullopt;
        }
        responses.scount[scale] = *value;
    }
    return responses;
}

std::optional<SavedResponses> ReadSavedResponses(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return std::nullopt;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
        return std::nullopt;
    }
    return ParseSavedResponses(bytes);
}

}  // namespace orv
