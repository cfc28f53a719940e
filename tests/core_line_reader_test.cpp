#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fake_test_view.h"
#include "testing/core/line_reader.h"

namespace orv {
namespace {

std::vector<std::string> AllLines(const std::string& text) {
    LineReader reader = testing::ReaderOf(text);
    std::vector<std::string> lines;
    std::string line;
    while (!reader.AtEnd()) {
        EXPECT_EQ(reader.ReadLine(line), LineReader::Status::kOk);
        lines.push_back(line);
    }
    return lines;
}

TEST(LineReader, EndsLinesAtCrLfAndLoneCr) {
    EXPECT_EQ(AllLines("a\r\nb\rc\r\n"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(AllLines("last without end"), (std::vector<std::string>{"last without end"}));
    EXPECT_EQ(AllLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
}

TEST(LineReader, KeepsALoneLfInTheLine) {
    EXPECT_EQ(AllLines("a\nb\r\nc\n"), (std::vector<std::string>{"a\nb", "c\n"}));
}

TEST(LineReader, EmptyInputIsAtEnd) {
    LineReader reader = testing::ReaderOf("");
    EXPECT_TRUE(reader.AtEnd());
    LineReader closed;
    EXPECT_TRUE(closed.AtEnd());
}

TEST(LineReader, CountsLinesRead) {
    LineReader reader = testing::ReaderOf("a\r\nb\r\n");
    std::string line;
    reader.ReadLine(line);
    reader.ReadLine(line);
    EXPECT_EQ(reader.LinesRead(), 2);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(LineReader, SkipsALineLongerThanTheLimitAndGoesOn) {
    const std::string longest(LineReader::kMaxLineLength, 'x');
    const std::string too_long(LineReader::kMaxLineLength + 1, 'y');
    LineReader reader = testing::ReaderOf(longest + "\r\n" + too_long + "\r\nnext\r\n");
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), LineReader::Status::kOk);
    EXPECT_EQ(line.size(), LineReader::kMaxLineLength);
    EXPECT_EQ(reader.ReadLine(line), LineReader::Status::kTooLong);
    EXPECT_TRUE(line.empty());
    EXPECT_EQ(reader.ReadLine(line), LineReader::Status::kOk);
    EXPECT_EQ(line, "next");
}

TEST(LineReader, OpensOnlyFiles) {
    LineReader reader;
    EXPECT_FALSE(reader.Open("/nonexistent/folder/orv0.dll"));
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.Open(std::filesystem::temp_directory_path().string()));
    EXPECT_FALSE(reader.IsOpen());
}

}  // namespace
}  // namespace orv
