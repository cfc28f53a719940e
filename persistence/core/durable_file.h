#pragma once

#include <cstdio>
#include <filesystem>

namespace orv {

// Makes the bytes written to an open file lasting: flushes them and waits
// until the storage holds them, so that a power loss cannot leave the file
// empty. False when either step fails.
bool SyncFile(std::FILE* file);

// Makes lasting the names just created or renamed in `folder`. A file system
// that cannot do this for folders is not an error.
bool SyncFolder(const std::filesystem::path& folder);

}  // namespace orv
