#include "persistence/core/saved_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace orv {

bool IsSavedFileName(const std::string& name, std::int16_t testno) {
    const std::string extension = "." + std::to_string(testno);
    return !name.empty() && name.front() != '.' && name.size() > extension.size() &&
           name.ends_with(extension);
}

std::vector<std::string> ListSavedFiles(const std::string& folder, std::int16_t testno) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code type_error;
        if (!it->is_regular_file(type_error)) {
            continue;
        }
        std::string name = it->path().filename().string();
        if (IsSavedFileName(name, testno)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool AnySavedFile(const std::string& folder, std::int16_t testno) {
    return !ListSavedFiles(folder, testno).empty();
}

}  // namespace orv
