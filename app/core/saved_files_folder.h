#pragma once

#include <string>

namespace orv {

// Where the saved-responses files live: the program folder when the program
// may write there (a build folder, an installation in the user's home);
// otherwise (an installation for all users) the user's data folder for the
// program, `xdg_data_home`/<app id>, or `home`/.local/share/<app id> when
// `xdg_data_home` is empty or not absolute. With neither it stays the program
// folder, where saving then fails with its message.
std::string ChooseSavedFilesFolder(const std::string& program_folder, bool program_folder_writable,
                                   const std::string& xdg_data_home, const std::string& home);

// Whether this process may create files in `folder`.
bool MayCreateFilesIn(const std::string& folder);

// Creates `folder` and any missing folders above it, readable by the user
// only. False when it does not exist afterwards.
bool CreateUserFolder(const std::string& folder);

}  // namespace orv
