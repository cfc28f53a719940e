#pragma once

#include <string>

namespace orv::app {

// The folder of the saved-responses files: the program folder when the
// program may write there, otherwise the user's data folder for the program
// (ChooseSavedFilesFolder). The choosers, the check at the test window's load,
// Save and Load all use it.
std::string SavedFilesFolder();

// The folder of the kept results, inside the saved-files folder.
std::string KeptResultsFolder();

// Removes what writes cut short by a crash left in those two folders; what
// another running copy of the program is writing stays.
void RemoveStaleTemporaries();

}  // namespace orv::app
