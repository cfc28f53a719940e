#include "app/saved_files_folder.h"

#include <cstdlib>

#include "app/core/saved_files_folder.h"
#include "app/form_look.h"

namespace orv::app {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string SavedFilesFolder() {
    const std::string program_folder = ProgramFolder();
    return ChooseSavedFilesFolder(program_folder, MayCreateFilesIn(program_folder),
                                  Environment("XDG_DATA_HOME"), Environment("HOME"));
}

}  // namespace orv::app
