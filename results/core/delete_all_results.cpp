#include "results/core/delete_all_results.h"

#include <algorithm>
#include <filesystem>
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
    for (const ListedResult& listed : ListKeptResults(folder)) {
        if (listed.result && remove(listed.name)) {
            ++outcome.deleted;
        }
    }
    for (const std::string& name : NamesIn(folder, IsTemporary)) {
        remove(name);
    }
    std::sort(outcome.not_removed.begin(), outcome.not_removed.end());
    return outcome;
}

std::vector<std::string> OtherFilesIn(const std::string& folder) {
    return NamesIn(folder, [](const fs::directory_entry& entry) {
        std::error_code error;
        const std::string name = entry.path().filename().string();
        return !IsTemporary(entry) && !(IsKeptResultName(name) && entry.is_regular_file(error));
    });
}

}  // namespace orv
