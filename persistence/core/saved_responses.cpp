#include "persistence/core/saved_responses.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <system_error>
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

bool WriteAndClose(std::FILE* file, const std::string& bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool synced = written && SyncFile(file);
    const bool closed = std::fclose(file) == 0;
    return synced && closed;
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
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // Hidden, so that no file list shows it, and beside the target, so that
    // the rename stays within one file system.
    const fs::path temporary = folder / ("." + target.filename().string() + ".saving");
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    std::error_code error;
    if (WriteAndClose(file, FormatSavedResponses(responses))) {
        fs::rename(temporary, target, error);
        if (!error) {
            // Without this the replacement itself may be lost to a power cut.
            return SyncFolder(folder);
        }
    }
    fs::remove(temporary, error);
    return false;
}

}  // namespace orv
