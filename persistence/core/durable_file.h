#pragma once

#include <string>
#include <string_view>

namespace orv {

// Puts `bytes` into the plain file `path` so that it ends up holding either the
// whole new content or, when anything fails, exactly what it held before, even
// across a power cut. The bytes go to a new file of an unpredictable short
// hidden name in the same folder, created exclusively and never through a
// link, which is synced to the storage and then renamed over `path`; the
// folder is synced after that.
//
// Refused, with nothing created or changed: an existing `path` that is not a
// plain file (a link, a folder, ...) or that may not be written, by this user
// or, for the superuser, by anyone. A replaced file keeps its permission bits;
// a new one gets the usual ones (0666 less the umask). A limit on the size of
// files fails the write instead of ending the program. No temporary file is
// left behind. False on any failure; when only the last sync of the folder
// fails, `path` already holds the new content but it may not last.
bool ReplaceFile(const std::string& path, std::string_view bytes);

enum class NewFileOutcome {
    kCreated,
    kExists,  // something has that name already; nothing changed
    kFailed,  // nothing created (or, when only the folder's sync failed, it may not last)
};

// Puts `bytes` into a new file `path` with the permission bits `mode`, in the
// same safe way as ReplaceFile, but never over anything that has that name.
NewFileOutcome CreateNewFile(const std::string& path, std::string_view bytes, unsigned mode);

}  // namespace orv
