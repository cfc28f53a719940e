// Orvane Personality Test: starts at its main window.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>

#include "app/desktop_session.h"
#include "shell/frmTestMain.h"

int main(int argc, char** argv) {
    const std::string missing = orv::app::MissingDesktopSession();
    if (!missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }
    const std::string platform = orv::app::PreferredPlatform();
    if (!platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane Personality Test"));
    QApplication::setQuitOnLastWindowClosed(false);

    auto main_window = std::make_unique<frmTestMain>();
    main_window->show();
    return QApplication::exec();
}
