#include "results/core/delete_all_results.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "persistence/core/durable_file.h"
#include "results/core/kept_results.h"

namespace orv {

namespace {

namespace fs = std::filesystem;

// The names in `folder` of which `wanted` is true, by name.
template <typename Wanted>
std::vector<std::string> NamesIn(const std::string& folder, Wanted wanted) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (wanted(*it)) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A kept result of any version, readable or not: a plain file with a result's
// name that begins with the format's name.
bool IsResultFile(const fs::directory_entry& entry) {
    constexpr std::string_view kFormatName = "orvane-result\t";
    std::error_code error;
    if (!IsKeptResultName(entry.path().filename().string()) || !entry.is_regular_file(error)) {
        return false;
    }
    std::string start(kFormatName.size(), '\0');
    std::ifstream in(entry.path(), std::ios::binary);
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    return in.gcount() == static_cast<std::streamsize>(start.size()) && start == kFormatName;
}

bool IsTemporary(const fs::directory_entry& entry) {
    std::error_code error;
    return IsTemporaryName(entry.path().filename().string()) && entry.is_regular_file(error);
}

}  // namespace

DeletedResults DeleteAllKeptResults(const std::string& folder) {
    DeletedResults outcome;
    const auto remove = [&](const std::string& name) {
        std::error_code error;
        const bool removed = fs::remove(fs::path(folder) / name, error);
        if (error) {  // not when another removed it first
            outcome.not_removed.push_back(name);
        }
        return removed;
    };
    for (const std::string& name : KeptResultFiles(folder)) {
        if (remove(name)) {
            ++outcome.deleted;
        }
    }
    for (const std::string& name : NamesIn(folder, IsTemporary)) {
        remove(name);
    }
    std::sort(outcome.not_removed.begin(), outcome.not_removed.end());
    return outcome;
}

std::vector<std::string> KeptResultFiles(const std::string& folder) {
    return NamesIn(folder, IsResultFile);
}

std::vector<std::string> OtherFilesIn(const std::string& folder) {
    return NamesIn(folder, [](const fs::directory_entry& entry) {
        return !IsTemporary(entry) && !IsResultFile(entry);
    });
}

}  // namespace orv
