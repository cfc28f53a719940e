#pragma once

#include <QtTest>
#include <QtWidgets>
#include <deque>

#include "app/core/centre.h"
#include "app/end_program.h"
#include "app/message_box.h"

namespace orv::testing {

// Records message boxes while it lives; a question gets the next queued answer, else No.
class MessageLog {
  public:
    struct Box {
        std::string text;
        int flags;
        std::string title;
    };
    MessageLog() {
        app::SetMessageBoxHandler([this](const auto& text, int flags, const auto& title) {
            boxes.push_back({text, flags, title});
            if (flags != app::kYesNoDefaultNo || answers.empty()) {
                return flags == app::kYesNoDefaultNo ? app::kResultNo : app::kResultOk;
            }
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~MessageLog() { app::SetMessageBoxHandler({}); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& box : boxes) texts.push_back(box.text);
        return texts;
    }
    std::vector<Box> boxes;
    std::deque<int> answers;
};

// Counts requests to end the program instead of ending it.
struct EndProgramCounter {
    EndProgramCounter() {
        app::SetEndProgramHandler([this] { ++count; });
    }
    ~EndProgramCounter() { app::SetEndProgramHandler({}); }
    int count = 0;
};

// A file in the program folder (the test executable's folder) while it lives.
class ProgramFolderFile {
  public:
    ProgramFolderFile(const QString& name, const QByteArray& bytes)
        : path_(QCoreApplication::applicationDirPath() + "/" + name) {
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    ~ProgramFolderFile() { QFile::remove(path_); }
    const QString& path() const { return path_; }

  private:
    QString path_;
};

// Whether the window comes to stand where the centring rule puts it, frame
// included.
inline bool SettlesCentred(const QWidget& window) {
    return QTest::qWaitFor([&] {
        const QRect screen = window.screen()->geometry();
        const QRect outer = window.frameGeometry();
        const WindowPosition at =
            CentredPosition(screen.width(), screen.height(), outer.width(), outer.height());
        return outer.topLeft() == screen.topLeft() + QPoint(at.left, at.top);
    });
}

}  // namespace orv::testing
