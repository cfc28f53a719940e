#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <deque>
#include <string>
#include <vector>

#include "app/end_program.h"
#include "app/message_box.h"

namespace orv::testing {

// Replaces message boxes while it lives: records each box and answers it
// (OK, or the next queued answer for a question box).
class MessageLog {
  public:
    struct Box {
        std::string text;
        int flags;
        std::string title;
    };

    MessageLog() {
        app::SetMessageBoxHandler(
            [this](const std::string& text, int flags, const std::string& title) {
                boxes.push_back({text, flags, title});
                if (flags == app::kYesNoDefaultNo) {
                    if (answers.empty()) {
                        return app::kResultNo;
                    }
                    const int answer = answers.front();
                    answers.pop_front();
                    return answer;
                }
                return app::kResultOk;
            });
    }
    ~MessageLog() { app::SetMessageBoxHandler({}); }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& box : boxes) {
            texts.push_back(box.text);
        }
        return texts;
    }

    std::vector<Box> boxes;
    std::deque<int> answers;
};

// Counts requests to end the program instead of ending it.
class EndProgramCounter {
  public:
    EndProgramCounter() {
        app::SetEndProgramHandler([this] { ++count; });
    }
    ~EndProgramCounter() { app::SetEndProgramHandler({}); }
    int count = 0;
};

// A file in the program folder (the test executable's folder), removed at
// the end of the test.
class ProgramFolderFile {
  public:
    ProgramFolderFile(const QString& name, const QByteArray& bytes)
        : path_(QDir(QCoreApplication::applicationDirPath()).filePath(name)) {
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

}  // namespace orv::testing
