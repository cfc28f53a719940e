#pragma once

#include <string>
#include <string_view>

namespace orv {

// Puts `bytes` into the plain file `path` so that it ends up holding either the
// whole new content or, when anything fails, exactly what it held before, even
// across a power cut. The bytes go to a new file in the same folder, created
// never through a link, which is synced to the storage and then renamed over
// `path`; the folder is synced after that.
//
// The new file has no name while it is written where the file system allows
// it, and a name that only the moment of the rename needs; elsewhere it has a
// hidden name (".saving-" and eight hex digits) all along. Either way it is
// locked while this process lives, so that RemoveStaleTemporaries can tell
// a copy being written from one that a crash left behind.
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
// Where the file system allows it, the file has no name until it is whole.
NewFileOutcome CreateNewFile(const std::string& path, std::string_view bytes, unsigned mode);

// Removes from `folder` the temporary files of writes that never finished
// (their process ended first), and leaves those that a running process is
// still writing. The number removed.
int RemoveStaleTemporaries(const std::string& folder);

// Whether `name` is that of a temporary file of these writes.
bool IsTemporaryName(std::string_view name);

// Whether new files may be written without a name first (on by default);
// off, every write takes the hidden-name way, as on a file system that
// cannot do otherwise.
void AllowUnnamedTemporaries(bool allowed);

}  // namespace orv
