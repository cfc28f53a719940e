#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "testing/core/line_reader.h"

namespace orv {

// CR LF or a lone CR ends a line, a lone LF does not; an overlong line ends
// the reading.
TEST(LineReader, SplitsLinesAndStopsAtAnOverlongOne) {
    const std::string longest(LineReader::kMaxLineLength, 'x');
    LineReader reader(std::make_unique<std::istringstream>("a\r\nb\rc\nd\r\n\r\n" + longest + "\r" +
                                                           longest + "y\r\nlast"));
    std::vector<std::string> lines;
    for (std::string line; !reader.AtEnd(); lines.push_back(line)) {
        if (reader.ReadLine(line) == LineReader::Status::kTooLong)
            line = "(too long)" + line;
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c\nd", "", longest, "(too long)"}));
}

// A line without end is given up one character past the longest line, not
// read to the end of the file.
TEST(LineReader, GivesUpOnAnOverlongLineAtOnce) {
    const std::size_t size = 4 * LineReader::kMaxLineLength;
    std::stringbuf endless(std::string(size, 'x'));
    LineReader reader(std::make_unique<std::istream>(&endless));
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), LineReader::Status::kTooLong);
    EXPECT_EQ(endless.in_avail(), std::streamsize(size - LineReader::kMaxLineLength - 1));
    EXPECT_TRUE(reader.AtEnd());
}

TEST(LineReader, OpensOnlyAnExistingFile) {
    LineReader reader;
    EXPECT_FALSE(reader.Open("/nonexistent/folder/orv0.dll"));
    EXPECT_FALSE(reader.Open(std::filesystem::temp_directory_path().string()));
    EXPECT_FALSE(reader.IsOpen());
}

}  // namespace orv
