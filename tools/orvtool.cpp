// orvtool: authoring checks for the test databases of the Orvane Personality Test.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/core/app_title.h"
#include "app/core/program_identity.h"
#include "tools/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // --help and --version act wherever they stand, the first of them winning.
    const auto asked = std::find_if(args.begin(), args.end(), [](const std::string& arg) {
        return arg == "--help" || arg == "--version";
    });
    if (asked != args.end() && *asked == "--help") {
        std::cout << orvtool::kUsage << orvtool::kHelp;
        return 0;
    }
    if (asked != args.end()) {
        std::cout << "orvtool (" << orv::kAppTitle << ") " << orv::kVersion << "\n";
        return 0;
    }
    if (args.empty()) {
        std::cerr << orvtool::kUsage;
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "check") {
        return orvtool::RunCheck(args, std::cout, std::cerr);
    }
    if (command == "evaluate") {
        return orvtool::RunEvaluate(args, std::cout, std::cerr);
    }
    std::cerr << orvtool::kUsage;
    return 2;
}
