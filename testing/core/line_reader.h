#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>

namespace orv {

// Reads a text file of single-byte characters one line at a time. A line ends
// at CR LF or at a lone CR; a lone LF stays part of the line. A line longer
// than kMaxLineLength ends the reading: the reader gives up on the file as soon
// as it has read one character more than that.
class LineReader {
  public:
    static constexpr std::size_t kMaxLineLength = 32765;

    enum class Status { kOk, kTooLong };

    LineReader() = default;
    explicit LineReader(std::unique_ptr<std::istream> in);

    // Opens a file for reading; false when it cannot be opened.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return in_ != nullptr; }

    // True when no character is left to read (or nothing is open).
    bool AtEnd();

    // Reads the next line (without its terminator). On kTooLong `line` is
    // empty and the reader is at its end, as if the file were closed.
    Status ReadLine(std::string& line);

    // Number of lines consumed so far; the line just read has this number.
    int LinesRead() const { return lines_read_; }

  private:
    std::unique_ptr<std::istream> in_;
    int lines_read_ = 0;
};

}  // namespace orv
