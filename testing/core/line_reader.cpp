#include "testing/core/line_reader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace orv {

LineReader::LineReader(std::unique_ptr<std::istream> in) : in_(std::move(in)) {}

bool LineReader::Open(const std::string& path) {
    Close();
    // A folder opens as an empty stream; only a file is a file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!file->is_open()) {
        return false;
    }
    in_ = std::move(file);
    return true;
}

void LineReader::Close() {
    in_.reset();
    lines_read_ = 0;
}

bool LineReader::AtEnd() {
    return in_ == nullptr || in_->peek() == std::char_traits<char>::eof();
}

LineReader::Status LineReader::ReadLine(std::string& line) {
    line.clear();
    if (in_ == nullptr) {
        return Status::kOk;
    }
    ++lines_read_;
    std::streambuf* buf = in_->rdbuf();
    for (;;) {
        const int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in_->setstate(std::ios::eofbit);
            return Status::kOk;
        }
        if (c == '\r') {
            if (buf->sgetc() == '\n') {
                buf->sbumpc();
            }
            return Status::kOk;
        }
        if (line.size() == kMaxLineLength) {
            // Nothing after this can make the line acceptable; reading on to
            // its end would only take time in proportion to the file.
            line.clear();
            in_.reset();
            return Status::kTooLong;
        }
        line.push_back(static_cast<char>(c));
    }
}

}  // namespace orv
