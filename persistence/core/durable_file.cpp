#include "persistence/core/durable_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>

namespace orv {

namespace {

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

// A new hidden file of a short random name in `folder`, opened for writing.
// O_EXCL with O_CREAT fails on any existing name, a link included.
int CreateTemporary(const std::filesystem::path& folder, std::filesystem::path& created) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".saving-%08x", static_cast<unsigned>(random()));
        created = folder / name;
        const int fd =
            open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
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

bool SyncFolder(const std::filesystem::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // Some file systems cannot sync a folder; that is not a failure.
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    close(fd);
    return synced;
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// A new temporary file in `folder` that holds `bytes` on the storage, with
// the permission bits `mode` if given (set before anything is written). False,
// with nothing left behind, on any failure.
bool WriteTemporary(const std::filesystem::path& folder, std::string_view bytes,
                    std::optional<mode_t> mode, std::filesystem::path& temporary) {
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0) {
        return false;
    }
    bool done = (!mode || fchmod(fd, *mode) == 0) && WriteAll(fd, bytes) && fsync(fd) == 0;
    done = close(fd) == 0 && done;
    if (!done) {
        unlink(temporary.c_str());
    }
    return done;
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    std::optional<mode_t> mode;
    if (!ExistingMode(path, mode)) {
        return false;
    }
    const std::filesystem::path target(path);
    const std::filesystem::path folder = FolderOf(target);
    std::filesystem::path temporary;
    const FileSizeSignalIgnored no_signal;
    if (!WriteTemporary(folder, bytes, mode, temporary)) {
        return false;
    }
    if (std::rename(temporary.c_str(), target.c_str()) == 0) {
        // Without this the replacement itself may be lost to a power cut.
        return SyncFolder(folder);
    }
    unlink(temporary.c_str());
    return false;
}

NewFileOutcome CreateNewFile(const std::string& path, std::string_view bytes, unsigned mode) {
    const std::filesystem::path target(path);
    const std::filesystem::path folder = FolderOf(target);
    std::filesystem::path temporary;
    const FileSizeSignalIgnored no_signal;
    if (!WriteTemporary(folder, bytes, static_cast<mode_t>(mode), temporary)) {
        return NewFileOutcome::kFailed;
    }
    // A second name for the written file, given only while the name is free.
    const bool linked = link(temporary.c_str(), target.c_str()) == 0;
    const int error = errno;
    unlink(temporary.c_str());
    if (!linked) {
        return error == EEXIST ? NewFileOutcome::kExists : NewFileOutcome::kFailed;
    }
    return SyncFolder(folder) ? NewFileOutcome::kCreated : NewFileOutcome::kFailed;
}

}  // namespace orv
