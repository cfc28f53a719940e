#include "app/core/start_arguments.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "app/core/app_title.h"
#include "app/core/language.h"
#include "app/core/program_identity.h"

namespace orv {

namespace {

// Options that Qt Widgets and its X platform read, by name without the
// dash(es); Qt takes "-name" and "--name" alike.
// clang-format off
constexpr std::string_view kToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowicon", "icon", "qwindowtitle", "title", "session", "display", "name", "visual",
    "style", "stylesheet"};
// clang-format on
constexpr std::string_view kToolkitFlags[] = {"reverse", "widgetcount", "sync",
                                              "nograb",  "dograb",      "testability"};
// The only options that Qt also reads as "-name=value".
constexpr std::string_view kToolkitOptionsWithEquals[] = {"style", "stylesheet", "qmljsdebugger"};

template <std::size_t N>
bool Contains(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace

StartArguments ReadStartArguments(const std::vector<std::string>& arguments) {
    StartArguments run;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") {
            return {StartChoice::kHelp, ""};
        }
        if (argument == "--version") {
            return {StartChoice::kVersion, ""};
        }
        if (argument == "--language" || argument.starts_with("--language=")) {
            const bool joined = argument != "--language";
            if (!joined && i + 1 == arguments.size()) {
                return {StartChoice::kWrongArgument, std::string(argument)};
            }
            const std::string code = joined ? std::string(argument.substr(11)) : arguments[++i];
            if (code != kEnglish && !IsLanguageCode(code)) {
                return {StartChoice::kWrongArgument, std::string(argument)};
            }
            run.language = code;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            continue;
        }
        const bool long_form = argument[1] == '-';
        const std::string_view option = argument.substr(long_form ? 2 : 1);
        const std::size_t equals = option.find('=');
        bool toolkit_knows = true;
        if (equals != std::string_view::npos) {
            toolkit_knows = Contains(kToolkitOptionsWithEquals, option.substr(0, equals));
        } else if (Contains(kToolkitOptionsWithValue, option)) {
            run.names_platform = run.names_platform || option == "platform";
            ++i;  // the value belongs to the option, whatever it looks like
        } else {
            toolkit_knows = option.empty() || Contains(kToolkitFlags, option);
        }
        if (long_form && !toolkit_knows) {
            return {StartChoice::kWrongArgument, std::string(argument)};
        }
    }
    return run;
}

std::string ProgramVersionText() {
    return std::string("orvtest (") + kAppTitle + ") " + kVersion + "\n";
}

std::string ProgramHelpText() {
    return std::string(kProgramUsage) +
           "\n"
           "Starts the Orvane Personality Test at its main window. Options of the Qt\n"
           "toolkit, such as -platform NAME or -style NAME, are passed to it.\n"
           "\n"
           "  --help           print this help and exit\n"
           "  --version        print the version and exit\n"
           "  --language CODE  use the language CODE (de, en, ...) for this run, whatever\n"
           "                   the desktop's language or the choice in the Language menu\n";
}

}  // namespace orv
