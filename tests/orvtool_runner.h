#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orv::testing {

struct ToolResult {
    int exit_code = -1;
    std::string out, err;
};

// A folder of files for one test, removed afterwards, in which orvtool runs.
struct TempFolder {
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string Path(const std::string& name) const { return (path / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Read(const std::string& name) const {
        return (std::ostringstream() << std::ifstream(Path(name), std::ios::binary).rdbuf()).str();
    }
    // `arguments` are shell words; the paths of a TempFolder need no quotes.
    ToolResult Run(const std::string& arguments, const std::string& program = ORVTOOL_PATH) const {
        const std::string redirect = " >'" + Path("out") + "' 2>'" + Path("err") + "'";
        const int status = std::system(("'" + program + "' " + arguments + redirect).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read("out"), Read("err")};
    }

    const std::filesystem::path path = [] {
        std::string name = std::filesystem::temp_directory_path() / "orv_tool_XXXXXX";
        return std::filesystem::path(mkdtemp(name.data()));
    }();
};

}  // namespace orv::testing
