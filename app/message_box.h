#pragma once

#include <functional>
#include <string>

#include <QString>

#include "app/core/app_title.h"

class QWidget;

namespace orv::app {

// Button-and-icon flags and results, by their classic values.
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNoDefaultNo = 260;  // Yes and No, No the default, no icon
inline constexpr int kResultOk = 1;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

// The application title in the language of the run.
QString AppTitle();

// A modal message box without icon; returns the button pressed. The text and
// title are English (or already translated), UTF-8; each line of them is
// shown in the language of the run where it has a translation.
int MsgBox(QWidget* parent, const std::string& text, int flags = kOkOnly,
           const std::string& title = kAppTitle);

// Replaces the message box (for tests); an empty handler restores it.
using MessageBoxHandler =
    std::function<int(const std::string& text, int flags, const std::string& title)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace orv::app
