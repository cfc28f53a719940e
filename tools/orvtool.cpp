// orvtool: authoring checks for the test databases of the Orvane Personality Test.
#include <iostream>
#include <string>
#include <vector>

#include "tools/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
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
