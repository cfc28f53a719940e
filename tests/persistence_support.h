#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orv::testing {

// A folder of its own for one test, removed with everything in it.
class TempFolder {
  public:
    explicit TempFolder(const std::string& tag = "") {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("orv_persist_" + std::string(info->test_suite_name()) + "_" + info->name() + tag);
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string path() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

    // Every name in the folder, hidden ones included, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines joined with CR LF, the last one ended too.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The file "Mary.1" of the worked example: question 3 on screen, answers -2
// and 2 in slots 1 and 2, one answer each on scales 3 and 7.
inline std::string MaryFileBytes() {
    std::vector<std::string> lines = {"3", "-2", "2"};
    lines.insert(lines.end(), 248, "0");
    for (const char* count : {"0", "0", "1", "0", "0", "0", "1", "0", "0", "0"}) {
        lines.push_back(count);
    }
    return CrLfLines(lines);
}

}  // namespace orv::testing
