#include "persistence/core/durable_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

namespace orv {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryPrefix = ".saving-";
constexpr std::size_t kTemporaryDigits = 8;

std::atomic<bool> unnamed_allowed{true};

// Over a file-size limit the system ends the process with SIGXFSZ unless the
// signal is ignored; ignored, the write fails with EFBIG instead.
class FileSizeSignalIgnored {
  public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &saved_);
    }
    ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &saved_, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

  private:
    struct sigaction saved_ {};
};

// The mode to give the new content: that of the file it replaces, or no
// value for a new file. False when the file may not be replaced.
bool ExistingMode(const std::string& path, std::optional<mode_t>& mode) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    if (!S_ISREG(status.st_mode)) {
        return false;
    }
    // access() lets the superuser write anything; a file that grants nobody
    // the right to write is read-only for the superuser too.
    if (access(path.c_str(), W_OK) != 0 || (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return false;
    }
    mode = status.st_mode & 07777;
    return true;
}

fs::path RandomTemporaryName(const fs::path& folder) {
    static std::random_device random;
    char name[32];
    std::snprintf(name, sizeof name, "%s%08x", kTemporaryPrefix.data(),
                  static_cast<unsigned>(random()));
    return folder / name;
}

// A file being written, locked from its creation until it is closed.
struct Temporary {
    int fd = -1;
    fs::path name;  // empty while the file has no name

    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    // A file not published goes: an unnamed one with its descriptor.
    ~Temporary() {
        if (!name.empty()) {
            unlink(name.c_str());
        }
        if (fd >= 0) {
            close(fd);
        }
    }
};

std::string SelfLink(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// A file without a name in `folder`, which a link can publish later; -1
// where the file system or the system cannot do that.
int OpenUnnamed(const fs::path& folder) {
    if (!unnamed_allowed) {
        return -1;
    }
    const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0 && access(SelfLink(fd).c_str(), F_OK) != 0) {
        close(fd);  // without /proc it could never be published
        return -1;
    }
    return fd;
}

// A new hidden file of a short random name in `folder`, opened for writing.
// O_EXCL with O_CREAT fails on any existing name, a link included.
int CreateNamed(const fs::path& folder, fs::path& created) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = RandomTemporaryName(folder);
        const int fd =
            open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            if (fd < 0) {
                created.clear();
            }
            return fd;
        }
    }
    created.clear();
    return -1;
}

// Gives the unnamed file `fd` the name `target`, only while nothing has it.
bool LinkUnnamed(int fd, const fs::path& target) {
    return linkat(AT_FDCWD, SelfLink(fd).c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// A hidden name for an unnamed file, for the moment of a rename.
bool NameUnnamed(Temporary& temporary, const fs::path& folder) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path name = RandomTemporaryName(folder);
        if (LinkUnnamed(temporary.fd, name)) {
            temporary.name = name;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool SyncFolder(const fs::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // Some file systems cannot sync a folder; that is not a failure.
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    close(fd);
    return synced;
}

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// A new temporary file in `folder` that holds `bytes` on the storage, with
// the permission bits `mode` if given (set before anything is written).
bool WriteTemporary(const fs::path& folder, std::string_view bytes, std::optional<mode_t> mode,
                    Temporary& temporary) {
    temporary.fd = OpenUnnamed(folder);
    if (temporary.fd < 0) {
        temporary.fd = CreateNamed(folder, temporary.name);
    }
    // A new file's lock is never held by anyone else.
    return temporary.fd >= 0 && flock(temporary.fd, LOCK_EX) == 0 &&
           (!mode || fchmod(temporary.fd, *mode) == 0) && WriteAll(temporary.fd, bytes) &&
           fsync(temporary.fd) == 0;
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    std::optional<mode_t> mode;
    if (!ExistingMode(path, mode)) {
        return false;
    }
    const fs::path target(path);
    const fs::path folder = FolderOf(target);
    const FileSizeSignalIgnored no_signal;
    Temporary temporary;
    if (!WriteTemporary(folder, bytes, mode, temporary)) {
        return false;
    }
    if (temporary.name.empty() && !NameUnnamed(temporary, folder)) {
        return false;
    }
    if (std::rename(temporary.name.c_str(), target.c_str()) != 0) {
        return false;
    }
    temporary.name.clear();
    // Without this the replacement itself may be lost to a power cut.
    return SyncFolder(folder);
}

NewFileOutcome CreateNewFile(const std::string& path, std::string_view bytes, unsigned mode) {
    const fs::path target(path);
    const fs::path folder = FolderOf(target);
    const FileSizeSignalIgnored no_signal;
    Temporary temporary;
    if (!WriteTemporary(folder, bytes, static_cast<mode_t>(mode), temporary)) {
        return NewFileOutcome::kFailed;
    }
    // The written file's name, given only while the name is free.
    const bool linked = temporary.name.empty() ? LinkUnnamed(temporary.fd, target)
                                               : link(temporary.name.c_str(), target.c_str()) == 0;
    if (!linked) {
        return errno == EEXIST ? NewFileOutcome::kExists : NewFileOutcome::kFailed;
    }
    return SyncFolder(folder) ? NewFileOutcome::kCreated : NewFileOutcome::kFailed;
}

bool IsTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryDigits ||
        !name.starts_with(kTemporaryPrefix)) {
        return false;
    }
    for (const char c : name.substr(kTemporaryPrefix.size())) {
        if ((c < '0' || c > '9') && (c < 'a' || c > 'f')) {
            return false;
        }
    }
    return true;
}

int RemoveStaleTemporaries(const std::string& folder) {
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path path = it->path();
        if (!IsTemporaryName(path.filename().string())) {
            continue;
        }
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        // The lock is free only when the process that wrote the file has
        // ended; the name must still be that file's.
        struct stat opened {
        }, named{};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &opened) == 0 &&
            S_ISREG(opened.st_mode) && lstat(path.c_str(), &named) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino &&
            unlink(path.c_str()) == 0) {
            ++removed;
        }
        close(fd);
    }
    return removed;
}

void AllowUnnamedTemporaries(bool allowed) {
    unnamed_allowed = allowed;
}

}  // namespace orv
