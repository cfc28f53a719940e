#include "results/core/kept_results.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/core/program_files.h"
#include "app/core/saved_files_folder.h"
#include "persistence/core/durable_file.h"
#include "results/core/result_file.h"

namespace orv {

namespace {

constexpr std::string_view kExtension = ".result";
constexpr unsigned kUserOnly = 0600;
constexpr int kMostTries = 1000;

std::string NameFor(const KeptResult& result, int attempt) {
    char name[48];
    const LocalTime& t = result.ended;
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, int(result.testno));
    std::string text = name;
    if (attempt > 1) {
        text += "-" + std::to_string(attempt);
    }
    return text + std::string(kExtension);
}

}  // namespace

std::string KeptResultsFolder(const std::string& saved_files_folder) {
    return ProgramPath(saved_files_folder, "results");
}

bool IsKeptResultName(const std::string& name) {
    return name.size() > kExtension.size() && name.front() != '.' && name.ends_with(kExtension) &&
           name.find('/') == std::string::npos;
}

std::optional<std::string> KeepResult(const std::string& folder, const KeptResult& result) {
    if (!CreateUserFolder(folder)) {
        return std::nullopt;
    }
    const std::string bytes = FormatKeptResult(result);
    for (int attempt = 1; attempt <= kMostTries; ++attempt) {
        const std::string name = NameFor(result, attempt);
        switch (CreateNewFile(ProgramPath(folder, name), bytes, kUserOnly)) {
            case NewFileOutcome::kCreated:
                return name;
            case NewFileOutcome::kExists:
                continue;
            case NewFileOutcome::kFailed:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<ListedResult> ListKeptResults(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<ListedResult> listed;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code type_error;
        if (IsKeptResultName(name) && it->is_regular_file(type_error)) {
            listed.push_back({name, ReadKeptResult(it->path().string())});
        }
    }
    std::sort(listed.begin(), listed.end(), [](const ListedResult& a, const ListedResult& b) {
        if (a.result.has_value() != b.result.has_value()) {
            return a.result.has_value();
        }
        if (a.result) {
            const auto when_a = SecondsSinceEpoch(a.result->ended);
            const auto when_b = SecondsSinceEpoch(b.result->ended);
            if (when_a != when_b) {
                return when_a > when_b;
            }
            // Of one second, the name with the higher number was kept later.
            if (a.name.size() != b.name.size()) {
                return a.name.size() > b.name.size();
            }
            return a.name > b.name;
        }
        return a.name < b.name;
    });
    return listed;
}

std::optional<std::string> NameKeptResult(const std::string& folder, const std::string& file,
                                          const std::string& name) {
    if (!IsKeptResultName(file)) {
        return std::nullopt;
    }
    std::optional<KeptResult> result = ReadKeptResult(ProgramPath(folder, file));
    if (!result) {
        return std::nullopt;
    }
    result->name = name;
    if (!IsPossibleResult(*result)) {
        return std::nullopt;
    }
    auto named = KeepResult(folder, *result);
    if (named && !DeleteKeptResult(folder, file)) {
        DeleteKeptResult(folder, *named);
        return std::nullopt;
    }
    return named;
}

bool DeleteKeptResult(const std::string& folder, const std::string& name) {
    if (!IsKeptResultName(name)) {
        return false;
    }
    std::error_code error;
    return std::filesystem::remove(ProgramPath(folder, name), error);
}

}  // namespace orv
