// Orvane Personality Test: starts at its main window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "shell/frmTestMain.h"

namespace {

// Qt aborts with a long report when no display can be reached; say it in one
// line instead.
bool DesktopSessionAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        return true;
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

int main(int argc, char** argv) {
    if (!DesktopSessionAvailable()) {
        std::fputs(
            "Orvane Personality Test needs a desktop session: neither DISPLAY nor "
            "WAYLAND_DISPLAY is set.\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane Personality Test"));
    QApplication::setQuitOnLastWindowClosed(false);

    auto main_window = std::make_unique<frmTestMain>();
    main_window->show();
    return QApplication::exec();
}
