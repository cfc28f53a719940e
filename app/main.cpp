// Orvane Personality Test: starts at its main window.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/desktop_session.h"
#include "shell/frmTestMain.h"

int main(int argc, char** argv) {
    const std::string missing = orv::app::MissingDesktopSession();
    if (!missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }
    // The platform goes on the command line, not into the environment, so
    // that the programs started from here (the browser) choose their own.
    std::string platform = orv::app::PreferredPlatform();
    std::string platform_flag = "-platform";
    std::vector<char*> arguments(argv, argv + argc);
    if (!platform.empty()) {
        arguments.push_back(platform_flag.data());
        arguments.push_back(platform.data());
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication application(count, arguments.data());
    QApplication::setApplicationName(QStringLiteral("Orvane Personality Test"));
    QApplication::setQuitOnLastWindowClosed(false);

    auto main_window = std::make_unique<frmTestMain>();
    main_window->show();
    return QApplication::exec();
}
