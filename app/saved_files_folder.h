#pragma once

#include <string>

namespace orv::app {

// The folder of the saved-responses files: the program folder when the
// program may write there, otherwise the user's data folder for the program
// (ChooseSavedFilesFolder). The choosers, the check at the test window's load,
// Save and Load all use it.
std::string SavedFilesFolder();

}  // namespace orv::app
