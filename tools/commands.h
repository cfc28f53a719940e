#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orvtool {

// Each command takes its arguments (after the command name) and returns the
// process exit code: 0 success, 1 a failure in the files, 2 bad arguments.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

inline constexpr const char* kUsage =
    "usage: orvtool check FILE\n"
    "       orvtool evaluate [--test N] [--year YYYY] DB SAVED\n";

}  // namespace orvtool
