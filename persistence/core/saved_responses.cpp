#include "persistence/core/saved_responses.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <system_error>

#include "persistence/core/durable_file.h"
#include "persistence/core/saved_number.h"
#include "testing/core/line_reader.h"

namespace orv {

namespace {

void AppendValue(std::string& out, std::int16_t value) {
    out += std::to_string(value);
    out += "\r\n";
}

// Creates a new file with a name of its own in `folder` ("x" never opens an
// existing file). The name starts with "." so that no file list shows it.
std::FILE* CreateTemporary(const std::filesystem::path& folder, std::filesystem::path& name) {
    constexpr int kAttempts = 16;
    std::mt19937_64 random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = folder / (".orvsave-" + std::to_string(random() % 1000000000000ULL));
        if (std::FILE* file = std::fopen(name.c_str(), "wbx")) {
            return file;
        }
    }
    return nullptr;
}

bool WriteAndClose(std::FILE* file, const std::string& bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool synced = written && SyncFile(file);
    const bool closed = std::fclose(file) == 0;
    return synced && closed;
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
        const auto value = ToSavedValue(line);
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
    // A folder opens like a file but throws when read.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return std::nullopt;
    }
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
    if (file.bad()) {
        return std::nullopt;
    }
    return ParseSavedResponses(bytes);
}

bool WriteSavedResponses(const std::string& path, const SavedResponses& responses) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    fs::path temporary;
    std::FILE* file = CreateTemporary(folder, temporary);
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
