#pragma once

#include <string>
#include <vector>

namespace orv {

// What deleting every kept result of a folder did.
struct DeletedResults {
    int deleted = 0;                       // kept results removed
    std::vector<std::string> not_removed;  // results and temporary files still there, by name
};

// The kept results of `folder` of any version, readable or not: the files
// with a result's name that begin with the format's name, by name.
std::vector<std::string> KeptResultFiles(const std::string& folder);

// Removes from `folder` every kept result (KeptResultFiles) and every
// temporary file of a write; nothing else. Each that cannot be removed is
// named, and the rest are removed all the same.
DeletedResults DeleteAllKeptResults(const std::string& folder);

// The names of what `folder` holds besides kept results and temporary files
// (files a user put there, or named like a result but not one), by name.
std::vector<std::string> OtherFilesIn(const std::string& folder);

}  // namespace orv
