#include "results/kept_results_folder.h"

#include "app/saved_files_folder.h"
#include "results/core/kept_results.h"

namespace orv::results {

std::string KeptResultsFolder() {
    return orv::KeptResultsFolder(app::SavedFilesFolder());
}

}  // namespace orv::results
