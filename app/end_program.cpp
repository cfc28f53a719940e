#include "app/end_program.h"

#include <QApplication>
#include <QWidget>

namespace orv::app {

namespace {

std::function<void()>& Handler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void SetEndProgramHandler(std::function<void()> handler) {
    Handler() = std::move(handler);
}

void EndProgram() {
    if (Handler()) {
        Handler()();
        return;
    }
    // QCoreApplication::quit() would first close every window and so run
    // their close handlers; exit() only leaves the event loop, and the
    // windows are then destroyed without being closed.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace orv::app
