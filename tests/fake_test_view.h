#pragma once

#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "testing/core/line_reader.h"
#include "testing/core/test_view.h"

namespace orv::testing {

// Records what the test steps show, in order.
class FakeTestView : public TestView {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void SetStatusLine(int index, const std::string& text) override { status.at(index) = text; }
    void SetQuestionText(const std::string& text) override { question = text; }
    void ClearOptions() override { ++options_cleared; }
    void SetLoadEnabled(bool enabled) override { load_enabled = enabled; }
    void SetSaveEnabled(bool enabled) override { save_enabled = enabled; }

    std::vector<std::string> messages;
    std::array<std::string, 4> status{};
    std::string question;
    int options_cleared = 0;
    bool load_enabled = true;
    bool save_enabled = false;
};

// A line reader over text held in memory.
inline LineReader ReaderOf(const std::string& text) {
    return LineReader(std::make_unique<std::istringstream>(text));
}

}  // namespace orv::testing
