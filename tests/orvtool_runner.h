#pragma once

#include <sys/wait.h>

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace orv::testing {

struct ToolResult {
    int exit_code = -1;
    std::string out;  // standard output only
};

// Runs the built orvtool with the given arguments (already shell-quoted).
inline ToolResult RunOrvtool(const std::string& arguments) {
    ToolResult result;
    const std::string command = std::string("'") + ORVTOOL_PATH + "' " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// A folder of files for one test, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("orv_tool_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "_" +
                 std::to_string(::getpid()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace orv::testing
