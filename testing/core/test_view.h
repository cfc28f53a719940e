#pragma once

#include <string>

namespace orv {

// What the test window shows. The core decides; the window displays.
class TestView {
  public:
    virtual ~TestView() = default;

    // A message box with the OK button only, titled with the application title.
    virtual void ShowMessage(const std::string& text) = 0;
    // Status line 1 "Questions remaining", 2 "Question No.", 3 "Total Questions:".
    virtual void SetStatusLine(int index, const std::string& text) = 0;
    virtual void SetQuestionText(const std::string& text) = 0;
    // Sets the three answer options to not selected, raising no click.
    virtual void ClearOptions() = 0;
    virtual void SetLoadEnabled(bool enabled) = 0;
    virtual void SetSaveEnabled(bool enabled) = 0;
    // Selects answer option `index` (0..2), raising no click.
    virtual void SelectOption(int index) = 0;
    virtual void SetBackEnabled(bool enabled) = 0;
};

}  // namespace orv
