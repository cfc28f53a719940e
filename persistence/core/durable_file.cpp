#include "persistence/core/durable_file.h"

// The standard library has no way to wait for the storage; the POSIX calls
// do it where they exist, elsewhere a flush is all there is.
#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#define ORV_HAVE_FSYNC 1
#endif

namespace orv {

bool SyncFile(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef ORV_HAVE_FSYNC
    return fsync(fileno(file)) == 0;
#else
    return true;
#endif
}

bool SyncFolder(const std::filesystem::path& folder) {
#ifdef ORV_HAVE_FSYNC
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    close(fd);
    return synced;
#else
    (void)folder;
    return true;
#endif
}

}  // namespace orv
