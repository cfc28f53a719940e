#pragma once

#include <string>

namespace orv::results {

// The folder of the kept results, inside the folder of the saved tests.
std::string KeptResultsFolder();

}  // namespace orv::results
