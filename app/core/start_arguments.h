#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orv {

enum class StartChoice {
    kRun,            // start the windows; the toolkit takes its own options
    kHelp,           // print the help and end
    kVersion,        // print the version and end
    kWrongArgument,  // print the usage as an error and end
};

struct StartArguments {
    StartChoice choice = StartChoice::kRun;
    std::string wrong;            // kWrongArgument: the argument refused
    bool names_platform = false;  // "-platform NAME" asks the toolkit for a platform
    std::optional<std::string> language = std::nullopt;  // "--language CODE": for this run
};

// Reads the arguments of orvtest (without the program's name), in order, up
// to the first that decides: "--help", "--version", or a long option
// "--name" that neither the program nor the Qt toolkit knows, which is wrong.
// "--language CODE" (or "--language=CODE") chooses the language of the run;
// without a code, or with one that names no language, it is wrong.
// The toolkit's options ("-platform xcb", "--style=Fusion", ...) with their
// values, and every argument that is not a long option, are left to it.
StartArguments ReadStartArguments(const std::vector<std::string>& arguments);

// "orvtest (Orvane Personality Test) 1.3" and a line end.
std::string ProgramVersionText();

inline constexpr const char* kProgramUsage =
    "usage: orvtest [--help] [--version] [--language CODE] [Qt toolkit options]\n";

// The usage and what the command does.
std::string ProgramHelpText();

}  // namespace orv
