#pragma once

#include <optional>
#include <string>
#include <vector>

#include "results/core/kept_result.h"

namespace orv {

// The folder of the kept results inside the saved-files folder.
std::string KeptResultsFolder(const std::string& saved_files_folder);

// True for the name of a kept-result file: not hidden, ending ".result".
bool IsKeptResultName(const std::string& name);

// Keeps `result` as a new file in `folder` (made, for the user only, when
// missing), readable and writable by the user only, named by the moment the
// test ended and the test ("20261207-141530-0.result", then "-2", "-3", ...
// before ".result" while that name is taken). Never replaces a file. The
// name of the file, or no value when it could not be written.
std::optional<std::string> KeepResult(const std::string& folder, const KeptResult& result);

// A kept-result file of the folder; no result when it is not a valid one.
struct ListedResult {
    std::string name;
    std::optional<KeptResult> result;
};

// The kept-result files of `folder`: the valid ones newest first (by the
// moment their test ended, then by name), then those that are not valid
// results, by name.
std::vector<ListedResult> ListKeptResults(const std::string& folder);

// Gives the kept result `file` of `folder` the name `name` ("" for none): the
// whole result is kept anew with it (KeepResult), and only then is `file`
// removed, so that a crash at any moment leaves the old file, the new one or
// both, whole. The name of the new file, or no value when the result could
// not be read or named, which changes nothing.
std::optional<std::string> NameKeptResult(const std::string& folder, const std::string& file,
                                          const std::string& name);

// Removes the kept-result file `name` (a name of the folder, nothing else).
bool DeleteKeptResult(const std::string& folder, const std::string& name);

}  // namespace orv
