#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orv {

// True when `name` matches "*." + test number. Hidden names (leading ".")
// are not ordinary files and never match.
bool IsSavedFileName(const std::string& name, std::int16_t testno);

// Names (without folder) of the regular, non-hidden files of `folder` that
// match "*." + test number, sorted by byte value.
std::vector<std::string> ListSavedFiles(const std::string& folder, std::int16_t testno);

bool AnySavedFile(const std::string& folder, std::int16_t testno);

}  // namespace orv
