#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "persistence/core/durable_file.h"

namespace orv::testing {

// ctest runs the tests of writing files a second time with
// ORV_HIDDEN_TEMPORARIES=1: every write then takes the hidden-name way, as on
// a file system without unnamed files.
inline bool UnnamedTemporariesByDefault() {
    return std::getenv("ORV_HIDDEN_TEMPORARIES") == nullptr;
}
inline const bool kTemporariesChosen = [] {
    AllowUnnamedTemporaries(UnnamedTemporariesByDefault());
    return true;
}();

// Question 2 is related to question 1; questions 3 and 4 share a scale.
inline constexpr const char* kFourQuestions =
    "4\t.Copyright\r\n1\tpunctual\t0\t3\t.I am always on time.\r\n2\tcalm\t1\t7\t.I keep calm."
    "\r\n3\treliable\t0\t2\t.People count on me.\r\n4\ttidy\t0\t2\t.My desk is in order.\r\n";

// A new empty folder, removed with everything in it.
struct TempFolder {
    std::string path =
        mkdtemp((std::filesystem::temp_directory_path() / "orv_XXXXXX").string().data());
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return path + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    // Hidden names included.
    long Count() const { return std::distance(std::filesystem::directory_iterator(path), {}); }
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// "Mary.1": question 3 on screen, answers -2 and 2 in slots 1 and 2, one
// answer each on scales 3 and 7.
inline std::vector<std::string> MaryLines() {
    std::vector<std::string> lines = {"3", "-2", "2"};
    lines.resize(261, "0");
    lines[251 + 2] = lines[251 + 6] = "1";
    return lines;
}
inline std::string MaryFileBytes() {
    return CrLfLines(MaryLines());
}

}  // namespace orv::testing
