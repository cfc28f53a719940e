#include "app/core/saved_files_folder.h"

#include <filesystem>
#include <system_error>

#include "app/core/program_identity.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace orv {

namespace fs = std::filesystem;

std::string ChooseSavedFilesFolder(const std::string& program_folder, bool program_folder_writable,
                                   const std::string& xdg_data_home, const std::string& home) {
    if (program_folder_writable) {
        return program_folder;
    }
    if (fs::path(xdg_data_home).is_absolute()) {
        return (fs::path(xdg_data_home) / kAppId).string();
    }
    if (fs::path(home).is_absolute()) {
        return (fs::path(home) / ".local" / "share" / kAppId).string();
    }
    return program_folder;
}

bool MayCreateFilesIn(const std::string& folder) {
#if __has_include(<unistd.h>)
    // Asks the system itself: ownership, permission bits and a read-only mount.
    return access(folder.c_str(), W_OK | X_OK) == 0;
#else
    std::error_code error;
    const fs::perms perms = fs::status(folder, error).permissions();
    return !error && (perms & fs::perms::owner_write) != fs::perms::none;
#endif
}

bool CreateUserFolder(const std::string& folder) {
    std::error_code error;
    fs::path partial;
    for (const fs::path& part : fs::path(folder)) {
        partial /= part;
        if (fs::create_directory(partial, error)) {
            fs::permissions(partial, fs::perms::owner_all, error);
        }
    }
    return fs::is_directory(folder, error);
}

}  // namespace orv
