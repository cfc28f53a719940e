#pragma once

#include <array>
#include <string>
#include <vector>

#include "testing/core/test_view.h"

namespace orv::testing {

// Records what the test steps show.
struct FakeTestView : TestView {
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void SetStatusLine(int index, const std::string& text) override { status.at(index) = text; }
    void SetQuestionText(const std::string& text) override { question = text; }
    void ClearOptions() override {}
    void SetLoadEnabled(bool enabled) override { load_enabled = enabled; }
    void SetSaveEnabled(bool enabled) override { save_enabled = enabled; }
    void SelectOption(int) override {}
    void SetBackEnabled(bool enabled) override { back_enabled = enabled; }

    std::vector<std::string> messages;
    std::array<std::string, 4> status{};
    std::string question;
    bool load_enabled = true;
    bool save_enabled = false;
    bool back_enabled = false;
};

}  // namespace orv::testing
