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
    "       orvtool evaluate [--test N] [--year YYYY] DB SAVED\n"
    "       orvtool --help | --version\n";

inline constexpr const char* kHelp =
    "\n"
    "Checks and tries out the test databases of the Orvane Personality Test.\n"
    "\n"
    "  check FILE         read FILE as a test does; print the line and message of\n"
    "                     the first fault, or any warnings and the number of questions\n"
    "  check FOLDER       check a language folder (de, ...): the faults of its files,\n"
    "                     whether its databases are parallel to the English ones in\n"
    "                     the folder above, and what is not translated yet\n"
    "  evaluate DB SAVED  print the evaluation of the saved test SAVED taken on the\n"
    "                     database DB\n"
    "    --test N         the test, 0 or 1 (by default the extension of SAVED)\n"
    "    --year YYYY      the year of the notice line (by default this year)\n"
    "    --language CODE  in the language CODE: DB is UTF-8 text and the words of the\n"
    "                     evaluation come from the folder CODE beside DB's folder\n"
    "  --help             print this help and exit\n"
    "  --version          print the version and exit\n"
    "\n"
    "Exit status: 0 success, 1 a missing or faulty file, 2 wrong arguments.\n";

}  // namespace orvtool
