#pragma once

#include <string>

#include "testing/core/test_view.h"

namespace orvtool {

// A test view without a screen: keeps the last message the reader showed.
class RecordingView : public orv::TestView {
  public:
    void ShowMessage(const std::string& text) override { message = text; }
    void SetStatusLine(int, const std::string&) override {}
    void SetQuestionText(const std::string&) override {}
    void ClearOptions() override {}
    void SetLoadEnabled(bool) override {}
    void SetSaveEnabled(bool) override {}
    void SelectOption(int) override {}
    void SetBackEnabled(bool) override {}

    std::string message;
};

}  // namespace orvtool
