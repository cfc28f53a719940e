#pragma once

#include <cstdint>
#include <string>

namespace orv {

// Every file of the program lies in the program folder; a name is joined to
// the folder with one separator and no further path logic.
inline std::string ProgramPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

// The database of a test: "orv" + test number + ".dll".
inline std::string DatabasePath(const std::string& folder, std::int16_t testno) {
    return ProgramPath(folder, "orv" + std::to_string(testno) + ".dll");
}

inline std::string HelpPath(const std::string& folder) {
    return ProgramPath(folder, "orvtest.hlp");
}

// Pattern of the saved-response files of a test: "*." + test number.
inline std::string SavedFilesPattern(const std::string& folder, std::int16_t testno) {
    return ProgramPath(folder, "*." + std::to_string(testno));
}

}  // namespace orv
